#pragma once

#include "ui/Font.h"

// Implemented by each backend: the font the window system uses for message texts (Linux: the
// desktop's default font). False, with Font untouched, when the window system names none.
bool PlatformMessageFont(TFont& font);
