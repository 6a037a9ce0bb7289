#include "runtime/StringList.h"

#include "platform/CodePage.h"
#include "runtime/Exception.h"
#include "runtime/Format.h"

#include <algorithm>
#include <iterator>

namespace {

unsigned char FoldAscii(unsigned char c) {
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}

[[noreturn]] void RaiseGerman(std::string_view utf8) {
    throw EListError(Utf8ToAnsi(utf8));
}

} // namespace

TStringList::TStringList(const TStringListSettings& settings)
    : FSorted(settings.Sorted), FCaseSensitive(settings.CaseSensitive),
      FDuplicates(settings.Duplicates) {
    SetCapacity(settings.Capacity);
}

void TStringList::SetCapacity(int capacity) {
    if (capacity < Count()) {
        throw EListError(Format(Utf8ToAnsi("Ungültige Listenkapazität (%d)"), {capacity}));
    }
    if (capacity > Capacity()) {
        FItems.reserve(static_cast<std::size_t>(capacity));
    } else if (capacity < Capacity()) {
        std::vector<TItem> smaller;
        smaller.reserve(static_cast<std::size_t>(capacity));
        std::move(FItems.begin(), FItems.end(), std::back_inserter(smaller));
        FItems.swap(smaller);
    }
}

void TStringList::SetSorted(bool sorted) {
    if (sorted && !FSorted) {
        Sort();
    }
    FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    if (caseSensitive != FCaseSensitive) {
        FCaseSensitive = caseSensitive;
        if (FSorted) {
            Sort();
        }
    }
}

int TStringList::AddObject(std::string_view text, TObject* object) {
    if (!FSorted) {
        FItems.push_back({AnsiString(text), object});
        return Count() - 1;
    }
    if (FDuplicates != dupAccept) {
        int found = 0;
        if (Find(text, found)) {
            if (FDuplicates == dupError) {
                RaiseGerman("Stringliste erlaubt keine Duplikate");
            }
            return -1;
        }
    }
    const int index = UpperBound(text);
    FItems.insert(FItems.begin() + index, {AnsiString(text), object});
    return index;
}

void TStringList::InsertObject(int index, std::string_view text, TObject* object) {
    CheckUnsorted();
    if (index < 0 || index > Count()) {
        ListIndexError(index);
    }
    FItems.insert(FItems.begin() + index, {AnsiString(text), object});
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
}

void TStringList::Clear() {
    FItems.clear();
}

const AnsiString& TStringList::Strings(int index) const {
    CheckIndex(index);
    return FItems[static_cast<std::size_t>(index)].Text;
}

void TStringList::PutString(int index, std::string_view text) {
    CheckUnsorted();
    CheckIndex(index);
    FItems[static_cast<std::size_t>(index)].Text = text;
}

TObject* TStringList::Objects(int index) const {
    CheckIndex(index);
    return FItems[static_cast<std::size_t>(index)].Object;
}

void TStringList::PutObject(int index, TObject* object) {
    CheckIndex(index);
    FItems[static_cast<std::size_t>(index)].Object = object;
}

int TStringList::IndexOf(std::string_view text) const {
    int index = 0;
    return Find(text, index) ? index : -1;
}

int TStringList::IndexOfObject(const TObject* object) const {
    const auto found = std::find_if(FItems.begin(), FItems.end(),
                                    [object](const TItem& item) { return item.Object == object; });
    return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

bool TStringList::Find(std::string_view text, int& index) const {
    if (FSorted) {
        index = LowerBound(text);
        return index < Count() &&
               CompareStrings(FItems[static_cast<std::size_t>(index)].Text, text) == 0;
    }
    for (index = 0; index < Count(); ++index) {
        if (CompareStrings(FItems[static_cast<std::size_t>(index)].Text, text) == 0) {
            return true;
        }
    }
    return false;
}

void TStringList::Sort() {
    std::stable_sort(FItems.begin(), FItems.end(), [this](const TItem& a, const TItem& b) {
        return CompareStrings(a.Text, b.Text) < 0;
    });
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (!FCaseSensitive) {
            x = FoldAscii(x);
            y = FoldAscii(y);
        }
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int TStringList::LowerBound(std::string_view text) const {
    const auto found = std::partition_point(FItems.begin(), FItems.end(), [&](const TItem& item) {
        return CompareStrings(item.Text, text) < 0;
    });
    return static_cast<int>(found - FItems.begin());
}

int TStringList::UpperBound(std::string_view text) const {
    const auto found = std::partition_point(FItems.begin(), FItems.end(), [&](const TItem& item) {
        return CompareStrings(item.Text, text) <= 0;
    });
    return static_cast<int>(found - FItems.begin());
}

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) {
        ListIndexError(index);
    }
}

void TStringList::CheckUnsorted() const {
    if (FSorted) {
        RaiseGerman("Operation für sortierte Listen nicht zulässig");
    }
}
