#include "ui/Colors.h"

#include "ui/backend/Services.h"

TRgb ClassicSystemColor(int index) {
    switch (index) {
    case 5:  // window
    case 14: // highlight text
    case 20: // button highlight
        return {255, 255, 255};
    case 6: // window frame
        return {100, 100, 100};
    case 13: // highlight
        return {0, 120, 215};
    case 15: // button face
        return {240, 240, 240};
    case 16: // button shadow
        return {160, 160, 160};
    case 17: // grey text
        return {109, 109, 109};
    case 21: // 3D dark shadow
        return {105, 105, 105};
    case 22: // 3D light
        return {227, 227, 227};
    case 24: // tooltip background
        return {255, 255, 225};
    default: // window text, button text, tooltip text and the rest
        return {0, 0, 0};
    }
}

TRgb ColorToRgb(TColor color) {
    const auto bits = static_cast<std::uint32_t>(color);
    if (IsSystemColor(color)) {
        return PlatformSystemColor(static_cast<int>(bits & 0xFFu));
    }
    return {static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>((bits >> 8) & 0xFF),
            static_cast<std::uint8_t>((bits >> 16) & 0xFF)};
}
