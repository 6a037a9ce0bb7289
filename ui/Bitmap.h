#pragma once

#include "ui/Colors.h"

#include <cstdint>
#include <vector>

// A picture of 24-bit colour, rows from the top.
struct TBitmap {
    int Width = 0;
    int Height = 0;
    std::vector<TRgb> Pixels;

    bool Empty() const { return Width <= 0 || Height <= 0; }
    const TRgb& Pixel(int x, int y) const { return Pixels.at(y * Width + x); }
};

// A picture with transparency as the window system draws it: red, green, blue and alpha for
// each pixel, rows from the top, not premultiplied.
struct TRgbaImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Rgba;

    std::uint8_t Alpha(int x, int y) const { return Rgba.at((y * Width + x) * 4 + 3); }
    TRgb Pixel(int x, int y) const {
        const std::size_t at = (y * Width + x) * 4;
        return {Rgba.at(at), Rgba.at(at + 1), Rgba.at(at + 2)};
    }
};

// The picture as a button draws it: the colour of its bottom-left pixel is transparent. Greyed,
// the darker opaque pixels (luminance below 192) become an embossed shape: the button-highlight
// colour one pixel right and down, the button-shadow colour over it; everything else is
// transparent.
TRgbaImage RenderButtonPicture(const TBitmap& picture, bool greyed);
