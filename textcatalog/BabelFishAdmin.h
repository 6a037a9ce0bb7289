#pragma once

#include "textcatalog/uLangBasics.h"

// The language administration: holds the current catalog and answers the program's questions
// through it. Without a current catalog it answers as the built-in German catalog would.
class TBabelFishAdmin {
public:
    TBabelFishAdmin();
    ~TBabelFishAdmin();
    TBabelFishAdmin(const TBabelFishAdmin&) = delete;
    TBabelFishAdmin& operator=(const TBabelFishAdmin&) = delete;

    IntfPtr<IBabelFish> Current;

    WideString GetString(TTextId id);
    std::uint8_t GetCharset();
    WideString GetFontName();
    WideString GetLocale();
    void AdaptFont(TFont* font);
};
