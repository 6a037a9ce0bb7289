#pragma once

#include "runtime/Interfaces.h"
#include "runtime/Lists.h"
#include "runtime/Object.h"
#include "runtime/Strings.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

// How an entry's key compares with another key. Compare produces only these three; the searches
// treat any other value as a fault.
enum TCompareResult : int {
    crGreater = 1, // the entry's key sorts after the other
    crLess = 2,    // the entry's key sorts before the other
    crEqual = 3,
};

// The key slot of an entry: nothing, a signed 32-bit integer, or a string the entry owns.
using TSortKey = std::variant<std::monostate, std::int32_t, AnsiString>;
// The value slot: nothing, an object the entry does not own, a string the entry owns, or an
// interface on which the entry holds one reference.
using TSortValue = std::variant<std::monostate, TObject*, AnsiString, IntfPtr<IInterface>>;

struct TSortEntry {
    TSortKey Key;
    TSortValue Value;
};
using TSortEntries = std::vector<std::unique_ptr<TSortEntry>>;

// A list of key/value entries kept in key order and found by bisection. The base owns ordering,
// search, insertion with the duplicate policy, deletion and copying; descendants decide what
// their keys and values are (NewEntry) and how keys compare (Compare).
//
// The settings may be changed at any time but nothing re-sorts the entries already there.
class TSortedList : public TObject {
public:
    TSortedList() = default;
    TSortedList(const TSortedList&) = delete;
    TSortedList& operator=(const TSortedList&) = delete;
    ~TSortedList() override;

    // Entries stand in key order and are found by bisection; unsorted lists append and scan.
    bool Sorted = true;
    // The key order is inverted.
    bool Descending = false;
    // String keys compare by the user's locale instead of by their bytes.
    bool LocaleCompare = true;
    bool CaseSensitive = false;
    // The locale comparison treats hyphen and apostrophe like the other symbols.
    bool StringSort = true;
    TDuplicates Duplicates = dupIgnore;

    // The index at which the new entry now stands, or -1 when the key was present under
    // dupIgnore. Under dupError a present key raises EListError. An entry follows every entry
    // with an equal key.
    int AddEntry(TSortKey key, TSortValue value);
    // The value slot of the entry with Key (the first of several equal ones), which the caller
    // may read or overwrite in place, or null; Index is the entry's index or -1.
    TSortValue* FindEntry(const TSortKey& key, int& index);
    const TSortValue* FindEntry(const TSortKey& key, int& index) const;
    void Delete(int index);
    // Deletes the entries last first.
    void Clear();
    int Count() const { return static_cast<int>(FEntries.size()); }
    // Room for Capacity entries, so that a table filled in one go grows only once.
    void SetCapacity(int capacity) {
        const auto room = static_cast<std::size_t>(std::max(capacity, 0));
        FEntries.reserve(room);
        if (FIntegerKeyIndex) {
            FIntegerKeys.reserve(room);
        }
    }

    // The key of the entry at Index of Source, or of this list when Source is null.
    TSortKey GetKey(int index, const TSortEntries* source = nullptr) const;
    const TSortValue& GetValue(int index) const;
    // Replaces the value of the entry at Index. The slot keeps its ownership: a string is the
    // entry's own copy, an interface is held with one reference, an object is not owned.
    void SetValue(int index, TSortValue value);

    // Makes this list a copy of Source when Source is of this list's class or a descendant of
    // it, and leaves it unchanged otherwise. The settings are copied except Duplicates; the
    // entries are added one by one under this list's own policy, strings copied, interfaces
    // referenced once more and objects shared.
    virtual void Assign(const TSortedList& source);

    // The entry's key against Key. Abstract here: raises EAbstractError.
    virtual TCompareResult Compare(const TSortEntry& entry, const TSortKey& key) const;

    // The lists serve one thread; these bracket access to the entries and take no lock.
    void Lock() const {}
    const TSortEntries& LockList() const { return FEntries; }
    void Unlock() const {}

protected:
    // Builds the entry for a key and a value, which it takes over.
    virtual std::unique_ptr<TSortEntry> NewEntry(TSortKey&& key, TSortValue&& value);
    // Releases the entry and clears the caller's reference.
    virtual void FreeEntry(std::unique_ptr<TSortEntry>& entry);
    // True when Source is of this class or a descendant of it; each class answers for itself.
    virtual bool IsSameKind(const TSortedList& source) const;

    TSortEntry& EntryAt(int index);
    const TSortEntry& EntryAt(int index) const;

    // Declares, while the list is empty, that Compare is the signed comparison of integer keys
    // and that no descendant changes it: the list then keeps the keys beside the entries and
    // bisects over them without a call per step, with the same steps and results.
    void UseIntegerKeyIndex();

private:
    // The bisection's comparison: Descending applied, results outside 1 to 3 a silent abort.
    TCompareResult CompareChecked(const TSortEntry& entry, const TSortKey& key, bool ordered) const;
    int FindIndex(const TSortKey& key) const;
    int InsertionIndex(const TSortKey& key) const;
    int FindIntegerIndex(std::int32_t key) const;
    int IntegerInsertionIndex(std::int32_t key) const;
    const std::int32_t* IntegerKeyOf(const TSortKey& key) const;

    TSortEntries FEntries;
    // The integer keys of the entries in list order, when UseIntegerKeyIndex was called.
    std::vector<std::int32_t> FIntegerKeys;
    bool FIntegerKeyIndex = false;
};

// Object values, never owned: Delete, Clear and the destructor leave the objects alive.
class TSortedObjList : public TSortedList {
public:
    TObject* GetObject(int index) const;

protected:
    std::unique_ptr<TSortEntry> NewEntry(TSortKey&& key, TSortValue&& value) override;
    bool IsSameKind(const TSortedList& source) const override;
};

// String values, each the entry's own copy.
class TSortedStringList : public TSortedList {
public:
    // The value string of the entry at Index; empty for an entry without one.
    AnsiString GetString(int index) const;
    // True and the entry's string when Key is found; false and an empty string otherwise.
    bool FindString(const TSortKey& key, int& index, AnsiString& text) const;

protected:
    std::unique_ptr<TSortEntry> NewEntry(TSortKey&& key, TSortValue&& value) override;
    bool IsSameKind(const TSortedList& source) const override;
};

// Interface values; each entry holds one reference on its interface.
class TSortedIntfList : public TSortedList {
public:
    // A new reference to the value of the entry at Index; null when it holds none.
    IntfPtr<IInterface> GetItem(int index) const;
    // Releases the old value and holds Intf.
    void SetItem(int index, IntfPtr<IInterface> intf);
    // True and the value when Key is found; false and null otherwise.
    bool FindItem(const TSortKey& key, int& index, IntfPtr<IInterface>& intf) const;

protected:
    std::unique_ptr<TSortEntry> NewEntry(TSortKey&& key, TSortValue&& value) override;
    bool IsSameKind(const TSortedList& source) const override;
};
