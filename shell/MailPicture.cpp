#include "shell/MailPicture.h"

#include <array>
#include <string_view>

namespace {

// One character per pixel.
constexpr std::array<std::string_view, 32> kRows = {
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    ".........dddddddddddddddddddddd.", //
    ".........dWWWWWWWWWWWWWWWWWWWgd.", //
    ".........dWWWWWWWWWWWWWWrWrWrgd.", //
    ".bbbbbbb.dWWWWWWWWWWWWWrRRRRWgd.", //
    ".........dWWWWWWWWWWWWWWRyyRrgd.", //
    ".........dWWWWWWWWWWWWWrRyyRWgd.", //
    "...bbbbb.dWWWWWWWWWWWWWWRRRRrgd.", //
    ".........dWWWWWWWWWWWWWrWrWrWgd.", //
    ".........dWWWWWWWWWWWWWWWWWWWgd.", //
    "bbbbbbbb.dWWWgggggggggWWWWWWWgd.", //
    ".........dWWWWWWWWWWWWWWWWWWWgd.", //
    ".........dWWWggggggggggggWWWWgd.", //
    "..bbbbbb.dWWWWWWWWWWWWWWWWWWWgd.", //
    ".........dWWWgggggggWWWWWWWWWgd.", //
    ".........dWWWWWWWWWWWWWWWWWWWgd.", //
    "....bbbb.dggggggggggggggggggggd.", //
    ".........dddddddddddddddddddddd.", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    "................................", //
};

TRgb ColourOf(char pixel) {
    switch (pixel) {
    case 'W': // the letter's paper
        return {255, 255, 255};
    case 'g': // its shade and the address lines
        return {200, 200, 200};
    case 'd': // its outline
        return {90, 90, 90};
    case 'R': // the stamp
        return {220, 0, 0};
    case 'r': // the stamp's perforation
        return {150, 0, 0};
    case 'y': // the stamp's emblem
        return {255, 210, 0};
    case 'b': // motion lines
        return {120, 170, 255};
    default: // the black background
        return {0, 0, 0};
    }
}

} // namespace

TBitmap MailPicture() {
    TBitmap picture{32, 32, {}};
    picture.Pixels.reserve(32 * 32);
    for (std::string_view row : kRows) {
        for (char pixel : row) {
            picture.Pixels.push_back(ColourOf(pixel));
        }
    }
    return picture;
}
