#include "runtime/StringList.h"

#include "platform/CodePage.h"
#include "runtime/Exception.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<AnsiString> Strings(const TStringList& list) {
    std::vector<AnsiString> strings;
    for (int i = 0; i < list.Count(); ++i) {
        strings.push_back(list.Strings(i));
    }
    return strings;
}

class TMarker : public TObject {
public:
    explicit TMarker(int& freed) : FFreed(freed) {}
    ~TMarker() override { ++FFreed; }

private:
    int& FFreed;
};

TEST(StringList, UnsortedKeepsTheOrderOfAdditionAndEveryString) {
    TStringList list;
    int expectedIndex = 0;
    for (const char* text : {"ENU", "DEU", "enu"}) {
        EXPECT_EQ(list.Add(text), expectedIndex++);
    }
    EXPECT_EQ(Strings(list), (std::vector<AnsiString>{"ENU", "DEU", "enu"}));
    EXPECT_EQ(list.IndexOf("Enu"), 0);
    EXPECT_EQ(list.IndexOf("FRA"), -1);
    list.Insert(1, "FRA");
    list.Delete(0);
    EXPECT_EQ(Strings(list), (std::vector<AnsiString>{"FRA", "DEU", "enu"}));
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("ENU"), -1);
    EXPECT_EQ(list.IndexOf("enu"), 2);
}

TEST(StringList, SortedListsOrderByTheirCaseSetting) {
    struct Case {
        bool caseSensitive;
        std::vector<AnsiString> expected;
    };
    const Case cases[] = {
        {false, {"alpha", "Beta", "gamma", "\xC4pfel"}},
        {true, {"Beta", "alpha", "gamma", "\xC4pfel"}},
    };
    for (const Case& c : cases) {
        TStringList list({.Sorted = true, .CaseSensitive = c.caseSensitive});
        for (const char* text : {"gamma", "\xC4pfel", "Beta", "alpha"}) {
            list.Add(text);
        }
        EXPECT_EQ(Strings(list), c.expected) << c.caseSensitive;
        int index = -1;
        EXPECT_TRUE(list.Find(c.expected[2], index));
        EXPECT_EQ(index, 2);
        EXPECT_FALSE(list.Find("delta", index));
        EXPECT_EQ(index, 2);
    }
}

TEST(StringList, DuplicatePoliciesOfASortedList) {
    TMarker* none = nullptr;
    struct Case {
        TDuplicates duplicates;
        int secondIndex;
        std::vector<AnsiString> expected;
    };
    const Case cases[] = {
        {dupIgnore, -1, {"bremse", "zug"}},
        {dupAccept, 1, {"bremse", "Bremse", "zug"}},
    };
    for (const Case& c : cases) {
        TStringList list({.Sorted = true, .Duplicates = c.duplicates});
        list.Add("zug");
        list.AddObject("bremse", none);
        EXPECT_EQ(list.Add("Bremse"), c.secondIndex);
        EXPECT_EQ(Strings(list), c.expected);
    }

    TStringList refusing({.Sorted = true, .Duplicates = dupError});
    refusing.Add("bremse");
    try {
        refusing.Add("BREMSE");
        FAIL() << "a duplicate was accepted";
    } catch (const EListError& error) {
        EXPECT_EQ(error.Message(), "Stringliste erlaubt keine Duplikate");
    }
    EXPECT_EQ(refusing.Count(), 1);

    // An unsorted list takes every string whatever its policy.
    TStringList unsorted({.Duplicates = dupError});
    unsorted.Add("a");
    EXPECT_EQ(unsorted.Add("a"), 1);
}

TEST(StringList, ObjectsAreCarriedButNeverFreed) {
    int freed = 0;
    TMarker first(freed);
    TMarker second(freed);
    {
        TStringList list({.Sorted = true});
        list.AddObject("b", &second);
        list.AddObject("a", &first);
        EXPECT_EQ(list.Objects(0), &first);
        EXPECT_EQ(list.IndexOfObject(&second), 1);
        list.PutObject(1, nullptr);
        EXPECT_EQ(list.IndexOfObject(&second), -1);
        list.Clear();
    }
    EXPECT_EQ(freed, 0);
}

TEST(StringList, SortingLaterAndChangingTheCaseRule) {
    TStringList list;
    for (const char* text : {"b", "B", "a", "A"}) {
        list.Add(text);
    }
    list.SetSorted(true);
    EXPECT_EQ(Strings(list), (std::vector<AnsiString>{"a", "A", "b", "B"}));
    list.SetCaseSensitive(true);
    EXPECT_EQ(Strings(list), (std::vector<AnsiString>{"A", "B", "a", "b"}));
}

TEST(StringList, CapacityIsKeptAndNeverBelowTheCount) {
    TStringList list({.Sorted = true, .CaseSensitive = true, .Capacity = 16});
    EXPECT_GE(list.Capacity(), 16);
    list.Add("a");
    list.Add("b");
    EXPECT_THROW(list.SetCapacity(1), EListError);
    list.SetCapacity(2);
    EXPECT_EQ(Strings(list), (std::vector<AnsiString>{"a", "b"}));
}

TEST(StringList, IndexErrorsAndOperationsASortedListRefuses) {
    TStringList list;
    list.Add("a");
    const std::pair<int, std::function<void()>> outOfRange[] = {
        {1,
         [&] {
             list.Strings(1);
         }},
        {-1,
         [&] {
             list.Objects(-1);
         }},
        {1,
         [&] {
             list.Delete(1);
         }},
        {2,
         [&] {
             list.Insert(2, "x");
         }},
        {1,
         [&] {
             list.PutString(1, "x");
         }},
        {5,
         [&] {
             list.PutObject(5, nullptr);
         }},
    };
    for (const auto& [index, operation] : outOfRange) {
        try {
            operation();
            ADD_FAILURE() << "no index error for " << index;
        } catch (const EListError& error) {
            EXPECT_EQ(error.Message(), Utf8ToAnsi("Listenindex überschreitet das Maximum (" +
                                                  std::to_string(index) + ")"));
        }
    }
    list.SetSorted(true);
    EXPECT_THROW(list.Insert(0, "x"), EListError);
    EXPECT_THROW(list.PutString(0, "x"), EListError);
    EXPECT_EQ(Strings(list), std::vector<AnsiString>{"a"});
}

} // namespace
