#pragma once

#include <cstdint>

// Geometry in pixels at 96 dots per inch.
struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect MakeBounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// The smallest rectangle that holds both.
inline TRect UnionRect(const TRect& a, const TRect& b) {
    return {a.Left < b.Left ? a.Left : b.Left, a.Top < b.Top ? a.Top : b.Top,
            a.Right > b.Right ? a.Right : b.Right, a.Bottom > b.Bottom ? a.Bottom : b.Bottom};
}

// Where a control goes inside its parent's client area.
enum class TAlign { None, Top, Bottom, Left, Right, Client };

// Which edges of its parent a control keeps its distance to when the parent resizes.
using TAnchors = std::uint8_t;
inline constexpr TAnchors akLeft = 1;
inline constexpr TAnchors akTop = 2;
inline constexpr TAnchors akRight = 4;
inline constexpr TAnchors akBottom = 8;
inline constexpr TAnchors akAll = akLeft | akTop | akRight | akBottom;

// Keys by their virtual key code, as the Windows family numbers them: letters and digits are
// their upper-case ASCII codes.
using TKeyCode = std::uint16_t;
inline constexpr TKeyCode kKeyBack = 8;
inline constexpr TKeyCode kKeyTab = 9;
inline constexpr TKeyCode kKeyReturn = 13;
inline constexpr TKeyCode kKeyEscape = 27;
inline constexpr TKeyCode kKeySpace = 32;
inline constexpr TKeyCode kKeyLeft = 37;
inline constexpr TKeyCode kKeyUp = 38;
inline constexpr TKeyCode kKeyRight = 39;
inline constexpr TKeyCode kKeyDown = 40;
inline constexpr TKeyCode kKeyDelete = 46;
inline constexpr TKeyCode kKeyF1 = 112;

using TShiftState = std::uint8_t;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;

// The result a modal form ends with; 0 means none yet.
using TModalResult = std::int32_t;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

// Where a form appears when it is first shown; the values are those that stored settings use.
enum class TPosition {
    Designed = 0,
    Default = 1,
    DefaultPosOnly = 2,
    DefaultSizeOnly = 3,
    ScreenCenter = 4,
    DesktopCenter = 5,
    MainFormCenter = 6,
    OwnerFormCenter = 7,
};

enum class TFormBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

struct TBorderIcons {
    bool SystemMenu = true;
    bool Minimize = true;
    bool Maximize = true;
    bool Help = false;
    friend bool operator==(const TBorderIcons&, const TBorderIcons&) = default;
};

enum class TWindowState { Normal, Minimized, Maximized };

enum class TBiDiMode { LeftToRight, RightToLeft, RightToLeftNoAlign, RightToLeftReadingOnly };

enum class TScrollStyle { None, Horizontal, Vertical, Both };

// The platform's handle of a window; 0 while the window does not exist.
using TWindowHandle = std::uintptr_t;
