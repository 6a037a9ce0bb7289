#pragma once

#include "platform/LocaleCompare.h"
#include "support/SortListAbstract.h"

#include <memory>
#include <utility>

// -1, 0 or 1 as S1 sorts before, equal to or after S2 in Locale, compared whole (Length -1) or
// over their first Length characters, with or without regard to case, with hyphen and
// apostrophe sorting like other symbols (StringSort) or weighing only between otherwise equal
// strings.
int CompareStringsLocale(std::u16string_view s1, std::u16string_view s2, TLocaleId locale,
                         int length, bool caseSensitive, bool stringSort);

// The key slot of an entry of a string-keyed list; raises the list error naming ListClass for
// any other kind of key.
const AnsiString& StringKeyOf(const TSortKey& key, const char* listClass);
// How the string-keyed lists compare: widened through the ANSI code page, cut to KeyLength
// characters (-1: whole), then by the list's locale rule or by bytes.
TCompareResult CompareStringKeys(const TSortedList& list, int keyLength, const AnsiString& entry,
                                 const AnsiString& key);

// What the lists with string keys share on top of their value kind's list (Base): keys that are
// the entry's own copies, compared over KeyLength characters. Self names the final class, whose
// kClassName the errors carry.
template <class Base, class Self>
class TStringKeyedList : public Base {
public:
    // -1 compares whole keys; n >= 0 compares only the first n characters of each.
    int KeyLength = -1;

    AnsiString GetKeyString(int index) const {
        return StringKeyOf(this->EntryAt(index).Key, Self::kClassName);
    }
    void Assign(const TSortedList& source) override {
        if (const auto* same = dynamic_cast<const Self*>(&source)) {
            KeyLength = same->KeyLength;
        }
        Base::Assign(source);
    }
    TCompareResult Compare(const TSortEntry& entry, const TSortKey& key) const override {
        return CompareStringKeys(*this, KeyLength, StringKeyOf(entry.Key, Self::kClassName),
                                 StringKeyOf(key, Self::kClassName));
    }

protected:
    std::unique_ptr<TSortEntry> NewEntry(TSortKey&& key, TSortValue&& value) override {
        StringKeyOf(key, Self::kClassName);
        return Base::NewEntry(std::move(key), std::move(value));
    }
    bool IsSameKind(const TSortedList& source) const override {
        return dynamic_cast<const Self*>(&source) != nullptr;
    }
};

// String keys, each the entry's own copy, object values never owned.
class TStringSortedObjList : public TStringKeyedList<TSortedObjList, TStringSortedObjList> {
public:
    static constexpr const char* kClassName = "TStringSortedObjList";

    int Add(std::string_view key, TObject* object);
    // True and the entry's object when Key is found; false and null otherwise.
    bool Find(std::string_view key, int& index, TObject*& object) const;
};

// String keys, each the entry's own copy, interface values with one reference per entry.
class TStringSortedIntfList : public TStringKeyedList<TSortedIntfList, TStringSortedIntfList> {
public:
    static constexpr const char* kClassName = "TStringSortedIntfList";

    void Add(std::string_view key, IntfPtr<IInterface> intf);
    // True and the value when Key is found; false and null otherwise.
    bool Find(std::string_view key, int& index, IntfPtr<IInterface>& intf) const;
    // The same, asked for interface I of the value; null when the value does not offer it.
    template <class I>
    bool Find(std::string_view key, int& index, IntfPtr<I>& intf) const {
        IntfPtr<IInterface> found;
        const bool result = Find(key, index, found);
        intf = Supports<I>(found);
        return result;
    }
};

class TLongSortedStringList : public TSortedStringList {
public:
    TLongSortedStringList() { UseIntegerKeyIndex(); }

    void Add(std::int32_t key, std::string_view text);
    // True and the entry's string when Key is found; false and an empty string otherwise.
    bool Find(std::int32_t key, int& index, AnsiString& text) const;
    std::int32_t GetKeyInteger(int index) const;

    // Final: the list bisects over its integer keys by this comparison.
    TCompareResult Compare(const TSortEntry& entry, const TSortKey& key) const final;

protected:
    std::unique_ptr<TSortEntry> NewEntry(TSortKey&& key, TSortValue&& value) override;
    bool IsSameKind(const TSortedList& source) const override;
};

// Frees the object of every entry, first to last, an object held by several entries once, and
// then clears the list. Nothing for a null list.
void FreeObjectsAndClear(TSortedObjList* list);
// Releases the interface of every entry, first to last, then clears the list. Nothing for a
// null list.
void ReleaseInterfacesAndClear(TSortedIntfList* list);
// Empties any sorted list with what it holds: the objects of an object list are freed, the
// interfaces of an interface list released, the entries of any other list cleared.
void ClearSortedList(TSortedList* list);
