#pragma once

#include "runtime/Strings.h"

#include <cstdint>

// Font character-set numbers of the window system.
inline constexpr std::uint8_t kDefaultCharset = 1;
inline constexpr std::uint8_t kSymbolCharset = 2;

// The face a window gets when it names none.
WideString DefaultFontFaceName();
