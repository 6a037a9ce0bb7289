#pragma once

#include "datadict/InformationItems.h"
#include "runtime/Interfaces.h"
#include "runtime/Object.h"
#include "runtime/StringList.h"
#include "support/SortedLists.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

class TInformationListEntry;

// One named data item of the product family, with its texts in its entry's language.
class TInformationItem : public TObject {
public:
    // With an entry the item takes the entry's next creation number as its Index.
    explicit TInformationItem(TInformationListEntry* entry);

    // Looks up Symbol, Caption, UnitText and, for a choice item, ChoiceTexts in the entry's
    // language. The hint is never looked up.
    void ResolveTexts();

    AnsiString Name;
    TTextId SymbolId = 0;
    AnsiString Symbol;
    TTextId CaptionId = 0;
    TTextId HintId = 0;
    AnsiString Caption;
    TTextId UnitId = 0;
    AnsiString UnitText;
    AnsiString StorageName;
    std::uint8_t Group = 0;
    std::uint32_t Flags = 0;
    std::int32_t ValueKind = 0;
    std::int32_t Decimals = 0;
    bool HasLimits = false;
    double MinValue = 0;
    double MaxValue = 0;
    TInformationValue DefaultValue;
    std::int32_t TopicId = 0;
    // The choices' text ids in decimal, in order; none except for a choice item.
    std::unique_ptr<TStringList> ChoiceIds;
    std::unique_ptr<TStringList> ChoiceTexts;
    bool HasChoices = false;
    std::int32_t Index = 0;
    TInformationListEntry* Entry = nullptr;
};

// The items of one language. Its interface answers a question for IBabelFish with its entry's
// catalog; its reference counting does nothing, and its entry frees it.
class TInformation : public TNonRefCountedObject {
public:
    explicit TInformation(TInformationListEntry* entry);
    ~TInformation() override;

    HResult QueryInterface(const TGUID& iid, void** object) noexcept override;

    // Creates, fills and inserts one item. A name already present (in any letter case) keeps its
    // first item and the new one is dropped, so that Items and ItemsByName always agree and Index
    // stays the position in Items.
    void RegisterItem(const TItemRegistration& registration);
    // RegisterItem for each registration in turn, with the same result, but taking the items
    // into the name list in one go.
    void RegisterItems(std::span<const TItemRegistration> registrations);
    // Adds Item under Name to ItemsByName and appends it to Items; false, and the item freed,
    // when the name is taken.
    bool InsertItem(std::string_view name, std::unique_ptr<TInformationItem> item);
    // Replaces all items by copies of Source's, in Source's registration order, with the texts
    // of this entry's language.
    void CopyItemsFrom(const TInformation& source);
    // Empties Items, then frees every item through ItemsByName.
    void Clear();

    // The item of that name, in any letter case; null when there is none.
    TInformationItem* FindItem(std::string_view name) const;
    int Count() const { return FItems.Count(); }
    // The item at Index in registration order.
    TInformationItem& Item(int index) const;

    TInformationListEntry* Entry() const { return FEntry; }
    const TStringSortedObjList& ItemsByName() const { return FItemsByName; }
    const TStringList& Items() const { return FItems; }

private:
    // A filled item with its texts, not yet numbered.
    std::unique_ptr<TInformationItem> NewItem(const TItemRegistration& registration);
    void TakeCreationNumber(TInformationItem& item);
    void InsertNewItem(std::unique_ptr<TInformationItem> item);

    TInformationListEntry* FEntry;
    // Owns the items.
    TStringSortedObjList FItemsByName;
    // Registration order; owns nothing.
    TStringList FItems;
};

// The text of Id in the entry's language: its catalog's when it has one, else the built-in
// German text. Raises when the catalog reports a failure.
WideString GetItemText(const TInformationListEntry* entry, TTextId id);
