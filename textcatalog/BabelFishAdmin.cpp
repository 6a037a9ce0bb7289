#include "textcatalog/BabelFishAdmin.h"

#include "platform/CodePage.h"
#include "platform/FontDefaults.h"
#include "ui/Font.h"

TBabelFishAdmin::TBabelFishAdmin() : Current(MakeIntf<TDefaultBabelFish>()) {}

TBabelFishAdmin::~TBabelFishAdmin() = default;

WideString TBabelFishAdmin::GetString(TTextId id) {
    if (!Current) {
        return AnsiToWide(GetDefString(id));
    }
    WideString text;
    CheckStatus(Current->GetString(id, text));
    return text;
}

std::uint8_t TBabelFishAdmin::GetCharset() {
    if (!Current) {
        return kDefaultCharset;
    }
    std::uint8_t charset = 0;
    CheckStatus(Current->GetCharset(charset));
    return charset;
}

WideString TBabelFishAdmin::GetFontName() {
    if (!Current) {
        return DefaultFontFaceName();
    }
    WideString name;
    CheckStatus(Current->GetFontName(name));
    return name;
}

WideString TBabelFishAdmin::GetLocale() {
    if (!Current) {
        return u"DEU";
    }
    WideString locale;
    CheckStatus(Current->GetLocale(locale));
    return locale;
}

void TBabelFishAdmin::AdaptFont(TFont* font) {
    if (!font || font->Charset == kSymbolCharset) {
        return;
    }
    const std::uint8_t charset = GetCharset();
    const AnsiString name = WideToAnsi(GetFontName());
    if (font->Charset == charset && SameText(font->Name, name)) {
        return;
    }
    font->Charset = charset;
    font->Name = name;
}
