#pragma once

#include "support/SortedLists.h"
#include "textcatalog/uLangBasics.h"

#include <memory>

// A catalog that holds its own rows in a table sorted by id. A language is a class derived from
// it that fills the table in its constructor and names its language.
class TStaticBabelFish : public TBabelFish {
public:
    TStaticBabelFish();

    // Adds one row; the first text added for an id stays.
    void AddText(TTextId id, std::string_view text);

    using TBabelFish::GetString;
    // The row's text, even when empty; without a row the German text followed by "(id*)".
    WideString GetString(TTextId id) override;

    const TLongSortedStringList& Texts() const { return *FTexts; }

protected:
    void SetTextsCapacity(int rows) { FTexts->SetCapacity(rows); }

private:
    std::unique_ptr<TLongSortedStringList> FTexts;
};

// The built-in English catalog, built in full each time one is created.
class TBabelFishEN : public TStaticBabelFish {
public:
    TBabelFishEN();

    using TBabelFish::GetDescription;
    using TBabelFish::GetLocale;
    WideString GetDescription() override;
    WideString GetLocale() override;
};
