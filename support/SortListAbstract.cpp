#include "support/SortListAbstract.h"

#include "runtime/Exception.h"

#include <algorithm>
#include <functional>
#include <new>
#include <utility>

namespace {

constexpr const char* kNoDuplicates =
    "TSortedList: No duplicates allowed at AddEntry() for Duplicates=dupError";

TCompareResult Exchanged(TCompareResult result) {
    switch (result) {
    case crGreater:
        return crLess;
    case crLess:
        return crGreater;
    default:
        return result;
    }
}

template <class... Kinds>
bool HoldsOneOf(const TSortValue& value) {
    return (std::holds_alternative<Kinds>(value) || ...);
}

void CheckValueKind(bool fits, const char* listClass, const char* kind) {
    if (!fits) {
        throw EListError(AnsiString(listClass) + ": the value of an entry must be " + kind);
    }
}

} // namespace

TSortedList::~TSortedList() {
    Clear();
}

int TSortedList::AddEntry(TSortKey key, TSortValue value) {
    // A table filled in key order appends: a key that sorts after the last entry is not present
    // and belongs at the end, which spares both bisections.
    const bool appends =
        Sorted && Count() > 0 && CompareChecked(*FEntries.back(), key, true) == crLess;
    if (!appends && Duplicates != dupAccept) {
        int found = -1;
        if (FindEntry(key, found)) {
            if (Duplicates == dupError) {
                throw EListError(kNoDuplicates);
            }
            return -1;
        }
    }
    std::unique_ptr<TSortEntry> entry;
    try {
        entry = NewEntry(std::move(key), std::move(value));
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    }
    if (!entry) {
        throw EOutOfMemory();
    }
    try {
        // A fault in the bisection leaves the list unchanged: the new entry is released first.
        const int index = Sorted && !appends ? InsertionIndex(entry->Key) : Count();
        if (FIntegerKeyIndex) {
            FIntegerKeys.insert(FIntegerKeys.begin() + index, *IntegerKeyOf(entry->Key));
        }
        try {
            FEntries.insert(FEntries.begin() + index, std::move(entry));
        } catch (...) {
            if (FIntegerKeyIndex) {
                FIntegerKeys.erase(FIntegerKeys.begin() + index);
            }
            throw;
        }
        return index;
    } catch (const std::bad_alloc&) {
        FreeEntry(entry);
        throw EOutOfMemory();
    } catch (...) {
        FreeEntry(entry);
        throw;
    }
}

TSortValue* TSortedList::FindEntry(const TSortKey& key, int& index) {
    index = FindIndex(key);
    return index < 0 ? nullptr : &FEntries[static_cast<std::size_t>(index)]->Value;
}

const TSortValue* TSortedList::FindEntry(const TSortKey& key, int& index) const {
    index = FindIndex(key);
    return index < 0 ? nullptr : &FEntries[static_cast<std::size_t>(index)]->Value;
}

void TSortedList::Delete(int index) {
    if (index < 0 || index >= Count()) {
        ListIndexError(index);
    }
    std::unique_ptr<TSortEntry> entry = std::move(FEntries[static_cast<std::size_t>(index)]);
    FEntries.erase(FEntries.begin() + index);
    if (FIntegerKeyIndex) {
        FIntegerKeys.erase(FIntegerKeys.begin() + index);
    }
    if (entry) {
        FreeEntry(entry);
    }
}

void TSortedList::Clear() {
    while (Count() > 0) {
        Delete(Count() - 1);
    }
}

TSortKey TSortedList::GetKey(int index, const TSortEntries* source) const {
    const TSortEntries& entries = source ? *source : FEntries;
    if (index < 0 || index >= static_cast<int>(entries.size())) {
        ListIndexError(index);
    }
    return entries[static_cast<std::size_t>(index)]->Key;
}

const TSortValue& TSortedList::GetValue(int index) const {
    return EntryAt(index).Value;
}

void TSortedList::SetValue(int index, TSortValue value) {
    EntryAt(index).Value = std::move(value);
}

void TSortedList::Assign(const TSortedList& source) {
    if (&source == this || !IsSameKind(source)) {
        return;
    }
    Clear();
    Sorted = source.Sorted;
    Descending = source.Descending;
    LocaleCompare = source.LocaleCompare;
    CaseSensitive = source.CaseSensitive;
    StringSort = source.StringSort;
    const TSortEntries& entries = source.LockList();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        AddEntry(GetKey(i, &entries), entries[static_cast<std::size_t>(i)]->Value);
    }
}

TCompareResult TSortedList::Compare(const TSortEntry&, const TSortKey&) const {
    throw EAbstractError();
}

std::unique_ptr<TSortEntry> TSortedList::NewEntry(TSortKey&& key, TSortValue&& value) {
    return std::make_unique<TSortEntry>(TSortEntry{std::move(key), std::move(value)});
}

void TSortedList::FreeEntry(std::unique_ptr<TSortEntry>& entry) {
    entry.reset();
}

bool TSortedList::IsSameKind(const TSortedList&) const {
    return true;
}

TSortEntry& TSortedList::EntryAt(int index) {
    if (index < 0 || index >= Count()) {
        ListIndexError(index);
    }
    return *FEntries[static_cast<std::size_t>(index)];
}

const TSortEntry& TSortedList::EntryAt(int index) const {
    if (index < 0 || index >= Count()) {
        ListIndexError(index);
    }
    return *FEntries[static_cast<std::size_t>(index)];
}

void TSortedList::UseIntegerKeyIndex() {
    FIntegerKeyIndex = true;
    FIntegerKeys.clear();
    for (const auto& entry : FEntries) {
        FIntegerKeys.push_back(*IntegerKeyOf(entry->Key));
    }
}

const std::int32_t* TSortedList::IntegerKeyOf(const TSortKey& key) const {
    return FIntegerKeyIndex ? std::get_if<std::int32_t>(&key) : nullptr;
}

TCompareResult TSortedList::CompareChecked(const TSortEntry& entry, const TSortKey& key,
                                           bool ordered) const {
    const TCompareResult result = Compare(entry, key);
    if (result != crGreater && result != crLess && result != crEqual) {
        Abort();
    }
    return ordered && Descending ? Exchanged(result) : result;
}

int TSortedList::FindIndex(const TSortKey& key) const {
    if (const std::int32_t* integer = IntegerKeyOf(key)) {
        return FindIntegerIndex(*integer);
    }
    const int count = Count();
    if (!Sorted) {
        for (int i = 0; i < count; ++i) {
            if (CompareChecked(*FEntries[static_cast<std::size_t>(i)], key, false) == crEqual) {
                return i;
            }
        }
        return -1;
    }
    // Lower bound: the first of several equal keys.
    int lo = 0;
    int hi = count;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (CompareChecked(*FEntries[static_cast<std::size_t>(mid)], key, true) == crLess) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    if (lo < count &&
        CompareChecked(*FEntries[static_cast<std::size_t>(lo)], key, false) == crEqual) {
        return lo;
    }
    return -1;
}

int TSortedList::InsertionIndex(const TSortKey& key) const {
    if (const std::int32_t* integer = IntegerKeyOf(key)) {
        return IntegerInsertionIndex(*integer);
    }
    // Upper bound: a new entry follows every entry with an equal key.
    int lo = 0;
    int hi = Count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (CompareChecked(*FEntries[static_cast<std::size_t>(mid)], key, true) == crGreater) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

TObject* TSortedObjList::GetObject(int index) const {
    const auto* object = std::get_if<TObject*>(&GetValue(index));
    return object ? *object : nullptr;
}

std::unique_ptr<TSortEntry> TSortedObjList::NewEntry(TSortKey&& key, TSortValue&& value) {
    CheckValueKind(HoldsOneOf<std::monostate, TObject*>(value), "TSortedObjList", "an object");
    return TSortedList::NewEntry(std::move(key), std::move(value));
}

bool TSortedObjList::IsSameKind(const TSortedList& source) const {
    return dynamic_cast<const TSortedObjList*>(&source) != nullptr;
}

AnsiString TSortedStringList::GetString(int index) const {
    const auto* text = std::get_if<AnsiString>(&GetValue(index));
    return text ? *text : AnsiString();
}

bool TSortedStringList::FindString(const TSortKey& key, int& index, AnsiString& text) const {
    text.clear();
    const TSortValue* value = FindEntry(key, index);
    if (!value) {
        return false;
    }
    if (const auto* found = std::get_if<AnsiString>(value)) {
        text = *found;
    }
    return true;
}

std::unique_ptr<TSortEntry> TSortedStringList::NewEntry(TSortKey&& key, TSortValue&& value) {
    CheckValueKind(HoldsOneOf<std::monostate, AnsiString>(value), "TSortedStringList", "a string");
    return TSortedList::NewEntry(std::move(key), std::move(value));
}

bool TSortedStringList::IsSameKind(const TSortedList& source) const {
    return dynamic_cast<const TSortedStringList*>(&source) != nullptr;
}

IntfPtr<IInterface> TSortedIntfList::GetItem(int index) const {
    const auto* intf = std::get_if<IntfPtr<IInterface>>(&GetValue(index));
    return intf ? *intf : IntfPtr<IInterface>();
}

void TSortedIntfList::SetItem(int index, IntfPtr<IInterface> intf) {
    // The new reference is taken before the old one goes, so that setting an entry to the
    // interface it already holds never frees it.
    EntryAt(index).Value = std::move(intf);
}

bool TSortedIntfList::FindItem(const TSortKey& key, int& index, IntfPtr<IInterface>& intf) const {
    intf.Reset();
    const TSortValue* value = FindEntry(key, index);
    if (!value) {
        return false;
    }
    if (const auto* found = std::get_if<IntfPtr<IInterface>>(value)) {
        intf = *found;
    }
    return true;
}

std::unique_ptr<TSortEntry> TSortedIntfList::NewEntry(TSortKey&& key, TSortValue&& value) {
    CheckValueKind(HoldsOneOf<std::monostate, IntfPtr<IInterface>>(value), "TSortedIntfList",
                   "an interface");
    return TSortedList::NewEntry(std::move(key), std::move(value));
}

bool TSortedIntfList::IsSameKind(const TSortedList& source) const {
    return dynamic_cast<const TSortedIntfList*>(&source) != nullptr;
}

// The bisections of FindIndex and InsertionIndex over the integer keys: the same probes, each
// step choosing its half by masks instead of a branch that random keys would mispredict.
namespace {

// Lo and Hi after one probe: Lo moves past Mid when Past holds, Hi comes down to Mid otherwise.
inline void Narrow(bool past, int mid, int& lo, int& hi) {
    const int mask = -static_cast<int>(past);
    lo = (mask & (mid + 1)) | (~mask & lo);
    hi = (mask & hi) | (~mask & mid);
}

// The first index whose key is not ordered before Key (Before: the order's "less").
template <class Before>
int LowerBound(const std::int32_t* keys, int count, std::int32_t key, Before before) {
    int lo = 0;
    int hi = count;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        Narrow(before(keys[mid], key), mid, lo, hi);
    }
    return lo;
}

// The first index whose key is ordered after Key.
template <class Before>
int UpperBound(const std::int32_t* keys, int count, std::int32_t key, Before before) {
    int lo = 0;
    int hi = count;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        Narrow(!before(key, keys[mid]), mid, lo, hi);
    }
    return lo;
}

} // namespace

int TSortedList::FindIntegerIndex(std::int32_t key) const {
    const std::int32_t* keys = FIntegerKeys.data();
    const int count = Count();
    if (!Sorted) {
        const auto* found = std::find(keys, keys + count, key);
        return found == keys + count ? -1 : static_cast<int>(found - keys);
    }
    const int lo = Descending ? LowerBound(keys, count, key, std::greater<>())
                              : LowerBound(keys, count, key, std::less<>());
    return lo < count && keys[lo] == key ? lo : -1;
}

int TSortedList::IntegerInsertionIndex(std::int32_t key) const {
    const std::int32_t* keys = FIntegerKeys.data();
    return Descending ? UpperBound(keys, Count(), key, std::greater<>())
                      : UpperBound(keys, Count(), key, std::less<>());
}
