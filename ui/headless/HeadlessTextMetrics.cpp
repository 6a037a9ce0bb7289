#include "ui/TextWrap.h"
#include "ui/backend/TextMetrics.h"

namespace {

int CharWidth(const TFont& font) {
    return (font.PixelHeight() + 1) / 2;
}

int LineWidth(const TFont& font, std::string_view line) {
    int columns = 0;
    for (char c : line) {
        columns = c == '\t' ? (columns / 8 + 1) * 8 : columns + 1;
    }
    return columns * CharWidth(font);
}

} // namespace

TSize TextExtent(const TFont& font, std::string_view text) {
    return {static_cast<int>(text.size()) * CharWidth(font), font.PixelHeight() + 2};
}

TSize WrappedTextExtent(const TFont& font, std::string_view text, int maxWidth) {
    const auto lines =
        WrapText(text, maxWidth, [&](std::string_view line) { return LineWidth(font, line); });
    int width = 0;
    for (const AnsiString& line : lines) {
        width = std::max(width, LineWidth(font, line));
    }
    return {width, static_cast<int>(lines.size()) * (font.PixelHeight() + 2)};
}
