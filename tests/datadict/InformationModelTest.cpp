// The item model: registration, copies, lookups and the catalog behind an entry.
#include "datadict/InformationList.h"
#include "platform/CodePage.h"
#include "runtime/Exception.h"
#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/uDefStrings.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(const TStringList* list) {
    std::vector<std::string> result;
    for (int i = 0; list && i < list->Count(); ++i) {
        result.push_back(WideToUtf8(AnsiToWide(list->Strings(i))));
    }
    return result;
}

TItemRegistration Registration(const char* name, std::int32_t kind,
                               std::span<const TTextId> choices = {}) {
    return {name, 5602, 1000, 0, kMetre, "",     1,     kNoFlags,
            kind, 3,    true, 0, 45,     Int(0), 22010, choices};
}

// A catalog that fails for one id, as a broken language module would.
class TFailingCatalog : public TBabelFish {
public:
    using TBabelFish::GetLocale;
    using TBabelFish::GetString;
    WideString GetString(TTextId id) override {
        if (id == 1000) {
            throw Exception("the catalog broke");
        }
        return u"text";
    }
    WideString GetLocale() override { return u"BAD"; }
};

class InformationModel : public ::testing::Test {
protected:
    void SetUp() override { FillDefStrings(); }
    void TearDown() override {
        FEntry.reset();
        ClearDefStrings();
    }
    TInformation& Information() { return *FEntry->Information; }

    std::unique_ptr<TInformationListEntry> FEntry = [] {
        auto entry = std::make_unique<TInformationListEntry>(MakeIntf<TDefaultBabelFish>());
        entry->Information = std::make_unique<TInformation>(entry.get());
        return entry;
    }();
};

TEST_F(InformationModel, ChoiceIdsAreKeptOnlyForChoiceItems) {
    constexpr TTextId four[] = {3510, 3511, 3512, 3513};
    struct Case {
        const char* Name;
        std::int32_t Kind;
        std::span<const TTextId> Ids;
        bool HasList;
        std::vector<std::string> ChoiceTexts;
        bool HasChoices;
    };
    const Case cases[] = {
        {"FourChoices",
         vkChoice,
         four,
         true,
         {"15 kV AC", "25 kV AC", "1,5 kV DC", "3 kV DC"},
         true},
        {"FloatWithIds", vkFloat, four, false, {}, false},
        {"ChoiceWithoutIds", vkChoice, {}, true, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Information().RegisterItem(Registration(c.Name, c.Kind, c.Ids));
        const TInformationItem* item = Information().FindItem(c.Name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->ChoiceIds != nullptr, c.HasList);
        EXPECT_EQ(item->ChoiceTexts != nullptr, c.HasList);
        EXPECT_EQ(Texts(item->ChoiceTexts.get()), c.ChoiceTexts);
        EXPECT_EQ(item->HasChoices, c.HasChoices);
    }
    EXPECT_EQ(Texts(Information().FindItem("FourChoices")->ChoiceIds.get()),
              (std::vector<std::string>{"3510", "3511", "3512", "3513"}));
}

TEST_F(InformationModel, ChoiceIdsThatAreNoTextIdLookUpTheEmptyText) {
    TInformationItem item(FEntry.get());
    item.ValueKind = vkChoice;
    item.ChoiceIds = std::make_unique<TStringList>();
    for (const char* id : {"3510", "x", "", "-1", "4294967296", "3511 "}) {
        item.ChoiceIds->Add(id);
    }
    item.ResolveTexts();
    EXPECT_EQ(Texts(item.ChoiceTexts.get()),
              (std::vector<std::string>{"15 kV AC", "", "", "", "", ""}));
    // Resolving again replaces the texts rather than adding to them.
    item.ResolveTexts();
    EXPECT_EQ(item.ChoiceTexts->Count(), 6);
}

TEST_F(InformationModel, ASecondRegistrationOfANameKeepsTheFirstItem) {
    Information().RegisterItem(Registration("Lp", vkFloat));
    auto second = Registration("LP", vkInteger);
    second.CaptionId = 1001;
    Information().RegisterItem(second);
    Information().RegisterItem(Registration("Lwk", vkFloat));

    ASSERT_EQ(Information().Count(), 2);
    EXPECT_EQ(Information().ItemsByName().Count(), 2);
    EXPECT_EQ(FEntry->ItemCount, 2);
    const TInformationItem* lp = Information().FindItem("lP");
    ASSERT_NE(lp, nullptr);
    EXPECT_EQ(lp->Name, "Lp");
    EXPECT_EQ(lp->ValueKind, vkFloat);
    EXPECT_EQ(Information().Item(1).Name, "Lwk");
    EXPECT_EQ(Information().Item(1).Index, 1);

    // An item inserted under a taken name is refused and freed.
    EXPECT_FALSE(Information().InsertItem("LWK", std::make_unique<TInformationItem>(nullptr)));
    EXPECT_EQ(Information().Count(), 2);
}

TEST_F(InformationModel, RegisteringInOneGoGivesWhatRegisteringOneByOneGives) {
    // Case twins, punctuation that collates apart from the byte order, an ignorable control
    // character, a letter outside ASCII.
    const char* names[] = {"a\x01", "b",   "A",     "a",  "B",  "a_b",
                           "ab",    "a-b", "\xC4x", "ax", "Ab", "a b"};
    std::vector<TItemRegistration> registrations;
    for (const char* name : names) {
        registrations.push_back(Registration(name, vkFloat));
    }
    TInformationListEntry oneByOne(MakeIntf<TDefaultBabelFish>());
    oneByOne.Information = std::make_unique<TInformation>(&oneByOne);
    for (const TItemRegistration& registration : registrations) {
        oneByOne.Information->RegisterItem(registration);
    }
    Information().RegisterItems(registrations);

    const TInformation& expected = *oneByOne.Information;
    ASSERT_EQ(Information().Count(), expected.Count());
    EXPECT_EQ(FEntry->ItemCount, oneByOne.ItemCount);
    for (int i = 0; i < expected.Count(); ++i) {
        EXPECT_EQ(Information().Item(i).Name, expected.Item(i).Name);
        EXPECT_EQ(Information().Item(i).Index, i);
        EXPECT_EQ(Information().Item(i).Entry, FEntry.get());
    }
    ASSERT_EQ(Information().ItemsByName().Count(), expected.ItemsByName().Count());
    for (int i = 0; i < expected.ItemsByName().Count(); ++i) {
        EXPECT_EQ(Information().ItemsByName().GetKeyString(i),
                  expected.ItemsByName().GetKeyString(i));
    }
    for (const char* name : names) {
        EXPECT_EQ(Information().FindItem(name)->Name, expected.FindItem(name)->Name) << name;
    }
}

TEST_F(InformationModel, ClearFreesEveryItemAndRegistrationGoesOn) {
    constexpr TTextId ids[] = {3510, 3511};
    for (const char* name : {"a", "b", "c"}) {
        Information().RegisterItem(Registration(name, vkChoice, ids));
    }
    Information().Clear();
    EXPECT_EQ(Information().Count(), 0);
    EXPECT_EQ(Information().ItemsByName().Count(), 0);
    EXPECT_EQ(Information().FindItem("a"), nullptr);
    // Index is a creation number of the entry, so it goes on after a Clear.
    Information().RegisterItem(Registration("a", vkFloat));
    EXPECT_EQ(Information().Item(0).Index, 3);
}

TEST_F(InformationModel, CopiesTakeTheTextsOfTheirOwnEntry) {
    constexpr TTextId ids[] = {3510, 3511};
    Information().RegisterItem(Registration("BNsp", vkChoice, ids));
    Information().RegisterItem(Registration("Lp", vkFloat));

    TInformationListEntry copy(nullptr);
    copy.Information = std::make_unique<TInformation>(&copy);
    copy.Information->CopyItemsFrom(Information());
    copy.Information->CopyItemsFrom(Information());
    ASSERT_EQ(copy.Information->Count(), 2);
    const TInformationItem& bnsp = copy.Information->Item(0);
    EXPECT_EQ(bnsp.Entry, &copy);
    EXPECT_EQ(bnsp.Index, 2);
    EXPECT_TRUE(bnsp.HasChoices);
    EXPECT_EQ(Texts(bnsp.ChoiceIds.get()), (std::vector<std::string>{"3510", "3511"}));
    EXPECT_EQ(Texts(bnsp.ChoiceTexts.get()), (std::vector<std::string>{"15 kV AC", "25 kV AC"}));
    EXPECT_NE(bnsp.ChoiceIds.get(), Information().Item(0).ChoiceIds.get());
    EXPECT_EQ(copy.Information->Item(1).Symbol, "LP");
    EXPECT_EQ(copy.Information->Item(1).ChoiceIds, nullptr);
}

TEST_F(InformationModel, ItemTextsWithoutACatalogAreTheBuiltInGerman) {
    EXPECT_EQ(WideToUtf8(GetItemText(nullptr, 1000)), "Länge über Puffer");
    TInformationListEntry noCatalog(nullptr);
    EXPECT_EQ(WideToUtf8(GetItemText(&noCatalog, 3001)), "m");
    EXPECT_EQ(GetItemText(&noCatalog, 999), u"");
    EXPECT_EQ(GetItemText(&noCatalog, 17001), u"");
    EXPECT_EQ(GetItemText(FEntry.get(), 0), u"");
}

TEST_F(InformationModel, TheInformationOffersItsEntrysCatalog) {
    TInformation& information = Information();
    EXPECT_EQ(information.AddRef(), -1);
    EXPECT_EQ(information.Release(), -1);
    const auto catalog = Supports<IBabelFish>(&information);
    ASSERT_TRUE(catalog);
    EXPECT_EQ(catalog.Get(), FEntry->BabelFish.Get());
    EXPECT_TRUE(Supports<IInterface>(&information));
    EXPECT_FALSE(Supports<ILangUpdate>(&information));

    TInformationListEntry noCatalog(nullptr);
    TInformation orphan(&noCatalog);
    EXPECT_FALSE(Supports<IBabelFish>(&orphan));
    void* found = &orphan;
    EXPECT_EQ(orphan.QueryInterface(IBabelFish::IID, &found), kStatusNoInterface);
    EXPECT_EQ(found, nullptr);
}

TEST_F(InformationModel, ACatalogFailureEndsTheRegistrationWithoutAnItem) {
    TInformationListEntry broken(MakeIntf<TFailingCatalog>());
    broken.Information = std::make_unique<TInformation>(&broken);
    EXPECT_THROW(broken.Information->RegisterItem(Registration("Lp", vkFloat)), Exception);
    EXPECT_EQ(broken.Information->Count(), 0);
    EXPECT_EQ(broken.Information->ItemsByName().Count(), 0);
}

TEST(InformationList, AFailingCatalogAddsNoEntry) {
    FillDefStrings();
    {
        TInformationList list;
        TBabelFishAdmin admin;
        admin.Catalogs().Add("BAD", MakeIntf<TFailingCatalog>());
        EXPECT_THROW(list.AddLanguageEntries(admin), Exception);
        EXPECT_EQ(list.EntryCount(), 1);
        EXPECT_EQ(list.FindEntry("BAD"), nullptr);
    }
    ClearDefStrings();
}

} // namespace
