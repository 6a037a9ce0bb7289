// The registration table as data, checked through the dictionary built from it.
#include "datadict/InformationList.h"
#include "platform/CodePage.h"
#include "textcatalog/uDefStrings.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Utf8(const AnsiString& ansi) {
    return WideToUtf8(AnsiToWide(ansi));
}

std::vector<std::string> Texts(const TStringList* list) {
    std::vector<std::string> result;
    for (int i = 0; list && i < list->Count(); ++i) {
        result.push_back(Utf8(list->Strings(i)));
    }
    return result;
}

class DictionaryContents : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        FillDefStrings();
        FList = new TInformationList();
    }
    static void TearDownTestSuite() {
        delete FList;
        FList = nullptr;
        ClearDefStrings();
    }

    static TInformation& Reference() { return *FList->ReferenceEntry().Information; }
    static TInformationItem& Item(const char* name) {
        TInformationItem* item = Reference().FindItem(name);
        EXPECT_NE(item, nullptr) << name;
        return *item;
    }
    template <class Key>
    static std::map<Key, int> CountBy(Key (*key)(const TInformationItem&)) {
        std::map<Key, int> counts;
        for (int i = 0; i < Reference().Count(); ++i) {
            ++counts[key(Reference().Item(i))];
        }
        return counts;
    }
    template <class Predicate>
    static int CountIf(Predicate predicate) {
        int count = 0;
        for (int i = 0; i < Reference().Count(); ++i) {
            count += predicate(Reference().Item(i)) ? 1 : 0;
        }
        return count;
    }

    static TInformationList* FList;
};

TInformationList* DictionaryContents::FList = nullptr;

TEST_F(DictionaryContents, OneGermanEntryWith448ItemsInRegistrationOrder) {
    ASSERT_EQ(FList->EntryCount(), 1);
    EXPECT_EQ(FList->Entries().Strings(0), "DEU");
    ASSERT_EQ(Reference().Count(), 448);
    EXPECT_EQ(Reference().ItemsByName().Count(), 448);
    EXPECT_EQ(Reference().Item(0).Name, "Comment");
    EXPECT_EQ(Reference().Item(447).Name, "MarkZ");
    for (int i = 0; i < Reference().Count(); ++i) {
        EXPECT_EQ(Reference().Item(i).Index, i) << Reference().Item(i).Name;
        EXPECT_EQ(Reference().Items().Strings(i), Reference().Item(i).Name);
        EXPECT_EQ(Reference().Item(i).Entry, &FList->ReferenceEntry());
    }
    EXPECT_EQ(Item("Lp").Index, 2);
    EXPECT_EQ(FList->ReferenceEntry().ItemCount, 448);
}

TEST_F(DictionaryContents, GroupsFormTheirBlocksInOrder) {
    // (group, last row) of each block.
    const std::vector<std::pair<int, int>> blocks = {
        {0, 1},    {1, 29},   {2, 93},   {5, 112},  {12, 133}, {13, 142}, {7, 187},
        {8, 192},  {9, 202},  {10, 204}, {11, 249}, {1, 250},  {14, 260}, {15, 289},
        {18, 293}, {16, 304}, {17, 444}, {11, 446}, {0, 448}};
    int row = 1;
    for (const auto& [group, last] : blocks) {
        for (; row <= last; ++row) {
            EXPECT_EQ(Reference().Item(row - 1).Group, group) << "row " << row;
        }
    }
    const std::map<int, int> perGroup = {{0, 3},   {1, 29},  {2, 64},   {5, 19},  {7, 45}, {8, 5},
                                         {9, 10},  {10, 2},  {11, 47},  {12, 21}, {13, 9}, {14, 10},
                                         {15, 29}, {16, 11}, {17, 140}, {18, 4}};
    EXPECT_EQ(CountBy<int>([](const TInformationItem& item) { return int{item.Group}; }), perGroup);
}

TEST_F(DictionaryContents, CountsPerKindUnitAndDecimals) {
    EXPECT_EQ(CountBy<std::int32_t>([](const TInformationItem& item) { return item.ValueKind; }),
              (std::map<std::int32_t, int>{{vkFloat, 263},
                                           {vkBoolean, 64},
                                           {vkString, 29},
                                           {vkRecord, 24},
                                           {vkRecordList, 21},
                                           {vkChoice, 19},
                                           {vkSelection, 14},
                                           {vkInteger, 8},
                                           {vkText, 6}}));
    EXPECT_EQ(CountBy<TTextId>([](const TInformationItem& item) { return item.UnitId; }),
              (std::map<TTextId, int>{{3000, 201},
                                      {3001, 209},
                                      {3002, 14},
                                      {3003, 17},
                                      {3004, 1},
                                      {3005, 3},
                                      {3006, 1},
                                      {13579, 1},
                                      {13580, 1}}));
    EXPECT_EQ(CountBy<std::int32_t>([](const TInformationItem& item) {
                  return item.ValueKind == vkFloat ? item.Decimals : -1 - item.Decimals;
              }),
              (std::map<std::int32_t, int>{
                  {0, 96}, {1, 6}, {2, 7}, {3, 119}, {4, 35}, {-1, 175}, {-3, 5}, {-4, 5}}));
    for (const char* name : {"BNsp", "Art", "PtTyp", "ProfileConditions", "ProfileCalcFlags"}) {
        EXPECT_EQ(Item(name).Decimals, 3) << name;
    }
    for (const char* name :
         {"ProfileTyp", "ProfileFamily", "SHGear", "ProfileItemPos", "ProfilePwd"}) {
        EXPECT_EQ(Item(name).Decimals, 2) << name;
    }
}

TEST_F(DictionaryContents, TextIdsInTheirRangesAndEveryTextPresent) {
    EXPECT_EQ(CountIf([](const TInformationItem& item) {
                  return item.SymbolId >= 5602 && item.SymbolId <= 13606;
              }),
              170);
    EXPECT_EQ(CountIf([](const TInformationItem& item) {
                  return item.SymbolId == 0 || item.SymbolId == 5600;
              }),
              448 - 170);
    EXPECT_EQ(CountIf([](const TInformationItem& item) {
                  return item.CaptionId >= 1000 && item.CaptionId <= 13608;
              }),
              277);
    EXPECT_EQ(CountIf([](const TInformationItem& item) { return item.CaptionId == 0; }), 448 - 277);
    EXPECT_EQ(CountIf([](const TInformationItem& item) {
                  return item.HintId >= 2350 && item.HintId <= 13534;
              }),
              67);
    EXPECT_EQ(CountIf([](const TInformationItem& item) { return item.HintId == 0; }), 448 - 67);
    for (int i = 0; i < Reference().Count(); ++i) {
        const TInformationItem& item = Reference().Item(i);
        const bool noSymbol = item.SymbolId == 0 || item.SymbolId == 5600;
        EXPECT_EQ(item.Symbol.empty(), noSymbol) << item.Name;
        EXPECT_EQ(item.Caption.empty(), item.CaptionId == 0) << item.Name;
        EXPECT_FALSE(item.UnitText.empty()) << item.Name;
        if (item.HintId != 0) {
            EXPECT_FALSE(GetDefString(item.HintId).empty()) << item.Name;
        }
        for (const std::string& text : Texts(item.ChoiceTexts.get())) {
            EXPECT_FALSE(text.empty()) << item.Name;
        }
    }
    EXPECT_EQ(Item("CarBody").Caption, "");
}

TEST_F(DictionaryContents, StorageNamesAreUniqueWithinAGroup) {
    EXPECT_EQ(CountIf([](const TInformationItem& item) { return !item.StorageName.empty(); }), 142);
    std::map<std::string, std::set<int>> groupsOfName;
    std::set<std::pair<int, std::string>> seen;
    for (int i = 0; i < Reference().Count(); ++i) {
        const TInformationItem& item = Reference().Item(i);
        if (item.StorageName.empty()) {
            continue;
        }
        EXPECT_TRUE(seen.emplace(item.Group, item.StorageName).second) << item.StorageName;
        groupsOfName[item.StorageName].insert(item.Group);
    }
    std::map<std::string, std::set<int>> repeated;
    for (const auto& [name, groups] : groupsOfName) {
        if (groups.size() > 1) {
            repeated[name] = groups;
        }
    }
    EXPECT_EQ(repeated, (std::map<std::string, std::set<int>>{{"C2", {12, 13}}, {"H0", {5, 12}}}));
    EXPECT_EQ(Item("h0NZ").StorageName, "H0");
    EXPECT_EQ(Item("SHH0").StorageName, "H0");
    EXPECT_EQ(Item("SHC2").StorageName, "C2");
    EXPECT_EQ(Item("shcC2").StorageName, "C2");
}

TEST_F(DictionaryContents, FlagsBitByBit) {
    std::map<int, int> perBit;
    for (int i = 0; i < Reference().Count(); ++i) {
        for (int bit = 0; bit < 32; ++bit) {
            perBit[bit] += (Reference().Item(i).Flags >> bit) & 1;
        }
    }
    const std::map<int, int> expected = {
        {0, 11}, {1, 3},   {2, 4},   {3, 6},  {4, 10}, {5, 7},   {6, 6},   {7, 1},
        {8, 1},  {9, 1},   {10, 1},  {11, 1}, {12, 1}, {13, 19}, {14, 29}, {15, 12},
        {16, 1}, {17, 1},  {18, 1},  {19, 1}, {20, 6}, {21, 1},  {22, 7},  {23, 1},
        {24, 1}, {25, 55}, {26, 22}, {27, 0}, {28, 0}, {29, 0},  {30, 0},  {31, 0}};
    EXPECT_EQ(perBit, expected);
    EXPECT_EQ(CountIf([](const TInformationItem& item) { return item.Flags == 0; }), 259);
    EXPECT_EQ(Item("Trennwert").Flags, (1u << 14) | (1u << 15));
    EXPECT_EQ(Item("F1").Flags, (1u << 5) | (1u << 20));
    EXPECT_EQ(Item("CalcAsBogie").Flags, (1u << 16) | (1u << 17));
    EXPECT_EQ(Item("ht").Flags, 1u << 4);
}

TEST_F(DictionaryContents, Limits) {
    EXPECT_EQ(CountIf([](const TInformationItem& item) { return item.HasLimits; }), 185);
    EXPECT_EQ(
        CountIf([](const TInformationItem& item) { return item.HasLimits && item.MinValue != 0; }),
        13);
    std::set<std::string> zeroLimits;
    std::set<std::string> limitsWithout;
    for (int i = 0; i < Reference().Count(); ++i) {
        const TInformationItem& item = Reference().Item(i);
        if (item.HasLimits && item.MinValue == 0 && item.MaxValue == 0) {
            zeroLimits.insert(item.Name);
        }
        if (!item.HasLimits && (item.MinValue != 0 || item.MaxValue != 0)) {
            limitsWithout.insert(item.Name);
        }
    }
    EXPECT_EQ(zeroLimits,
              (std::set<std::string>{"Aff", "DAffBC", "DAffCD", "Usr", "DUsr", "SHcBenchmark",
                                     "KPS", "EinEnabled", "StepInclWidthFault", "StepInclSlope",
                                     "StepInclWidth", "RptTemplPreview"}));
    EXPECT_EQ(limitsWithout, (std::set<std::string>{"OpIoDMax", "TrainsetDeflCDMax"}));
    const TInformationItem& opIoDMax = Item("OpIoDMax");
    EXPECT_EQ(opIoDMax.MaxValue, 0.5);
    const TInformationItem& kps = Item("KPS");
    EXPECT_TRUE(kps.HasLimits);
    EXPECT_EQ(kps.DefaultValue, TInformationValue(Dec("1.2")));
    EXPECT_EQ(Item("MarkY").MinValue, -4);
    EXPECT_EQ(Item("MarkZ").MaxValue, 7.5);
}

TEST_F(DictionaryContents, DefaultValues) {
    std::map<std::string, int> kinds;
    for (int i = 0; i < Reference().Count(); ++i) {
        const TInformationValue& value = Reference().Item(i).DefaultValue;
        if (const auto* text = std::get_if<AnsiString>(&value)) {
            EXPECT_EQ(*text, "") << Reference().Item(i).Name;
            ++kinds["empty text"];
        } else if (const auto* number = std::get_if<std::int32_t>(&value)) {
            ++kinds[*number == 0 ? "integer 0" : "integer"];
        } else {
            ++kinds[std::holds_alternative<bool>(value) ? "Boolean" : "decimal"];
        }
    }
    // 44 given values (16 integers, 6 true, 22 with a fraction) and 11 false.
    EXPECT_EQ(kinds, (std::map<std::string, int>{{"empty text", 159},
                                                 {"integer 0", 234},
                                                 {"integer", 16},
                                                 {"decimal", 22},
                                                 {"Boolean", 17}}));
    EXPECT_EQ(Item("l").DefaultValue, TInformationValue(Dec("1.435")));
    EXPECT_EQ(std::get<TDecimal>(Item("l").DefaultValue).Scaled, 14350);
    EXPECT_EQ(Item("StepRelWidthCh").DefaultValue, TInformationValue(Dec("0.0005")));
    EXPECT_EQ(Item("eta").DefaultValue, TInformationValue(std::int32_t{1}));
    EXPECT_EQ(Item("ESRMin").DefaultValue, TInformationValue(std::int32_t{150}));
    EXPECT_EQ(Item("EinEnabled").DefaultValue, TInformationValue(true));
    EXPECT_EQ(Item("EsCvSide").DefaultValue, TInformationValue(false));
    EXPECT_EQ(Item("Wh").DefaultValue, TInformationValue(AnsiString()));
    EXPECT_EQ(Item("SelFK").DefaultValue, TInformationValue(std::int32_t{0}));
    EXPECT_EQ(Item("BodyName").DefaultValue, TInformationValue(std::int32_t{0}));
    EXPECT_EQ(Item("GearPosition").DefaultValue, TInformationValue(std::int32_t{0}));
}

TEST_F(DictionaryContents, TopicIdsInTheirBlocks) {
    EXPECT_EQ(CountIf([](const TInformationItem& item) { return item.TopicId == 0; }), 151 + 47);
    EXPECT_EQ(CountIf([](const TInformationItem& item) {
                  return item.TopicId == 0 && item.Group != 16 && item.Group != 17;
              }),
              47);
    EXPECT_EQ(CountIf([](const TInformationItem& item) {
                  return item.Group == 15 && item.TopicId == 46000;
              }),
              28);
    std::set<std::string> identifying;
    for (int i = 0; i < Reference().Count(); ++i) {
        const TInformationItem& item = Reference().Item(i);
        if (item.TopicId == 20060) {
            identifying.insert(item.Name);
        }
        // Every group's numbers lie in its block.
        const auto in = [&](int first, int last) {
            return item.TopicId == 0 || item.TopicId == 20060 ||
                   (item.TopicId >= first && item.TopicId <= last);
        };
        switch (item.Group) {
        case 1:
            EXPECT_TRUE(in(22010, 22200)) << item.Name;
            break;
        case 2:
            EXPECT_TRUE(in(23010, 23520)) << item.Name;
            break;
        case 5:
            EXPECT_TRUE(in(21010, 21110)) << item.Name;
            break;
        case 7:
            EXPECT_TRUE(in(34000, 34020)) << item.Name;
            break;
        case 8:
        case 9:
        case 10:
            EXPECT_TRUE(in(35020, 35150)) << item.Name;
            break;
        case 12:
        case 13:
            EXPECT_TRUE(in(23270, 23460) || item.TopicId == 25030) << item.Name;
            break;
        case 11:
            EXPECT_TRUE(in(24030, 33110) || item.TopicId == 23075) << item.Name;
            break;
        case 14:
            EXPECT_TRUE(in(32020, 32020)) << item.Name;
            break;
        case 15:
        case 18:
            EXPECT_TRUE(item.TopicId == 40300 || item.TopicId == 46000 || item.TopicId == 46500)
                << item.Name;
            break;
        default:
            break;
        }
    }
    EXPECT_EQ(identifying, (std::set<std::string>{"Comment", "BodyName", "GearName", "VevizuName",
                                                  "ProfileName"}));
}

TEST_F(DictionaryContents, RowsShownInFull) {
    struct Row {
        const char* Name;
        TTextId SymbolId, CaptionId, HintId, UnitId;
        const char* StorageName;
        int Group;
        std::uint32_t Flags;
        std::int32_t ValueKind, Decimals;
        bool HasLimits;
        double MinValue, MaxValue;
        TInformationValue DefaultValue;
        std::int32_t TopicId;
        std::vector<std::string> ChoiceIds;
    };
    const auto none = TInformationValue(AnsiString());
    const auto zero = TInformationValue(std::int32_t{0});
    std::vector<std::string> profileTypes;
    for (int id = 2500; id <= 2551; ++id) {
        profileTypes.push_back(std::to_string(id));
    }
    const Row rows[] = {
        {"Comment", 5600, 10003, 0, 3000, "BEMERKUNG", 0, 0, 162, 0, false, 0, 0, none, 20060, {}},
        {"BodyName", 5600, 10002, 0, 3000, "", 1, 0, 256, 0, false, 0, 0, zero, 20060, {}},
        {"Lp", 5602, 1000, 0, 3001, "LaengePuffer", 1, 0, 5, 3, true, 0, 45, zero, 22010, {}},
        {"eta",
         5607,
         1005,
         0,
         3003,
         "StatischeUnsymmetrie",
         1,
         0,
         5,
         3,
         true,
         0,
         5,
         TInformationValue(std::int32_t{1}),
         22070,
         {}},
        {"ht",
         5617,
         1014,
         9000,
         3001,
         "EinbauhoeheUnteresGelenk",
         1,
         1u << 4,
         5,
         3,
         true,
         0,
         7,
         zero,
         22160,
         {}},
        {"BNsp",
         5600,
         1016,
         0,
         3000,
         "Nennspannung",
         1,
         1u << 4,
         160,
         3,
         true,
         0,
         3,
         zero,
         22180,
         {"3510", "3511", "3512", "3513"}},
        {"l",
         5625,
         1106,
         0,
         3001,
         "Regelspurweite",
         2,
         0,
         5,
         3,
         true,
         0,
         2,
         TInformationValue(Dec("1.435")),
         23055,
         {}},
        {"EinEnabled",
         5600,
         10422,
         0,
         3000,
         "",
         7,
         0,
         11,
         0,
         true,
         0,
         0,
         TInformationValue(true),
         34000,
         {}},
        {"ESRMin",
         5720,
         2051,
         0,
         3001,
         "",
         7,
         1u << 18,
         5,
         0,
         true,
         5,
         20000,
         TInformationValue(std::int32_t{150}),
         34010,
         {}},
        {"ProfileTyp", 5600, 10115, 10116, 3000, "Typ", 11, 1u << 14, 160, 2, false, 0, 0, zero,
         24030, profileTypes},
        {"SelFK", 5600, 10053, 0, 3000, "", 14, 0, 161, 0, false, 0, 0, zero, 32020, {}},
        {"CarBody", 5600, 0, 0, 3000, "", 14, 1u << 25, 163, 0, false, 0, 0, none, 0, {}},
        {"ModuleGears", 5600, 0, 0, 3000, "", 14, 1u << 25, 164, 0, false, 0, 0, none, 0, {}},
        {"StepIntersectCt",
         5600,
         11097,
         0,
         3000,
         "",
         15,
         0,
         3,
         0,
         true,
         10,
         999,
         TInformationValue(std::int32_t{51}),
         46000,
         {}},
        {"Wh", 5838, 4150, 0, 3003, "", 17, 0, 5, 0, false, 0, 0, none, 0, {}},
        {"EsCvSide",
         5600,
         0,
         0,
         3000,
         "",
         17,
         0,
         160,
         0,
         false,
         0,
         0,
         TInformationValue(false),
         0,
         {"4040", "4039"}},
    };
    const int rowNumbers[] = {1, 2, 3, 8, 20, 24, 38, 143, 144, 211, 254, 259, 260, 273, 305, 344};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        const TInformationItem& item = Reference().Item(rowNumbers[i] - 1);
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(item.Name, row.Name);
        EXPECT_EQ(item.SymbolId, row.SymbolId);
        EXPECT_EQ(item.CaptionId, row.CaptionId);
        EXPECT_EQ(item.HintId, row.HintId);
        EXPECT_EQ(item.UnitId, row.UnitId);
        EXPECT_EQ(item.StorageName, row.StorageName);
        EXPECT_EQ(item.Group, row.Group);
        EXPECT_EQ(item.Flags, row.Flags);
        EXPECT_EQ(item.ValueKind, row.ValueKind);
        EXPECT_EQ(item.Decimals, row.Decimals);
        EXPECT_EQ(item.HasLimits, row.HasLimits);
        EXPECT_EQ(item.MinValue, row.MinValue);
        EXPECT_EQ(item.MaxValue, row.MaxValue);
        EXPECT_EQ(item.DefaultValue, row.DefaultValue);
        EXPECT_EQ(item.TopicId, row.TopicId);
        EXPECT_EQ(item.ChoiceIds != nullptr, row.ValueKind == vkChoice);
        EXPECT_EQ(Texts(item.ChoiceIds.get()), row.ChoiceIds);
    }
}

TEST_F(DictionaryContents, TextsOfTheExamples) {
    const TInformationItem& lp = Item("Lp");
    EXPECT_EQ(Utf8(lp.Symbol), "LP");
    EXPECT_EQ(Utf8(lp.Caption), "Länge über Puffer");
    EXPECT_EQ(lp.UnitText, "m");
    EXPECT_EQ(Utf8(Item("eta").Symbol), "eta0");
    EXPECT_EQ(Utf8(Item("eta").Caption), "Statische Unsymmetrie");
    EXPECT_EQ(Utf8(Item("eta").UnitText), "°");
    EXPECT_EQ(Utf8(Item("ProfileTyp").Caption), "Berechnungsmethode");
    EXPECT_EQ(Utf8(Item("StepIntersectCt").Caption), "Anzahl der Querschnitte");
    EXPECT_EQ(Utf8(Item("ht").Symbol), "ht");
    EXPECT_EQ(Utf8(Item("shcC2").UnitText), "kN/mm");
}

TEST_F(DictionaryContents, ChoicesInTheirOrder) {
    std::vector<std::string> choiceItems;
    for (int i = 0; i < Reference().Count(); ++i) {
        const TInformationItem& item = Reference().Item(i);
        EXPECT_EQ(item.HasChoices, item.ValueKind == vkChoice) << item.Name;
        EXPECT_EQ(item.ChoiceTexts != nullptr, item.ValueKind == vkChoice) << item.Name;
        if (item.HasChoices) {
            choiceItems.push_back(item.Name);
            EXPECT_EQ(item.ChoiceTexts->Count(), item.ChoiceIds->Count()) << item.Name;
        }
    }
    EXPECT_EQ(choiceItems, (std::vector<std::string>{
                               "BNsp", "Art", "PtTyp", "SHMethod", "SHCriteria", "VKZMethod",
                               "SubTyp", "Hump", "SafeTilting", "GlnkzgAnsatz", "ProfileTyp",
                               "ProfileFamily", "UBed", "ModuleType", "StepInterDistr", "EsCvSide",
                               "GearPosition", "BufferPos", "ResultTransPos"}));
    const TInformationItem& bnsp = Item("BNsp");
    EXPECT_EQ(Texts(bnsp.ChoiceTexts.get()),
              (std::vector<std::string>{"15 kV AC", "25 kV AC", "1,5 kV DC", "3 kV DC"}));
    EXPECT_EQ(bnsp.MinValue, 0);
    EXPECT_EQ(bnsp.MaxValue, 3);
    const auto profileTypes = Texts(Item("ProfileTyp").ChoiceTexts.get());
    ASSERT_EQ(profileTypes.size(), 52u);
    EXPECT_EQ(profileTypes.front(), "UIC 505-1");
    EXPECT_EQ(profileTypes.back(), "EN 15273-2:2013 FR3.3");
    EXPECT_EQ(Texts(Item("UBed").ChoiceIds.get()),
              (std::vector<std::string>{"2300", "2301", "2302", "2303", "2304", "2305", "2310",
                                        "2309", "2306", "2307", "2308"}));
    EXPECT_EQ(Texts(Item("UBed").ChoiceTexts.get())[6], "EV1 oben");
    EXPECT_EQ(Texts(Item("EsCvSide").ChoiceTexts.get()),
              (std::vector<std::string>{"nach bogenaußen", "nach bogeninnen"}));
    EXPECT_EQ(
        Texts(Item("GearPosition").ChoiceTexts.get()),
        (std::vector<std::string>{"Vorlaufendes Fahrwerk", "Nachlaufendes Fahrwerk", "Fahrwerk"}));
}

TEST_F(DictionaryContents, NamesAreUniqueWithoutRegardToCase) {
    std::set<std::string> lowered;
    for (int i = 0; i < Reference().Count(); ++i) {
        EXPECT_TRUE(lowered.insert(LowerCase(Reference().Item(i).Name)).second)
            << Reference().Item(i).Name;
    }
    EXPECT_EQ(Reference().FindItem("lp"), &Item("Lp"));
    EXPECT_EQ(Reference().FindItem("PROFILETYP"), &Item("ProfileTyp"));
    EXPECT_EQ(Reference().FindItem("NoSuchItem"), nullptr);
    EXPECT_EQ(Reference().FindItem(""), nullptr);
}

} // namespace
