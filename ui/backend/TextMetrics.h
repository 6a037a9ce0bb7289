#pragma once

#include "runtime/Strings.h"
#include "ui/Font.h"
#include "ui/Types.h"

#include <string_view>

// Text measured by the window system in a font; texts are narrow, in the ANSI code page. Each
// backend implements both.

// One line: line breaks and tabs count as characters.
TSize TextExtent(const TFont& font, std::string_view text);

// Broken into lines at every line break and, between words, wherever a line would grow wider
// than MaxWidth (a word wider than that stays whole); tabs are expanded. The width of the widest
// line and the height of all lines.
TSize WrappedTextExtent(const TFont& font, std::string_view text, int maxWidth);
