#pragma once

#include "runtime/Strings.h"

#include <string_view>

// Fills the placeholders that a storage path may carry, each a name between two "%" signs,
// compared upper-cased and trimmed: APPL_NAME, COMPANY_NAME, FILEVERSION and PRODUCTVERSION (the
// program's version resource; empty when it has none), DATE, TIME and DATETIME
// ("dd_mm_yyyy", "hh_nn_ss", both joined by a blank, local time), EXENAME, FILENAME and
// FULLDIREXE (the program file's full path, its name without folder and extension, its folder),
// SCREENSIZE and DESKTOPSIZE ("<width>x<height>" in pixels).
//
// The text is scanned once from left to right; a value is never scanned again. Any other text
// between "%" signs (FORMNAME and FORMCAPTION among them, as a storage without an owner window
// has no form to name) and a lone "%" stay as written. Returns true when anything was replaced.
bool ExpandStoragePlaceholders(std::string_view text, AnsiString& expanded);

// The file a storage's file name names: the name with its placeholders filled, and a name that
// is relative once filled taken from Folder (nothing is added for an empty Folder). Folder is a
// path as it is, never scanned for placeholders.
AnsiString ExpandStorageFileName(std::string_view name, std::string_view folder);
