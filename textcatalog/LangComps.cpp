#include "textcatalog/LangComps.h"

#include "platform/CodePage.h"
#include "textcatalog/BabelFishAdmin.h"

AnsiString ValueRangeMessage = "Value must be between %.*f and %.*f";

namespace {

constexpr TTextId kValueRangeMessageId = 9009;

} // namespace

TLangButton::TLangButton(TComponent* owner) : TImplements(owner) {}

void TLangButton::SetLangID(TTextId id) {
    if (id != FLangID) {
        FLangID = id;
        UpdateLanguage();
    }
}

void TLangButton::SetHintID(TTextId id) {
    if (id != FHintID) {
        FHintID = id;
        UpdateLanguage();
    }
}

HResult TLangButton::UpdateLanguage() noexcept {
    if (InState(csLoading | csReading | csWriting | csDestroying)) {
        return kStatusOk;
    }
    try {
        TFont font = Font();
        AdaptLangFont(&font);
        SetFont(font);
        if (FLangID != 0) {
            SetCaption(WideToAnsi(GetLangString(FLangID)));
        }
        SetShowHint(FHintID != 0);
        if (FHintID != 0) {
            SetHint(WideToAnsi(GetLangString(FHintID)));
        }
    } catch (...) {
        // A button keeps what it had; the failure stays with whoever changed the language.
    }
    return kStatusOk;
}

HResult TLangRessourceUpdater::UpdateLanguage() noexcept {
    return GuardStatus([] { ValueRangeMessage = WideToAnsi(GetLangString(kValueRangeMessageId)); });
}

void RegisterLangRessourceUpdater() {
    CreateBabelFishAdmin();
    BabelFishAdmin()->AddListener(MakeIntf<TLangRessourceUpdater>());
}
