#include "support/SortedLists.h"

#include "ListFixtures.h"
#include "platform/CodePage.h"
#include "platform/Environment.h"
#include "runtime/Exception.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <vector>

namespace {

// The user's locale decides the order of string keys; on Linux it is pinned here to German so
// that the expectations hold on any machine. The keys below sort alike in every locale that
// orders Ä with A.
class SortedLists : public ::testing::Test {
protected:
    void SetUp() override {
        FSaved = ReadEnvironmentVariable("LC_ALL");
        WriteEnvironmentVariable("LC_ALL", "de_DE.UTF-8");
    }
    void TearDown() override { WriteEnvironmentVariable("LC_ALL", FSaved); }

private:
    std::optional<AnsiString> FSaved;
};

std::vector<std::int32_t> Keys(const TLongSortedStringList& list) {
    std::vector<std::int32_t> keys;
    for (int i = 0; i < list.Count(); ++i) {
        keys.push_back(list.GetKeyInteger(i));
    }
    return keys;
}

template <class List>
std::vector<AnsiString> Keys(const List& list) {
    std::vector<AnsiString> keys;
    for (int i = 0; i < list.Count(); ++i) {
        keys.push_back(list.GetKeyString(i));
    }
    return keys;
}

TEST_F(SortedLists, EmptyListFindsNothingAndTakesTheFirstEntryAtZero) {
    TLongSortedStringList list;
    int index = 7;
    EXPECT_EQ(list.FindEntry(std::int32_t{1}, index), nullptr);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(list.AddEntry(std::int32_t{1}, AnsiString("x")), 0);
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(SortedLists, IntegerKeysOrderSignedAndMissingKeysAreNoError) {
    TLongSortedStringList list;
    list.Add(3, "drei");
    list.Add(-5, "minus");
    list.Add(2147483647, "max");
    EXPECT_EQ(Keys(list), (std::vector<std::int32_t>{-5, 3, 2147483647}));

    int index = 0;
    AnsiString text = "stale";
    EXPECT_FALSE(list.Find(7, index, text));
    EXPECT_EQ(index, -1);
    EXPECT_EQ(text, "");
    EXPECT_TRUE(list.Find(2147483647, index, text));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(text, "max");
}

TEST_F(SortedLists, StringKeysFollowEachComparisonSetting) {
    struct Case {
        const char* name;
        bool localeCompare;
        bool caseSensitive;
        bool stringSort;
        std::vector<const char*> added;
        std::vector<const char*> expected;
    };
    const Case cases[] = {
        // The defaults: case ignored, the first of two spellings kept.
        {"defaults", true, false, true, {"Bremse", "bremse"}, {"Bremse"}},
        {"bytes with case", false, true, true, {"bremse", "Bremse"}, {"Bremse", "bremse"}},
        // Bytes without case fold only a to z: the umlaut sorts after every ASCII letter.
        {"bytes without case",
         false,
         false,
         true,
         {"\xC4pfel", "Zug", "apfel", "ZUG"},
         {"apfel", "Zug", "\xC4pfel"}},
        // The locale puts Ä beside A.
        {"locale",
         true,
         false,
         true,
         {"Zug", "\xC4pfel", "Bremse", "Apfel"},
         {"Apfel", "\xC4pfel", "Bremse", "Zug"}},
        // String sort: the hyphen is a symbol and sorts before the letters.
        {"string sort", true, false, true, {"ab", "a-c"}, {"a-c", "ab"}},
        // Word sort: the hyphen weighs only between otherwise equal keys.
        {"word sort",
         true,
         false,
         false,
         {"ab", "a-c", "o'neil", "oneal"},
         {"ab", "a-c", "oneal", "o'neil"}},
    };
    for (const Case& c : cases) {
        TStringSortedObjList list;
        list.LocaleCompare = c.localeCompare;
        list.CaseSensitive = c.caseSensitive;
        list.StringSort = c.stringSort;
        for (const char* key : c.added) {
            list.Add(key, nullptr);
        }
        EXPECT_EQ(Keys(list), std::vector<AnsiString>(c.expected.begin(), c.expected.end()))
            << c.name;
        for (const char* key : c.expected) {
            int index = -1;
            TObject* object = nullptr;
            EXPECT_TRUE(list.Find(key, index, object)) << c.name << ": " << key;
        }
    }
}

TEST_F(SortedLists, DuplicatePolicies) {
    std::map<std::string, int> freed;
    TTracked first(freed, "first");
    TTracked second(freed, "second");

    TStringSortedObjList ignoring;
    EXPECT_EQ(ignoring.Add("Bremse", &first), 0);
    EXPECT_EQ(ignoring.Add("bremse", &second), -1);
    int index = -1;
    TObject* found = nullptr;
    ASSERT_TRUE(ignoring.Find("BREMSE", index, found));
    EXPECT_EQ(found, &first);
    EXPECT_EQ(ignoring.Count(), 1);

    TStringSortedObjList refusing;
    refusing.Duplicates = dupError;
    refusing.Add("Bremse", &first);
    try {
        refusing.Add("bremse", &second);
        FAIL() << "a duplicate was accepted";
    } catch (const EListError& error) {
        EXPECT_EQ(error.Message(),
                  "TSortedList: No duplicates allowed at AddEntry() for Duplicates=dupError");
    }
    EXPECT_EQ(Keys(refusing), std::vector<AnsiString>{"Bremse"});

    // Equal keys stay in the order of addition, and the first of them is found.
    TLongSortedStringList accepting;
    accepting.Duplicates = dupAccept;
    accepting.Add(9, "z");
    EXPECT_EQ(accepting.AddEntry(std::int32_t{5}, AnsiString("a")), 0);
    EXPECT_EQ(accepting.AddEntry(std::int32_t{5}, AnsiString("b")), 1);
    EXPECT_EQ(accepting.AddEntry(std::int32_t{5}, AnsiString("c")), 2);
    EXPECT_EQ(accepting.GetString(0) + accepting.GetString(1) + accepting.GetString(2), "abc");
    AnsiString text;
    EXPECT_TRUE(accepting.Find(5, index, text));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(text, "a");
    EXPECT_EQ(freed.size(), 0u);
}

TEST_F(SortedLists, DescendingAndUnsortedLists) {
    TLongSortedStringList descending;
    descending.Descending = true;
    for (const std::int32_t key : {1, 3, 2}) {
        descending.Add(key, "v");
    }
    EXPECT_EQ(Keys(descending), (std::vector<std::int32_t>{3, 2, 1}));
    for (const std::int32_t key : {1, 2, 3}) {
        int index = -1;
        AnsiString text;
        EXPECT_TRUE(descending.Find(key, index, text)) << key;
        EXPECT_EQ(descending.GetKeyInteger(index), key);
    }

    TLongSortedStringList unsorted;
    unsorted.Sorted = false;
    unsorted.Duplicates = dupAccept;
    int expectedIndex = 0;
    for (const std::int32_t key : {4, 1, 4, 2}) {
        EXPECT_EQ(unsorted.AddEntry(key, AnsiString("v")), expectedIndex++);
    }
    EXPECT_EQ(Keys(unsorted), (std::vector<std::int32_t>{4, 1, 4, 2}));
    int index = -1;
    AnsiString text;
    EXPECT_TRUE(unsorted.Find(4, index, text));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(unsorted.Find(3, index, text));
    EXPECT_EQ(index, -1);
}

TEST_F(SortedLists, DeletionsKeepEveryLaterKeyFindable) {
    TLongSortedStringList list;
    for (const std::int32_t key : {10, 20, 30, 40, 50}) {
        list.Add(key, std::to_string(key));
    }
    list.Delete(1);
    list.Delete(list.Count() - 1);
    int index = -1;
    AnsiString text;
    EXPECT_FALSE(list.Find(20, index, text));
    EXPECT_TRUE(list.Find(40, index, text));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(text, "40");
    EXPECT_EQ(list.AddEntry(std::int32_t{20}, AnsiString("zwanzig")), 1);
    EXPECT_EQ(Keys(list), (std::vector<std::int32_t>{10, 20, 30, 40}));
    list.Clear();
    EXPECT_FALSE(list.Find(10, index, text));
    EXPECT_EQ(list.AddEntry(std::int32_t{5}, AnsiString("f")), 0);
}

TEST_F(SortedLists, KeyLengthComparesOnlyTheFirstCharacters) {
    TStringSortedObjList list;
    list.KeyLength = 3;
    EXPECT_EQ(list.Add("Abcx", nullptr), 0);
    EXPECT_EQ(list.Add("abcY", nullptr), -1);
    // A shorter key is compared whole, so it differs from the three-character prefix.
    EXPECT_EQ(list.Add("Ab", nullptr), 0);
    int index = -1;
    TObject* object = nullptr;
    EXPECT_TRUE(list.Find("ABCdef", index, object));
    EXPECT_EQ(index, 1);
    EXPECT_EQ(CompareStringsLocale(u"Abcx", u"abcY", kLocaleUserDefault, 3, false, true), 0);
    EXPECT_EQ(CompareStringsLocale(u"Abcx", u"abcY", kLocaleUserDefault, -1, false, true), -1);
}

TEST_F(SortedLists, StringsAreTheEntriesOwnCopies) {
    AnsiString text = "Original";
    TLongSortedStringList list;
    list.Add(1, text);
    text[0] = 'X';
    int index = 0;
    TSortValue* slot = list.FindEntry(std::int32_t{1}, index);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(std::get<AnsiString>(*slot), "Original");
    // The slot may be overwritten in place.
    *slot = AnsiString("Neu");
    EXPECT_EQ(list.GetString(0), "Neu");
}

TEST_F(SortedLists, AssignCopiesOnlyFromItsOwnClassOrADescendant) {
    TLongSortedStringList source;
    source.Descending = true;
    source.Duplicates = dupAccept;
    source.Add(1, "eins");
    source.Add(2, "zwei");

    TLongSortedStringList target;
    target.Add(7, "alt");
    target.Assign(source);
    EXPECT_EQ(Keys(target), (std::vector<std::int32_t>{2, 1}));
    EXPECT_TRUE(target.Descending);
    EXPECT_EQ(target.Duplicates, dupIgnore);
    source.Clear();
    EXPECT_EQ(target.GetString(0), "zwei");

    // A list of an unrelated class, or of an ancestor, leaves the target as it was.
    TStringSortedObjList unrelated;
    unrelated.Add("x", nullptr);
    target.Assign(unrelated);
    TSortedStringList ancestor;
    ancestor.AddEntry({}, AnsiString("y"));
    target.Assign(ancestor);
    EXPECT_EQ(Keys(target), (std::vector<std::int32_t>{2, 1}));

    // Assigning a list to itself keeps its entries.
    target.Assign(target);
    EXPECT_EQ(target.Count(), 2);

    TStringSortedObjList keyed;
    keyed.KeyLength = 2;
    keyed.LocaleCompare = false;
    std::map<std::string, int> freed;
    TTracked shared(freed, "shared");
    keyed.Add("Zug", &shared);
    TStringSortedObjList copy;
    copy.Assign(keyed);
    EXPECT_EQ(copy.KeyLength, 2);
    EXPECT_FALSE(copy.LocaleCompare);
    EXPECT_EQ(copy.GetObject(0), &shared);
    EXPECT_EQ(copy.Add("zum", nullptr), -1);
}

TEST_F(SortedLists, AssignedInterfacesAreReferencedOnceMore) {
    auto value = MakeIntf<TCountedValue>();
    TStringSortedIntfList source;
    source.Add("DEU", value);
    TStringSortedIntfList target;
    target.Assign(source);
    EXPECT_EQ(value->RefCount(), 3);
    source.Clear();
    EXPECT_EQ(value->RefCount(), 2);
    IntfPtr<IInterface> found;
    int index = -1;
    EXPECT_TRUE(target.Find("deu", index, found));
    EXPECT_EQ(found.Get(), static_cast<IInterface*>(value.Get()));
}

TEST_F(SortedLists, ObjectsOutliveClearAndAreFreedOnceByTheClearingRoutines) {
    std::map<std::string, int> freed;
    auto* a = new TTracked(freed, "a");
    auto* b = new TTracked(freed, "b");
    {
        TStringSortedObjList list;
        list.Add("a", a);
        list.Add("b", b);
        list.Add("none", nullptr);
        list.Clear();
    }
    EXPECT_EQ(freed.size(), 0u);

    TStringSortedObjList list;
    list.Add("a", a);
    list.Add("b", b);
    list.Add("b again", b);
    list.Add("none", nullptr);
    ClearSortedList(&list);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(freed, (std::map<std::string, int>{{"a", 1}, {"b", 1}}));

    ClearSortedList(nullptr);
    FreeObjectsAndClear(nullptr);
    ReleaseInterfacesAndClear(nullptr);
}

TEST_F(SortedLists, ClearingAnInterfaceListDropsTheOneReferenceOfEachEntry) {
    auto first = MakeIntf<TCountedValue>();
    auto second = MakeIntf<TCountedValue>();
    TStringSortedIntfList list;
    list.Add("DEU", first);
    list.Add("ENU", second);
    list.Add("FRA", first);
    list.Add("NIL", nullptr);
    EXPECT_EQ(first->RefCount(), 3);
    EXPECT_EQ(list.GetItem(3), nullptr);
    list.SetItem(3, second);
    EXPECT_EQ(second->RefCount(), 3);
    list.SetItem(3, second);
    EXPECT_EQ(second->RefCount(), 3);

    ClearSortedList(&list);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(first->RefCount(), 1);
    EXPECT_EQ(second->RefCount(), 1);

    TLongSortedStringList strings;
    strings.Add(1, "x");
    ClearSortedList(&strings);
    EXPECT_EQ(strings.Count(), 0);
}

TEST_F(SortedLists, IndexErrorsLeaveTheListUnchanged) {
    TStringSortedIntfList list;
    auto value = MakeIntf<TCountedValue>();
    list.Add("DEU", value);
    const AnsiString message = Utf8ToAnsi("Listenindex überschreitet das Maximum (1)");
    const std::function<void()> outOfRange[] = {
        [&] { list.Delete(1); },       [&] { list.GetKey(1); },  [&] { list.GetValue(1); },
        [&] { list.SetValue(1, {}); }, [&] { list.GetItem(1); }, [&] { list.SetItem(1, nullptr); },
    };
    for (const auto& operation : outOfRange) {
        try {
            operation();
            ADD_FAILURE() << "no index error";
        } catch (const EListError& error) {
            EXPECT_EQ(error.Message(), message);
        }
    }
    EXPECT_THROW(list.Delete(-1), EListError);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(value->RefCount(), 2);
}

TEST_F(SortedLists, CompareIsAbstractBelowTheConcreteClasses) {
    TSortedList plain;
    TSortedObjList objects;
    TSortedStringList strings;
    TSortedIntfList interfaces;
    for (TSortedList* list :
         std::initializer_list<TSortedList*>{&plain, &objects, &strings, &interfaces}) {
        EXPECT_EQ(list->AddEntry(std::int32_t{1}, {}), 0);
        EXPECT_THROW(list->AddEntry(std::int32_t{2}, {}), EAbstractError);
        EXPECT_EQ(list->Count(), 1);
        TSortEntry entry;
        EXPECT_THROW(list->Compare(entry, std::int32_t{1}), EAbstractError);
    }
}

// A descendant whose comparison produces a value no comparison may produce.
class TFaultyList : public TSortedIntfList {
public:
    TCompareResult Compare(const TSortEntry&, const TSortKey&) const override {
        return static_cast<TCompareResult>(0);
    }
};

TEST_F(SortedLists, AComparisonOutsideItsResultsAbortsSilentlyAndReleasesTheNewEntry) {
    auto value = MakeIntf<TCountedValue>();
    TFaultyList list;
    list.Duplicates = dupAccept;
    list.AddEntry(std::int32_t{1}, IntfPtr<IInterface>(value));
    EXPECT_EQ(value->RefCount(), 2);
    EXPECT_THROW(list.AddEntry(std::int32_t{2}, IntfPtr<IInterface>(value)), EAbort);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(value->RefCount(), 2);
    int index = 0;
    EXPECT_THROW(list.FindEntry(std::int32_t{1}, index), EAbort);
}

TEST_F(SortedLists, SlotsOfTheWrongKindAreRefused) {
    TLongSortedStringList numbers;
    EXPECT_THROW(numbers.AddEntry(AnsiString("1"), AnsiString("x")), EListError);
    EXPECT_THROW(numbers.AddEntry(std::int32_t{1}, static_cast<TObject*>(nullptr)), EListError);
    TStringSortedIntfList interfaces;
    EXPECT_THROW(interfaces.AddEntry(std::int32_t{1}, {}), EListError);
    EXPECT_THROW(interfaces.AddEntry(AnsiString("k"), AnsiString("v")), EListError);
    EXPECT_EQ(numbers.Count() + interfaces.Count(), 0);
}

} // namespace
