// Dictionary entries for real language modules, added by the scan for modules.
#include "datadict/InformationList.h"
#include "platform/CodePage.h"
#include "tests/TempFolder.h"
#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/uDefStrings.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

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

// A program folder with copies of test modules, and the dictionary of start-up.
class LanguageEntries : public ::testing::Test {
protected:
    void SetUp() override {
        FillDefStrings();
        CreateInformationList();
    }
    void TearDown() override {
        FAdmin.reset();
        FreeInformationList();
        ClearDefStrings();
    }
    void Place(const char* module, const char* as) {
        fs::copy_file(fs::path(TEST_MODULE_DIR) / (std::string(module) + MODULE_SUFFIX),
                      FFolder / as);
    }
    void Scan() { FAdmin->ScanModules(FFolder.string()); }
    std::vector<std::string> Codes() const {
        std::vector<std::string> codes;
        for (int i = 0; i < InformationList()->EntryCount(); ++i) {
            codes.push_back(InformationList()->Entries().Strings(i));
        }
        return codes;
    }

    TTempFolder FTemp;
    const fs::path FFolder = FTemp.Folder();
    std::unique_ptr<TBabelFishAdmin> FAdmin = std::make_unique<TBabelFishAdmin>();
};

TEST_F(LanguageEntries, AScanWithoutModulesAddsNothing) {
    Scan();
    EXPECT_EQ(Codes(), std::vector<std::string>{"DEU"});
}

TEST_F(LanguageEntries, AModuleGetsACopyOfTheItemsWithItsOwnTexts) {
    Place("dictionary", "dictionary.lng");
    Scan();
    ASSERT_EQ(Codes(), (std::vector<std::string>{"DEU", "Dic"}));
    const TInformationList& list = *InformationList();
    TInformationListEntry* entry = list.FindEntry("DIC");
    ASSERT_NE(entry, nullptr);
    ASSERT_EQ(entry, &list.Entry(1));
    WideString description;
    ASSERT_EQ(entry->BabelFish->GetDescription(description), kStatusOk);
    EXPECT_EQ(description, u"Dictionary texts");
    EXPECT_EQ(Supports<IBabelFish>(entry->Information.get()).Get(), entry->BabelFish.Get());

    const TInformation& reference = *list.ReferenceEntry().Information;
    const TInformation& copy = *entry->Information;
    ASSERT_EQ(copy.Count(), reference.Count());
    EXPECT_EQ(entry->ItemCount, reference.Count());
    for (int i = 0; i < copy.Count(); ++i) {
        const TInformationItem& from = reference.Item(i);
        const TInformationItem& item = copy.Item(i);
        SCOPED_TRACE(from.Name);
        EXPECT_EQ(item.Name, from.Name);
        EXPECT_EQ(item.Index, i);
        EXPECT_EQ(item.Entry, entry);
        EXPECT_EQ(item.SymbolId, from.SymbolId);
        EXPECT_EQ(item.CaptionId, from.CaptionId);
        EXPECT_EQ(item.HintId, from.HintId);
        EXPECT_EQ(item.UnitId, from.UnitId);
        EXPECT_EQ(item.HasLimits, from.HasLimits);
        EXPECT_EQ(item.MinValue, from.MinValue);
        EXPECT_EQ(item.MaxValue, from.MaxValue);
        EXPECT_EQ(item.DefaultValue, from.DefaultValue);
        EXPECT_EQ(item.Flags, from.Flags);
        EXPECT_EQ(item.HasChoices, from.HasChoices);
        EXPECT_EQ(Texts(item.ChoiceIds.get()), Texts(from.ChoiceIds.get()));
    }
    const TInformationItem& lp = *copy.FindItem("Lp");
    EXPECT_EQ(Utf8(lp.Caption), "Length over buffers");
    EXPECT_EQ(Utf8(lp.UnitText), "metre");
    // Texts the module lacks are the German ones.
    EXPECT_EQ(Utf8(lp.Symbol), "LP");
    EXPECT_EQ(Utf8(copy.FindItem("eta")->Caption), "Statische Unsymmetrie");
    EXPECT_EQ(Texts(copy.FindItem("BNsp")->ChoiceTexts.get()),
              (std::vector<std::string>{"15 kV AC", "25 kV AC", "1.5 kV DC", "3 kV DC"}));
    // The reference entry keeps its German texts.
    EXPECT_EQ(Utf8(reference.FindItem("Lp")->Caption), "Länge über Puffer");
}

TEST_F(LanguageEntries, ACodeOfAnExistingEntryInOtherCaseAddsNoEntry) {
    Place("german", "german.lng");
    Place("complete", "complete.lng");
    Scan();
    EXPECT_EQ(Codes(), (std::vector<std::string>{"DEU", "TST"}));
    EXPECT_EQ(InformationList()->FindEntry("deu"), &InformationList()->ReferenceEntry());
}

TEST_F(LanguageEntries, EntriesOutliveTheirModulesAndAreAddedOnce) {
    Place("dictionary", "dictionary.lng");
    Scan();
    Scan();
    EXPECT_EQ(Codes(), (std::vector<std::string>{"DEU", "Dic"}));
    // A scan that no longer finds the module (a loaded module cannot be deleted on Windows).
    fs::create_directories(FFolder / "elsewhere");
    FAdmin->ScanModules((FFolder / "elsewhere").string());
    EXPECT_EQ(FAdmin->Catalogs().Count(), 1);
    FAdmin.reset();
    ASSERT_EQ(Codes(), (std::vector<std::string>{"DEU", "Dic"}));
    // The entry's reference keeps the catalog usable after the administrator has gone.
    WideString text;
    EXPECT_EQ(InformationList()->Entry(1).BabelFish->GetString(1000, text), kStatusOk);
    EXPECT_EQ(text, u"Length over buffers");
}

TEST_F(LanguageEntries, WithoutTheDictionaryAScanExtendsNothing) {
    FreeInformationList();
    Place("dictionary", "dictionary.lng");
    Scan();
    EXPECT_EQ(InformationList(), nullptr);
    EXPECT_EQ(FAdmin->Catalogs().Count(), 2);
    AddLanguageEntries();
}

TEST_F(LanguageEntries, TheGlobalRoutineUsesTheLanguageAdministration) {
    Place("dictionary", "dictionary.lng");
    CreateBabelFishAdmin();
    BabelFishAdmin()->ScanModules(FFolder.string());
    EXPECT_EQ(Codes(), (std::vector<std::string>{"DEU", "Dic"}));
    AddLanguageEntries();
    EXPECT_EQ(InformationList()->EntryCount(), 2);
    FreeBabelFishAdmin();
}

} // namespace
