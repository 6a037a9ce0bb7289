#include "ui/Bitmap.h"

namespace {

void Put(TRgbaImage& image, int x, int y, TRgb colour) {
    const std::size_t at = (y * image.Width + x) * 4;
    image.Rgba[at] = colour.R;
    image.Rgba[at + 1] = colour.G;
    image.Rgba[at + 2] = colour.B;
    image.Rgba[at + 3] = 255;
}

int Luminance(TRgb colour) {
    return (colour.R * 299 + colour.G * 587 + colour.B * 114) / 1000;
}

} // namespace

TRgbaImage RenderButtonPicture(const TBitmap& picture, bool greyed) {
    TRgbaImage image{picture.Width, picture.Height,
                     std::vector<std::uint8_t>(picture.Pixels.size() * 4, 0)};
    if (picture.Empty()) {
        return image;
    }
    const TRgb transparent = picture.Pixel(0, picture.Height - 1);
    auto opaque = [&](int x, int y) {
        return picture.Pixel(x, y) != transparent;
    };
    if (!greyed) {
        for (int y = 0; y < picture.Height; ++y) {
            for (int x = 0; x < picture.Width; ++x) {
                if (opaque(x, y)) {
                    Put(image, x, y, picture.Pixel(x, y));
                }
            }
        }
        return image;
    }
    auto inMask = [&](int x, int y) {
        return opaque(x, y) && Luminance(picture.Pixel(x, y)) < 192;
    };
    const TRgb highlight = ColorToRgb(clBtnHighlight);
    const TRgb shadow = ColorToRgb(clBtnShadow);
    for (int y = 0; y < picture.Height; ++y) {
        for (int x = 0; x < picture.Width; ++x) {
            if (inMask(x, y) && x + 1 < picture.Width && y + 1 < picture.Height) {
                Put(image, x + 1, y + 1, highlight);
            }
        }
    }
    for (int y = 0; y < picture.Height; ++y) {
        for (int x = 0; x < picture.Width; ++x) {
            if (inMask(x, y)) {
                Put(image, x, y, shadow);
            }
        }
    }
    return image;
}
