#pragma once

#include "platform/FontDefaults.h"
#include "runtime/Strings.h"
#include "ui/Colors.h"

#include <cstdint>

// A font as a control designs it: face, character set, size in points and colour.
struct TFont {
    AnsiString Name = "MS Sans Serif";
    std::uint8_t Charset = kDefaultCharset;
    int Size = 8;
    TColor Color = clWindowText;

    // The height of the font's cell in pixels at 96 dots per inch: 8 points are 11 pixels.
    int PixelHeight() const { return (Size * 96 + 36) / 72; }

    friend bool operator==(const TFont&, const TFont&) = default;
};
