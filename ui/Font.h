#pragma once

#include "platform/FontDefaults.h"
#include "runtime/Strings.h"

#include <cstdint>

using TColor = std::int32_t;

// System colours are named by their index with the top byte set, resolved by the backend.
inline constexpr TColor clWindowText = static_cast<TColor>(0xFF000008u);

// A font as a control designs it: face, character set, size in points and colour.
struct TFont {
    AnsiString Name = "MS Sans Serif";
    std::uint8_t Charset = kDefaultCharset;
    int Size = 8;
    TColor Color = clWindowText;

    friend bool operator==(const TFont&, const TFont&) = default;
};
