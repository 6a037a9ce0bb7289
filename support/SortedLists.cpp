#include "support/SortedLists.h"

#include "platform/CodePage.h"
#include "runtime/Exception.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace {

std::int32_t IntegerKey(const TSortKey& key) {
    const auto* number = std::get_if<std::int32_t>(&key);
    if (!number) {
        throw EListError("TLongSortedStringList: the key of an entry must be an integer");
    }
    return *number;
}

TCompareResult FromSign(int sign) {
    return sign > 0 ? crGreater : (sign < 0 ? crLess : crEqual);
}

unsigned char FoldAscii(unsigned char c) {
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}

int CompareOrdinal(std::string_view a, std::string_view b, bool caseSensitive) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (!caseSensitive) {
            x = FoldAscii(x);
            y = FoldAscii(y);
        }
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Widens Text into Out through the ANSI code page, reusing Out's storage. ASCII is the same in
// every ANSI code page, so it is widened character by character.
void Widen(std::string_view text, WideString& out) {
    if (IsAscii(text)) {
        out.assign(text.begin(), text.end());
    } else {
        out = AnsiToWide(text);
    }
}

std::string_view Cut(std::string_view text, int keyLength) {
    return keyLength < 0 ? text : text.substr(0, static_cast<std::size_t>(keyLength));
}

} // namespace

const AnsiString& StringKeyOf(const TSortKey& key, const char* listClass) {
    const auto* text = std::get_if<AnsiString>(&key);
    if (!text) {
        throw EListError(AnsiString(listClass) + ": the key of an entry must be a string");
    }
    return *text;
}

// The widened keys are kept between calls, as a search compares many times.
TCompareResult CompareStringKeys(const TSortedList& list, int keyLength, const AnsiString& entry,
                                 const AnsiString& key) {
    // Bytes of ASCII keys need no round trip through UTF-16: it would give them back unchanged.
    if (!list.LocaleCompare && IsAscii(entry) && IsAscii(key)) {
        return FromSign(
            CompareOrdinal(Cut(entry, keyLength), Cut(key, keyLength), list.CaseSensitive));
    }
    thread_local WideString e;
    thread_local WideString k;
    Widen(entry, e);
    Widen(key, k);
    if (keyLength >= 0) {
        e.resize(std::min(e.size(), static_cast<std::size_t>(keyLength)));
        k.resize(std::min(k.size(), static_cast<std::size_t>(keyLength)));
    }
    if (list.LocaleCompare) {
        return FromSign(CompareStringsLocale(e, k, kLocaleUserDefault, -1, list.CaseSensitive,
                                             list.StringSort));
    }
    return FromSign(CompareOrdinal(WideToAnsi(e), WideToAnsi(k), list.CaseSensitive));
}

int CompareStringsLocale(std::u16string_view s1, std::u16string_view s2, TLocaleId locale,
                         int length, bool caseSensitive, bool stringSort) {
    std::uint32_t flags = caseSensitive ? 0 : kNormIgnoreCase;
    if (stringSort) {
        flags |= kSortStringSort;
    }
    if (length >= 0) {
        s1 = s1.substr(0, static_cast<std::size_t>(length));
        s2 = s2.substr(0, static_cast<std::size_t>(length));
    }
    return LocaleCompareString(locale, flags, s1, s2) - 2;
}

// TStringSortedObjList

int TStringSortedObjList::Add(std::string_view key, TObject* object) {
    return AddEntry(AnsiString(key), object);
}

bool TStringSortedObjList::Find(std::string_view key, int& index, TObject*& object) const {
    object = nullptr;
    const TSortValue* value = FindEntry(AnsiString(key), index);
    if (!value) {
        return false;
    }
    if (const auto* found = std::get_if<TObject*>(value)) {
        object = *found;
    }
    return true;
}

// TStringSortedIntfList

void TStringSortedIntfList::Add(std::string_view key, IntfPtr<IInterface> intf) {
    AddEntry(AnsiString(key), std::move(intf));
}

bool TStringSortedIntfList::Find(std::string_view key, int& index,
                                 IntfPtr<IInterface>& intf) const {
    return FindItem(AnsiString(key), index, intf);
}

// TLongSortedStringList

void TLongSortedStringList::Add(std::int32_t key, std::string_view text) {
    AddEntry(key, AnsiString(text));
}

bool TLongSortedStringList::Find(std::int32_t key, int& index, AnsiString& text) const {
    return FindString(key, index, text);
}

std::int32_t TLongSortedStringList::GetKeyInteger(int index) const {
    return IntegerKey(EntryAt(index).Key);
}

TCompareResult TLongSortedStringList::Compare(const TSortEntry& entry, const TSortKey& key) const {
    const std::int32_t e = IntegerKey(entry.Key);
    const std::int32_t k = IntegerKey(key);
    return e > k ? crGreater : (e < k ? crLess : crEqual);
}

std::unique_ptr<TSortEntry> TLongSortedStringList::NewEntry(TSortKey&& key, TSortValue&& value) {
    IntegerKey(key);
    return TSortedStringList::NewEntry(std::move(key), std::move(value));
}

bool TLongSortedStringList::IsSameKind(const TSortedList& source) const {
    return dynamic_cast<const TLongSortedStringList*>(&source) != nullptr;
}

// Clearing routines

void FreeObjectsAndClear(TSortedObjList* list) {
    if (!list) {
        return;
    }
    std::unordered_set<TObject*> freed;
    for (int i = 0; i < list->Count(); ++i) {
        TObject* object = list->GetObject(i);
        list->SetValue(i, static_cast<TObject*>(nullptr));
        if (object && freed.insert(object).second) {
            delete object;
        }
    }
    list->Clear();
}

void ReleaseInterfacesAndClear(TSortedIntfList* list) {
    if (!list) {
        return;
    }
    for (int i = 0; i < list->Count(); ++i) {
        list->SetItem(i, nullptr);
    }
    list->Clear();
}

void ClearSortedList(TSortedList* list) {
    if (auto* objects = dynamic_cast<TSortedObjList*>(list)) {
        FreeObjectsAndClear(objects);
    } else if (auto* interfaces = dynamic_cast<TSortedIntfList*>(list)) {
        ReleaseInterfacesAndClear(interfaces);
    } else if (list) {
        list->Clear();
    }
}
