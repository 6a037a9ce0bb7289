#pragma once

#include <cstdint>

// A colour: 0x00BBGGRR for a plain colour, or a system colour, named by its index with the top
// byte set and resolved by the window system.
using TColor = std::int32_t;

constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index));
}
constexpr TColor RgbColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}
constexpr bool IsSystemColor(TColor color) {
    return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u;
}

inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);

inline constexpr TColor clBlack = RgbColor(0, 0, 0);
inline constexpr TColor clWhite = RgbColor(255, 255, 255);
inline constexpr TColor clRed = RgbColor(255, 0, 0);

struct TRgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend bool operator==(const TRgb&, const TRgb&) = default;
};

// The red, green and blue of a colour, system colours resolved by the window system.
TRgb ColorToRgb(TColor color);

// The system colours of the classic Windows desktop, for window systems whose themes have no
// fitting colour (a GTK theme's tooltip colours, for example, are not meant as a field's).
TRgb ClassicSystemColor(int index);
