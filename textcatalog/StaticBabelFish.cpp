#include "textcatalog/StaticBabelFish.h"

#include "platform/CodePage.h"
#include "textcatalog/texts/BuiltinTextRow.h"

#include <string>
#include <vector>

namespace {

struct EnglishRow {
    TTextId Id;
    AnsiString Text;
};

// The English rows in the ANSI code page, converted once: every fallback to English builds a
// new catalog, and it should not pay for the conversion again.
const std::vector<EnglishRow>& EnglishRows() {
    static const std::vector<EnglishRow> rows = [] {
        std::vector<EnglishRow> converted;
        for (const auto block : BuiltinTextBlocks()) {
            for (const BuiltinTextRow& row : block) {
                if (row.English) {
                    converted.push_back({row.Id, Utf8ToAnsi(row.English)});
                }
            }
        }
        return converted;
    }();
    return rows;
}

} // namespace

TStaticBabelFish::TStaticBabelFish() : FTexts(std::make_unique<TLongSortedStringList>()) {}

void TStaticBabelFish::AddText(TTextId id, std::string_view text) {
    // The table ignores a key already present, so the first text of an id stays.
    FTexts->Add(static_cast<std::int32_t>(id), text);
}

WideString TStaticBabelFish::GetString(TTextId id) {
    int index = -1;
    AnsiString text;
    if (FTexts->Find(static_cast<std::int32_t>(id), index, text)) {
        return AnsiToWide(text);
    }
    return AnsiToWide(GetDefString(id) + "(" + std::to_string(id) + "*)");
}

TBabelFishEN::TBabelFishEN() {
    SetTextsCapacity(static_cast<int>(EnglishRows().size()));
    // The rows come in ascending id order (first 1000 to 10255, then 10256 to 15011), so every
    // row lands at the end of the table.
    for (const EnglishRow& row : EnglishRows()) {
        AddText(row.Id, row.Text);
    }
}

WideString TBabelFishEN::GetDescription() {
    return u"English (United States) *";
}
WideString TBabelFishEN::GetLocale() {
    return u"ENU";
}
