#pragma once

#include "textcatalog/texts/BuiltinTextRow.h"

#include <ostream>
#include <span>
#include <string>

// Writes the built-in tables for translators and checks, texts in UTF-8.

// A text as one field of a tab-separated line: CR, LF, tab and backslash as \r, \n, \t and \\,
// a missing text (null) as \N.
std::string EscapeTableField(const char* text);

// Tab-separated: a header line "id de en", one line per id; CR, LF, tab and backslash written as
// \r, \n, \t and \\, a text that a table lacks as \N.
void ExportTextTable(std::span<const std::span<const BuiltinTextRow>> blocks, std::ostream& out);

// A gettext PO template: msgctxt the id, msgid the German text, the English text as a translator
// comment. Rows without a German text have nothing to translate and are left out.
void ExportPoTemplate(std::span<const std::span<const BuiltinTextRow>> blocks, std::ostream& out);
