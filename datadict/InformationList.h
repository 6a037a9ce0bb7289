#pragma once

#include "datadict/Information.h"
#include "runtime/Interfaces.h"
#include "runtime/Object.h"
#include "runtime/StringList.h"
#include "textcatalog/uLangBasics.h"

#include <cstdint>
#include <memory>
#include <string_view>

class TBabelFishAdmin;

// The dictionary of one language: its catalog and its items.
class TInformationListEntry : public TObject {
public:
    // Holds one reference on Catalog.
    explicit TInformationListEntry(IntfPtr<IBabelFish> catalog);
    // Releases the catalog, then frees Information.
    ~TInformationListEntry() override;
    TInformationListEntry(const TInformationListEntry&) = delete;
    TInformationListEntry& operator=(const TInformationListEntry&) = delete;

    std::unique_ptr<TInformation> Information;
    IntfPtr<IBabelFish> BabelFish;
    // Items created for this entry so far.
    std::int32_t ItemCount = 0;
};

// The data dictionary: one entry per language, the first for the built-in German catalog with
// the full item table, each further one a copy with the texts of its language.
class TInformationList {
public:
    // Builds the reference entry and registers every item of the table.
    TInformationList();
    // Frees every entry.
    ~TInformationList();
    TInformationList(const TInformationList&) = delete;
    TInformationList& operator=(const TInformationList&) = delete;

    // Language code to entry, in the order of addition, codes compared without regard to case.
    const TStringList& Entries() const { return FEntries; }
    int EntryCount() const { return FEntries.Count(); }
    TInformationListEntry& Entry(int index) const;
    // The entry built for the built-in German catalog.
    TInformationListEntry& ReferenceEntry() const { return Entry(0); }
    // The entry for Code in any letter case; null when there is none.
    TInformationListEntry* FindEntry(std::string_view code) const;

    // Adds an entry for every catalog of Admin whose language has none yet. Entries are never
    // removed, so a language whose module has gone keeps its entry.
    void AddLanguageEntries(TBabelFishAdmin& admin);

private:
    TStringList FEntries;
};

// The dictionary created at start-up; null before CreateInformationList and after
// FreeInformationList.
TInformationList* InformationList() noexcept;
// Builds the dictionary and has every later scan for language modules extend it.
void CreateInformationList();
void FreeInformationList() noexcept;

// Extends the dictionary by the catalogs of the language administration; nothing when either does
// not exist.
void AddLanguageEntries();
