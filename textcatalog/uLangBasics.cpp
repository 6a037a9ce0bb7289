#include "textcatalog/uLangBasics.h"

#include "platform/CodePage.h"
#include "platform/FontDefaults.h"
#include "runtime/Exception.h"
#include "textcatalog/BabelFishAdmin.h"

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
