#include "textcatalog/uLangBasics.h"

#include "platform/CodePage.h"
#include "platform/FontDefaults.h"
#include "runtime/Exception.h"
#include "textcatalog/BabelFishAdmin.h"

#include <algorithm>
#include <memory>

WideString TBabelFish::GetString(TTextId) {
    throw EAbstractError();
}
std::uint8_t TBabelFish::GetCharset() {
    return kDefaultCharset;
}
WideString TBabelFish::GetFontName() {
    return DefaultFontFaceName();
}
WideString TBabelFish::GetDescription() {
    return {};
}
WideString TBabelFish::GetLocale() {
    return {};
}

HResult TBabelFish::GetString(TTextId id, WideString& text) noexcept {
    text.clear();
    return GuardStatus([&] { text = GetString(id); });
}

HResult TBabelFish::GetCharset(std::uint8_t& charset) noexcept {
    charset = 0;
    return GuardStatus([&] { charset = GetCharset(); });
}

HResult TBabelFish::GetFontName(WideString& name) noexcept {
    name.clear();
    return GuardStatus([&] { name = GetFontName(); });
}

HResult TBabelFish::GetDescription(WideString& description) noexcept {
    description.clear();
    return GuardStatus([&] { description = GetDescription(); });
}

HResult TBabelFish::GetLocale(WideString& locale) noexcept {
    locale.clear();
    return GuardStatus([&] { locale = GetLocale(); });
}

WideString TDefaultBabelFish::GetString(TTextId id) {
    return AnsiToWide(GetDefString(id));
}
WideString TDefaultBabelFish::GetDescription() {
    return u"Deutsch (Deutschland)";
}
WideString TDefaultBabelFish::GetLocale() {
    return u"DEU";
}

namespace {

std::unique_ptr<TBabelFishAdmin>& AdminInstance() {
    static std::unique_ptr<TBabelFishAdmin> admin;
    return admin;
}

} // namespace

TBabelFishAdmin* BabelFishAdmin() noexcept {
    return AdminInstance().get();
}

void CreateBabelFishAdmin() {
    if (!AdminInstance()) {
        AdminInstance() = std::make_unique<TBabelFishAdmin>();
    }
}

void FreeBabelFishAdmin() noexcept {
    // Releasing references and destroying catalogs cannot raise, so the shutdown always goes on.
    AdminInstance().reset();
}

WideString GetLangString(TTextId id) {
    TBabelFishAdmin* admin = BabelFishAdmin();
    return admin ? admin->GetString(id) : AnsiToWide(GetDefString(id));
}

void AdaptLangFont(TFont* font) {
    if (TBabelFishAdmin* admin = BabelFishAdmin()) {
        admin->AdaptFont(font);
    }
}

namespace {

WideString CurrentLangCode() {
    TBabelFishAdmin* admin = BabelFishAdmin();
    return admin ? admin->GetLocale() : u"DEU";
}

} // namespace

TVexaForm::TVexaForm(const TFormCreation& creation) : TImplements(creation) {}

TVexaForm::~TVexaForm() {
    // The owned components go while this is still a translated window, so that a change of
    // language they cause finds it being destroyed.
    FDestroying = true;
    Destroying();
    DestroyComponents();
}

void TVexaForm::Constructed() {
    CheckStatus(UpdateLanguage());
}

HResult TVexaForm::UpdateLanguage() noexcept {
    if (LangUpdateLocked() || IsDestroying()) {
        return kStatusOk;
    }
    return GuardStatus([this] {
        TFont font = Font();
        AdaptLangFont(&font);
        SetFont(font);
        if (FCaptionID != 0) {
            SetCaption(WideToAnsi(GetLangString(FCaptionID)));
        }
        UpdateOwnedComponents(*this);
        LanguageChanged(CurrentLangCode());
    });
}

void TVexaForm::SetCaptionID(TTextId id) {
    FCaptionID = id;
    if (HandleAllocated() && id != 0) {
        SetCaption(WideToAnsi(GetLangString(id)));
    }
}

void TVexaForm::LanguageChanged(const WideString&) {}

void TVexaForm::LockLangUpdate() {
    ++FLockCount;
}

void TVexaForm::UnlockLangUpdate() {
    FLockCount = std::max(0, FLockCount - 1);
}

bool TVexaForm::LangUpdateLocked() const {
    return InState(csLoading | csReading | csWriting | csDestroying | csUpdating) || FLockCount > 0;
}

bool TVexaForm::IsDestroying() const {
    return InState(csDestroying) || FDestroying;
}

void TVexaForm::UpdateOwnedComponents(TComponent& root) {
    for (int i = 0; i < root.ComponentCount(); ++i) {
        TComponent* component = root.Components(i);
        if (const auto update = Supports<ILangUpdate>(component)) {
            CheckStatus(update->UpdateLanguage());
        }
        UpdateOwnedComponents(*component);
    }
}
