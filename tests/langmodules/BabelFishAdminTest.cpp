#include "textcatalog/BabelFishAdmin.h"

#include "platform/CodePage.h"
#include "platform/Directory.h"
#include "runtime/Exception.h"
#include "tests/TempFolder.h"
#include "textcatalog/StaticBabelFish.h"
#include "textcatalog/uDefStrings.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string ModuleFile(const char* name) {
    return std::string("modules/") + name + MODULE_SUFFIX;
}

void SetEnvironment(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

// A listener that notes each notification in a shared log, and can be made to fail.
class TRecordingListener : public TImplements<TInterfacedObject, ILangUpdate> {
public:
    TRecordingListener(std::vector<std::string>& log, std::string name, bool fails = false)
        : FLog(log), FName(std::move(name)), FFails(fails) {}
    HResult UpdateLanguage() noexcept override {
        FLog.push_back(FName);
        return FFails ? kStatusFail : kStatusOk;
    }

private:
    std::vector<std::string>& FLog;
    std::string FName;
    bool FFails;
};

WideString Locale(const IntfPtr<IInterface>& catalog) {
    WideString text;
    EXPECT_EQ(Supports<IBabelFish>(catalog)->GetLocale(text), kStatusOk);
    return text;
}

WideString Description(const IntfPtr<IInterface>& catalog) {
    WideString text;
    EXPECT_EQ(Supports<IBabelFish>(catalog)->GetDescription(text), kStatusOk);
    return text;
}

// A program folder in a temporary place, filled with copies of the test modules.
class BabelFishAdmin : public ::testing::Test {
protected:
    void SetUp() override { FillDefStrings(); }
    void TearDown() override {
        FAdmin.reset();
        ClearDefStrings();
    }
    void Place(const char* module, const fs::path& as) {
        fs::create_directories((FFolder / as).parent_path());
        fs::copy_file(ModuleFile(module), FFolder / as);
    }
    void Scan() { FAdmin->ScanModules(FFolder.string()); }
    std::vector<std::pair<std::string, WideString>> Registered() {
        std::vector<std::pair<std::string, WideString>> result;
        for (int i = 0; i < FAdmin->Catalogs().Count(); ++i) {
            result.emplace_back(FAdmin->Catalogs().GetKeyString(i),
                                Description(FAdmin->Catalogs().GetItem(i)));
        }
        return result;
    }

    TTempFolder FTemp;
    const fs::path FFolder = FTemp.Folder();
    std::unique_ptr<TBabelFishAdmin> FAdmin = std::make_unique<TBabelFishAdmin>();
};

TEST_F(BabelFishAdmin, FolderWithoutModulesLeavesOnlyTheBuiltInGerman) {
    std::ofstream(FFolder / "readme.txt") << "text";
    fs::create_directories(FFolder / "empty");
    Scan();
    ASSERT_EQ(Registered(),
              (std::vector<std::pair<std::string, WideString>>{{"DEU", u"Deutsch (Deutschland)"}}));
    EXPECT_EQ(FAdmin->GetLocale(), u"DEU");
}

TEST_F(BabelFishAdmin, ScanFindsModulesBelowTheFolderAndSkipsExcludedExtensions) {
    Place("complete", "sprachen/tief/test.lng");
    Place("english", "ENGLISH.DLL");  // excluded in any letter case: never offered
    Place("trailing", "ohne_endung"); // a file without extension is offered
    Scan();
    EXPECT_EQ(Registered(),
              (std::vector<std::pair<std::string, WideString>>{{"ABC", u"Testsprache"},
                                                               {"DEU", u"Deutsch (Deutschland)"},
                                                               {"TST", u"Testsprache"}}));
}

TEST_F(BabelFishAdmin, ScanRunsNoForeignLibraryAndLeavesOutModulesThatFault) {
    const fs::path marks = FFolder / "marks.txt";
    SetEnvironment("VEXA_TEST_LOAD_MARK", marks.string());
    Place("foreign", "toolkit/libforeign.so.1");
    Place("ending", "toolkit/plugins/ending.lng");
    Place("nodescription", "halb.lng");
    Place("faultstring", "sprachen/absturz.lng");
    Place("complete", "sprachen/test.lng");
    ::testing::internal::CaptureStderr();
    Scan();
    const std::string said = ::testing::internal::GetCapturedStderr();
    SetEnvironment("VEXA_TEST_LOAD_MARK", "");
    EXPECT_EQ(Registered(), (std::vector<std::pair<std::string, WideString>>{
                                {"DEU", u"Deutsch (Deutschland)"}, {"TST", u"Testsprache"}}));
    std::ifstream in(marks);
    for (std::string line; std::getline(in, line);) {
        EXPECT_TRUE(line == "+TST" || line == "+FST") << line; // tried, or loaded
    }
    EXPECT_NE(said.find("absturz.lng not loaded"), std::string::npos) << said;
}

TEST_F(BabelFishAdmin, FirstModuleOfACodeWinsAndAGermanModuleTakesTheGermanKey) {
    Place("complete", "a.lng");
    Place("second", "b.lng");
    Place("german", "deutsch.lng");
    Scan();
    // The first of the two "TST" modules in the order the file system delivers them wins.
    WideString first;
    EnumerateFolder(FFolder.string(), [&](const TFolderEntry& entry) {
        if (first.empty() && (entry.Name == "a.lng" || entry.Name == "b.lng")) {
            first = entry.Name == "a.lng" ? u"Testsprache" : u"Zweite Testsprache";
        }
    });
    EXPECT_EQ(Registered(), (std::vector<std::pair<std::string, WideString>>{
                                {"deu", u"Deutsch als Modul"}, {"TST", first}}));
}

TEST_F(BabelFishAdmin, SelectingEnglishWithoutModuleUsesTheBuiltInTableAndNotifiesListeners) {
    std::vector<std::string> log;
    FAdmin->AddListener(MakeIntf<TRecordingListener>(log, "first"));
    FAdmin->AddListener(MakeIntf<TInterfacedObject>()); // no ILangUpdate: not told
    FAdmin->AddListener(MakeIntf<TRecordingListener>(log, "second"));
    Scan();
    EXPECT_TRUE(log.empty());
    for (const char* code : {"ENU", "enu"}) {
        log.clear();
        FAdmin->SelectLanguage("DEU");
        log.clear();
        FAdmin->SelectLanguage(code);
        EXPECT_EQ(FAdmin->GetLocale(), u"ENU") << code;
        EXPECT_EQ(FAdmin->GetString(10031), u"Cancel");
        EXPECT_EQ(log, (std::vector<std::string>{"first", "second"})) << code;
    }
}

TEST_F(BabelFishAdmin, TheCurrentCodeOrAnUnknownOneChangesNothing) {
    std::vector<std::string> log;
    FAdmin->AddListener(MakeIntf<TRecordingListener>(log, "listener"));
    Scan();
    const IntfPtr<IBabelFish> before = FAdmin->Current;
    FAdmin->SelectLanguage("DEU");
    FAdmin->SelectLanguage("deu");
    FAdmin->SelectLanguage("XYZ");
    EXPECT_EQ(FAdmin->Current, before);
    FAdmin->SetCurrent(MakeIntf<TDefaultBabelFish>()); // another catalog of the same language
    FAdmin->SetCurrent(nullptr);
    EXPECT_EQ(FAdmin->Current, before);
    EXPECT_TRUE(log.empty());
}

TEST_F(BabelFishAdmin, AModuleForEnglishWinsOverTheBuiltInTable) {
    Place("english", "english.lng");
    Scan();
    FAdmin->SelectLanguage("ENU");
    EXPECT_EQ(Description(FAdmin->Current), u"English as a module");
}

TEST_F(BabelFishAdmin, AFailingListenerStopsTheNotificationAtOnce) {
    std::vector<std::string> log;
    FAdmin->AddListener(MakeIntf<TRecordingListener>(log, "fails", true));
    FAdmin->AddListener(MakeIntf<TRecordingListener>(log, "after"));
    EXPECT_THROW(FAdmin->SelectLanguage("ENU"), EOSError);
    EXPECT_EQ(log, (std::vector<std::string>{"fails"}));
}

TEST_F(BabelFishAdmin, CatalogsLiveOnWhileReferencedAfterTheAdministratorGoes) {
    Place("complete", "test.lng");
    Scan();
    int index = -1;
    IntfPtr<IBabelFish> module;
    ASSERT_TRUE(FAdmin->Catalogs().Find("tst", index, module));
    FAdmin.reset();
    EXPECT_EQ(Locale(module), u"TST");
}

TEST(StaticBabelFish, EnglishTableAndItsFallbacks) {
    FillDefStrings();
    const auto english = MakeIntf<TBabelFishEN>();
    IBabelFish& catalog = *english;
    WideString text;
    const std::pair<TTextId, const char*> cases[] = {
        {1000, "Length over buffers"},
        {10030, "OK"},
        {10031, "Cancel"},
        {10603, ""},
        {10604, ""},
        {5600, ""},
        {16000, "(16000*)"},
        {0, "(0*)"},
        {11303, "E-Mail not sended (Status code %d)."},
    };
    for (const auto& [id, expected] : cases) {
        ASSERT_EQ(catalog.GetString(id, text), kStatusOk);
        EXPECT_EQ(text, Utf8ToWide(expected)) << id;
    }
    ASSERT_EQ(catalog.GetLocale(text), kStatusOk);
    EXPECT_EQ(text, u"ENU");
    ASSERT_EQ(catalog.GetDescription(text), kStatusOk);
    EXPECT_EQ(text, u"English (United States) *");
    // A row for every German id and the two English-only rows.
    int germanRows = 0;
    for (TTextId id = kFirstDefStringId; id <= kLastDefStringId; ++id) {
        germanRows += !GetDefString(id).empty() || id == 5600 || id == 5601;
    }
    EXPECT_EQ(english->Texts().Count(), germanRows + 2);
    ClearDefStrings();
}

TEST(StaticBabelFish, FirstTextOfAnIdStaysAndMissingRowsAreMarkedGerman) {
    FillDefStrings();
    const auto table = MakeIntf<TStaticBabelFish>();
    table->AddText(10030, "Okay");
    table->AddText(10030, "Second");
    table->AddText(5601, "");
    EXPECT_EQ(table->GetString(TTextId{10030}), u"Okay");
    EXPECT_EQ(table->GetString(TTextId{5601}), u"");
    EXPECT_EQ(table->GetString(TTextId{1000}), Utf8ToWide("Länge über Puffer(1000*)"));
    EXPECT_EQ(table->GetString(TTextId{4294967295u}), u"(4294967295*)");
    ClearDefStrings();
}

} // namespace

namespace {

// The program's own folder holds the shipped French module in a folder below it.
TEST(ProgramFolderScan, FindsTheShippedFrenchModuleBelowTheProgram) {
    FillDefStrings();
    const AnsiString folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), PathDelimiter());
    ScanLanguageModules();
    int index = -1;
    IntfPtr<IBabelFish> french;
    ASSERT_TRUE(::BabelFishAdmin()->Catalogs().Find("fra", index, french));
    EXPECT_EQ(Description(french), Utf8ToWide("Français (France)"));
    ::BabelFishAdmin()->SelectLanguage("FRA");
    EXPECT_EQ(GetLangString(10031), u"Annuler");
    FreeBabelFishAdmin();
    ClearDefStrings();
}

} // namespace
