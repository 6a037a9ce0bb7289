#include "textcatalog/uDefStrings.h"

#include "platform/CodePage.h"
#include "textcatalog/texts/BuiltinTextRow.h"

#include <array>

namespace {

std::array<AnsiString, kDefStringCount>& DefStrings() {
    static std::array<AnsiString, kDefStringCount> strings;
    return strings;
}

bool InRange(TTextId id) {
    return id >= kFirstDefStringId && id <= kLastDefStringId;
}

} // namespace

void FillDefStrings() {
    for (const auto block : BuiltinTextBlocks()) {
        for (const BuiltinTextRow& row : block) {
            if (row.German) {
                SetDefString(row.Id, Utf8ToAnsi(row.German));
            }
        }
    }
}

void ClearDefStrings() {
    for (AnsiString& slot : DefStrings()) {
        AnsiString().swap(slot);
    }
}

const AnsiString& GetDefString(TTextId id) noexcept {
    static const AnsiString empty;
    return InRange(id) ? DefStrings()[id - kFirstDefStringId] : empty;
}

void SetDefString(TTextId id, AnsiString text) {
    if (InRange(id)) {
        DefStrings()[id - kFirstDefStringId] = std::move(text);
    }
}
