#include "textcatalog/LangDialogLayout.h"

#include "runtime/MulDiv.h"
#include "ui/TextMetrics.h"

#include <algorithm>

namespace {

// The design, in dialog units.
constexpr int kMarginX = 8;
constexpr int kMarginY = 8;
constexpr int kIconSpacingX = 10;   // icon to message
constexpr int kButtonSpacingY = 10; // message to buttons
constexpr int kButtonSpacingX = 4;  // between buttons
constexpr int kMinButtonWidth = 50;
constexpr int kButtonHeight = 14;

// In pixels.
constexpr int kIconSize = 32;
constexpr int kCaptionAllowance = 8;

constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetLength = 52;

} // namespace

int TDialogUnits::ToPixelsX(int units) const {
    return MulDiv(units, W, 4);
}

int TDialogUnits::ToPixelsY(int units) const {
    return MulDiv(units, H, 8);
}

TDialogUnits DialogUnitsOf(const TFont& font) {
    const TSize letters = TextExtent(font, kAlphabet);
    return {letters.Width / kAlphabetLength, letters.Height};
}

TLangMessageLayout MeasureLangMessage(const TFont& font, const AnsiString& text, TLangDlgType type,
                                      TLangDlgButtons buttons, int maxTextWidth) {
    TLangMessageLayout layout;
    const TDialogUnits units = DialogUnitsOf(font);
    layout.Units = units;
    layout.HorizontalMargin = units.ToPixelsX(kMarginX);
    layout.VerticalMargin = units.ToPixelsY(kMarginY);
    layout.HorizontalSpacing = units.ToPixelsX(kIconSpacingX);
    layout.VerticalSpacing = units.ToPixelsY(kButtonSpacingY);
    layout.ButtonSpacing = units.ToPixelsX(kButtonSpacingX);
    layout.Button = {units.ToPixelsX(kMinButtonWidth), units.ToPixelsY(kButtonHeight)};

    auto& cache = ButtonWidthCache();
    int count = 0;
    for (int kind = 0; kind < kLangDlgButtonCount; ++kind) {
        const auto buttonKind = static_cast<TLangDlgButton>(kind);
        if (!Contains(buttons, buttonKind)) {
            continue;
        }
        ++count;
        if (cache[kind] == 0) {
            cache[kind] =
                TextExtent(font, LangDlgButtonCaption(buttonKind)).Width + kCaptionAllowance;
        }
        layout.Button.Width = std::max(layout.Button.Width, cache[kind]);
    }

    layout.Text = WrappedTextExtent(font, text, maxTextWidth);
    const bool hasIcon = LangDlgTypeInfo(type).Icon != TStockIcon::None;
    layout.IconText = hasIcon ? TSize{layout.Text.Width + layout.HorizontalSpacing + kIconSize,
                                      std::max(layout.Text.Height, kIconSize)}
                              : layout.Text;
    layout.ButtonGroupWidth =
        count == 0 ? 0 : count * layout.Button.Width + (count - 1) * layout.ButtonSpacing;
    layout.Client = {std::max(layout.IconText.Width, layout.ButtonGroupWidth) +
                         2 * layout.HorizontalMargin,
                     layout.IconText.Height + layout.Button.Height + layout.VerticalSpacing +
                         2 * layout.VerticalMargin};

    if (hasIcon) {
        layout.Icon =
            MakeBounds(layout.HorizontalMargin, layout.VerticalMargin, kIconSize, kIconSize);
    }
    layout.Message = MakeBounds(layout.IconText.Width - layout.Text.Width + layout.HorizontalMargin,
                                layout.VerticalMargin, layout.Text.Width, layout.Text.Height);
    layout.FirstButton = {(layout.Client.Width - layout.ButtonGroupWidth) / 2,
                          layout.IconText.Height + layout.VerticalMargin + layout.VerticalSpacing};
    return layout;
}
