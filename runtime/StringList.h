#pragma once

#include "runtime/Lists.h"
#include "runtime/Object.h"
#include "runtime/Strings.h"

#include <vector>

// Settings of a new string list, so that a list can be made ready in one statement:
// TStringList list({.Sorted = true, .CaseSensitive = true, .Capacity = 16});
struct TStringListSettings {
    bool Sorted = false;
    bool CaseSensitive = false;
    TDuplicates Duplicates = dupIgnore;
    int Capacity = 0;
};

// A list of narrow strings, each of which may carry an object. The list never frees the objects;
// a list that owns them is emptied with FreeListObjects.
//
// Strings compare by the bytes of the ANSI code page, with the ASCII letters folded unless
// CaseSensitive is set. An unsorted list keeps the order of addition and accepts every string; a
// sorted list keeps its strings in order, finds them by bisection and applies Duplicates when a
// string it already holds is added. Equal strings stay in the order in which they were added.
class TStringList {
public:
    TStringList() = default;
    explicit TStringList(const TStringListSettings& settings);

    int Count() const { return static_cast<int>(FItems.size()); }
    int Capacity() const { return static_cast<int>(FItems.capacity()); }
    // Room for Capacity strings; less than Count raises a list error.
    void SetCapacity(int capacity);

    bool Sorted() const { return FSorted; }
    // Sorting a list that was unsorted puts its strings in order at once.
    void SetSorted(bool sorted);
    bool CaseSensitive() const { return FCaseSensitive; }
    // A sorted list is put in order again under the new comparison.
    void SetCaseSensitive(bool caseSensitive);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }

    // The index at which the string now stands, or -1 when a sorted list ignored it as a
    // duplicate (so that the caller knows its object was not taken).
    int Add(std::string_view text) { return AddObject(text, nullptr); }
    int AddObject(std::string_view text, TObject* object);
    // Insertion at a chosen place; a sorted list refuses it.
    void Insert(int index, std::string_view text) { InsertObject(index, text, nullptr); }
    void InsertObject(int index, std::string_view text, TObject* object);
    void Delete(int index);
    void Clear();

    const AnsiString& Strings(int index) const;
    // Replacing a string at its place; a sorted list refuses it.
    void PutString(int index, std::string_view text);
    TObject* Objects(int index) const;
    void PutObject(int index, TObject* object);

    // The index of the first entry equal to Text, or -1.
    int IndexOf(std::string_view text) const;
    int IndexOfObject(const TObject* object) const;
    // True when Text is held; Index is then its first entry, otherwise the place where Add
    // would put it.
    bool Find(std::string_view text, int& index) const;
    // Puts the strings in order (stable) without changing Sorted.
    void Sort();

private:
    struct TItem {
        AnsiString Text;
        TObject* Object = nullptr;
    };

    int CompareStrings(std::string_view a, std::string_view b) const;
    int LowerBound(std::string_view text) const;
    int UpperBound(std::string_view text) const;
    void CheckIndex(int index) const;
    void CheckUnsorted() const;

    std::vector<TItem> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = dupIgnore;
};
