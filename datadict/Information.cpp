#include "datadict/Information.h"

#include "datadict/InformationList.h"
#include "platform/CodePage.h"
#include "runtime/Exception.h"
#include "runtime/Status.h"
#include "textcatalog/uLangBasics.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <exception>
#include <limits>
#include <numeric>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

AnsiString ItemText(const TInformationListEntry* entry, TTextId id) {
    return WideToAnsi(GetItemText(entry, id));
}

// The id that a choice entry names; 0 when it is not a number or no valid id.
TTextId ChoiceTextId(const AnsiString& text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < 0 ||
        value > std::numeric_limits<TTextId>::max()) {
        return 0;
    }
    return static_cast<TTextId>(value);
}

// ASCII letters folded: close to the name list's collation for the identifiers of the table.
bool FoldedLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

WideString GetItemText(const TInformationListEntry* entry, TTextId id) {
    if (!entry || !entry->BabelFish) {
        return AnsiToWide(GetDefString(id));
    }
    WideString text;
    CheckStatus(entry->BabelFish->GetString(id, text));
    return text;
}

TInformationItem::TInformationItem(TInformationListEntry* entry) : Entry(entry) {
    if (entry) {
        Index = entry->ItemCount++;
    }
}

void TInformationItem::ResolveTexts() {
    Symbol = ItemText(Entry, SymbolId);
    Caption = ItemText(Entry, CaptionId);
    UnitText = ItemText(Entry, UnitId);
    if (ValueKind == vkChoice && ChoiceIds) {
        auto texts = std::make_unique<TStringList>();
        texts->SetCapacity(ChoiceIds->Count());
        for (int i = 0; i < ChoiceIds->Count(); ++i) {
            texts->Add(ItemText(Entry, ChoiceTextId(ChoiceIds->Strings(i))));
        }
        ChoiceTexts = std::move(texts);
    }
}

TInformation::TInformation(TInformationListEntry* entry) : FEntry(entry) {}

TInformation::~TInformation() {
    Clear();
}

HResult TInformation::QueryInterface(const TGUID& iid, void** object) noexcept {
    if (object && iid == IBabelFish::IID) {
        *object = nullptr;
        if (!FEntry || !FEntry->BabelFish) {
            return kStatusNoInterface;
        }
        return FEntry->BabelFish->QueryInterface(iid, object);
    }
    return TNonRefCountedObject::QueryInterface(iid, object);
}

void TInformation::InsertNewItem(std::unique_ptr<TInformationItem> item) {
    const AnsiString name = item->Name;
    // A refused item gives its creation number back, so that Index stays the position in Items.
    if (!InsertItem(name, std::move(item)) && FEntry) {
        --FEntry->ItemCount;
    }
}

std::unique_ptr<TInformationItem> TInformation::NewItem(const TItemRegistration& registration) {
    auto item = std::make_unique<TInformationItem>(nullptr);
    item->Entry = FEntry;
    item->Name = registration.Name;
    item->SymbolId = registration.SymbolId;
    item->CaptionId = registration.CaptionId;
    item->HintId = registration.HintId;
    item->UnitId = registration.UnitId;
    item->StorageName = registration.StorageName;
    item->Group = registration.Group;
    item->Flags = registration.Flags;
    item->ValueKind = registration.ValueKind;
    item->Decimals = registration.Decimals;
    item->HasLimits = registration.HasLimits;
    item->MinValue = registration.MinValue;
    item->MaxValue = registration.MaxValue;
    item->DefaultValue = ToInformationValue(registration.DefaultValue);
    item->TopicId = registration.TopicId;
    if (registration.ValueKind == vkChoice) {
        item->ChoiceIds = std::make_unique<TStringList>();
        item->ChoiceIds->SetCapacity(static_cast<int>(registration.ChoiceIds.size()));
        for (const TTextId id : registration.ChoiceIds) {
            item->ChoiceIds->Add(std::to_string(id));
        }
    }
    item->HasChoices = item->ChoiceIds && item->ChoiceIds->Count() > 0;
    item->ResolveTexts();
    return item;
}

void TInformation::RegisterItem(const TItemRegistration& registration) {
    auto item = NewItem(registration);
    TakeCreationNumber(*item);
    InsertNewItem(std::move(item));
}

void TInformation::RegisterItems(std::span<const TItemRegistration> registrations) {
    std::vector<std::unique_ptr<TInformationItem>> items;
    items.reserve(registrations.size());
    // A failing lookup ends the registration there; the items before it are still registered.
    std::exception_ptr failure;
    try {
        for (const TItemRegistration& registration : registrations) {
            items.push_back(NewItem(registration));
        }
    } catch (...) {
        failure = std::current_exception();
    }
    // Taken into the name list in an order that is nearly the list's own, most items sort after
    // the last one and are appended without a search. The order is only a hint: any item out of
    // it is found its place by the list itself.
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return FoldedLess(items[a]->Name, items[b]->Name);
    });
    std::unordered_map<const TObject*, std::size_t> positionOf;
    positionOf.reserve(items.size());
    std::vector<TInformationItem*> held(items.size(), nullptr);
    FItemsByName.SetCapacity(FItemsByName.Count() + static_cast<int>(items.size()));
    for (const std::size_t position : order) {
        TInformationItem* item = items[position].get();
        if (FItemsByName.Add(item->Name, item) >= 0) {
            positionOf.emplace(item, position);
            held[position] = items[position].release();
            continue;
        }
        // A name taken by an item registered later: the earlier registration wins, as it would
        // one by one.
        int index = -1;
        TObject* other = nullptr;
        const auto found =
            FItemsByName.Find(item->Name, index, other) ? positionOf.find(other) : positionOf.end();
        if (found != positionOf.end() && found->second > position) {
            // The entry takes the earlier item's name as its key too.
            FItemsByName.Delete(index);
            FItemsByName.Add(item->Name, item);
            items[found->second].reset(held[found->second]);
            held[found->second] = nullptr;
            positionOf.erase(found);
            positionOf.emplace(item, position);
            held[position] = items[position].release();
        }
    }
    FItems.SetCapacity(FItems.Count() + static_cast<int>(items.size()));
    for (TInformationItem* item : held) {
        if (item) {
            TakeCreationNumber(*item);
            FItems.AddObject(item->Name, item);
        }
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void TInformation::TakeCreationNumber(TInformationItem& item) {
    if (FEntry) {
        item.Index = FEntry->ItemCount++;
    }
}

bool TInformation::InsertItem(std::string_view name, std::unique_ptr<TInformationItem> item) {
    if (!item || FItemsByName.Add(name, item.get()) < 0) {
        return false;
    }
    TInformationItem* held = item.release();
    FItems.AddObject(name, held);
    return true;
}

void TInformation::CopyItemsFrom(const TInformation& source) {
    Clear();
    const int count = source.Count();
    // Copies in registration order, so that Index counts as the source's items were registered.
    std::vector<std::unique_ptr<TInformationItem>> copies;
    std::vector<TInformationItem*> inOrder;
    std::unordered_map<const TObject*, std::size_t> positionOf;
    copies.reserve(static_cast<std::size_t>(count));
    inOrder.reserve(static_cast<std::size_t>(count));
    positionOf.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const TInformationItem& from = source.Item(i);
        auto item = std::make_unique<TInformationItem>(FEntry);
        item->Name = from.Name;
        item->SymbolId = from.SymbolId;
        item->CaptionId = from.CaptionId;
        item->HintId = from.HintId;
        item->UnitId = from.UnitId;
        item->StorageName = from.StorageName;
        item->Group = from.Group;
        item->Flags = from.Flags;
        item->ValueKind = from.ValueKind;
        item->Decimals = from.Decimals;
        item->HasLimits = from.HasLimits;
        item->MinValue = from.MinValue;
        item->MaxValue = from.MaxValue;
        item->DefaultValue = from.DefaultValue;
        item->TopicId = from.TopicId;
        item->HasChoices = from.HasChoices;
        if (from.ChoiceIds) {
            item->ChoiceIds = std::make_unique<TStringList>(*from.ChoiceIds);
        }
        item->ResolveTexts();
        positionOf.emplace(&from, copies.size());
        inOrder.push_back(item.get());
        copies.push_back(std::move(item));
    }
    // Added in the source's key order, each copy sorts after the last one and is appended
    // without a search. The list owns each copy as soon as it holds it.
    FItemsByName.SetCapacity(count);
    for (int k = 0; k < source.FItemsByName.Count(); ++k) {
        const auto found = positionOf.find(source.FItemsByName.GetObject(k));
        if (found == positionOf.end()) {
            continue;
        }
        std::unique_ptr<TInformationItem>& copy = copies[found->second];
        if (FItemsByName.Add(copy->Name, copy.get()) >= 0) {
            copy.release();
        }
    }
    FItems.SetCapacity(count);
    for (std::size_t i = 0; i < inOrder.size(); ++i) {
        if (!copies[i]) {
            FItems.AddObject(inOrder[i]->Name, inOrder[i]);
        }
    }
}

void TInformation::Clear() {
    FItems.Clear();
    ClearSortedList(&FItemsByName);
}

TInformationItem* TInformation::FindItem(std::string_view name) const {
    int index = -1;
    TObject* found = nullptr;
    return FItemsByName.Find(name, index, found) ? static_cast<TInformationItem*>(found) : nullptr;
}

TInformationItem& TInformation::Item(int index) const {
    return *static_cast<TInformationItem*>(FItems.Objects(index));
}
