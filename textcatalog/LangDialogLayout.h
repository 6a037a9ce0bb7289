#pragma once

#include "runtime/Strings.h"
#include "textcatalog/uLangDialogs.h"
#include "ui/Font.h"
#include "ui/Types.h"

// The built message dialog is designed in dialog units: a horizontal unit is a quarter of the
// font's average character width W, a vertical unit an eighth of its character height H.
struct TDialogUnits {
    int W = 0;
    int H = 0;

    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
};

// W is the width of "A" to "Z" and "a" to "z" in the font divided by 52, H that text's height.
TDialogUnits DialogUnitsOf(const TFont& font);

// Where the parts of a built message dialog go, in pixels of its client area.
struct TLangMessageLayout {
    TDialogUnits Units;
    int HorizontalMargin = 0;
    int VerticalMargin = 0;
    int HorizontalSpacing = 0; // icon to message
    int VerticalSpacing = 0;   // message to buttons
    int ButtonSpacing = 0;
    // Every button has this size: as wide as the widest caption, at least the minimum width.
    TSize Button;

    TSize Text;     // the wrapped message
    TSize IconText; // icon and message side by side
    int ButtonGroupWidth = 0;
    TSize Client;

    TRect Icon; // empty when the type has no icon
    // Laid out left to right; a label that aligns right to left mirrors its left edge.
    TRect Message;
    // Each further button follows Button.Width + ButtonSpacing to the right.
    TPoint FirstButton;
};

// Measures the message wrapped within MaxTextWidth and each button's caption in the current
// language (once per kind for the process: ButtonWidthCache), and lays the dialog out. Creates
// no control.
TLangMessageLayout MeasureLangMessage(const TFont& font, const AnsiString& text, TLangDlgType type,
                                      TLangDlgButtons buttons, int maxTextWidth);
