#pragma once

#include "datadict/Information.h"

#include <ostream>

// The items of one dictionary entry as tab-separated text in UTF-8: a header line naming the
// fields of an item, then one line per item in registration order. Choice ids and texts are
// joined by "|", the default value is written as text in double quotes, a number or a Boolean,
// and Entry is the entry's language code.
void ExportItems(const TInformation& information, std::string_view languageCode, std::ostream& out);
