#pragma once

#include "runtime/Strings.h"

#include <functional>
#include <string_view>
#include <vector>

// Breaks a text into the lines it is drawn in: at every CR, LF or CR LF, and between words
// wherever a line measured by Width would grow wider than MaxWidth. A word wider than MaxWidth
// keeps a line of its own. An empty text is one empty line.
std::vector<AnsiString> WrapText(std::string_view text, int maxWidth,
                                 const std::function<int(std::string_view)>& width);
