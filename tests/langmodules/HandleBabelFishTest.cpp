#include "textcatalog/HandleBabelFish.h"

#include "platform/CodePage.h"
#include "platform/FontDefaults.h"
#include "runtime/Exception.h"
#include "tests/TempFolder.h"
#include "textcatalog/uDefStrings.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

AnsiString ModulePath(const char* name) {
    return AnsiString("modules/") + name + MODULE_SUFFIX;
}

void SetEnvironment(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

// Real modules, loaded and unloaded; each one notes in a file when its code runs.
class HandleBabelFish : public ::testing::Test {
protected:
    void SetUp() override {
        FillDefStrings();
        FMarks = FFolder / "marks.txt";
        SetEnvironment("VEXA_TEST_LOAD_MARK", FMarks.string());
    }
    void TearDown() override {
        SetEnvironment("VEXA_TEST_LOAD_MARK", "");
        ClearDefStrings();
    }
    std::string Marks() const {
        std::ifstream in(FMarks);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    WideString Text(IBabelFish& fish, TTextId id) {
        WideString text;
        EXPECT_EQ(fish.GetString(id, text), kStatusOk);
        return text;
    }

    TTempFolder FTemp;
    const fs::path FFolder = FTemp.Folder();
    fs::path FMarks;
};

TEST_F(HandleBabelFish, CompleteModuleServesItsTextsAndGermanWhereItHasNone) {
    auto fish = THandleBabelFish::TryLoad(ModulePath("complete"));
    ASSERT_TRUE(fish);
    IBabelFish& catalog = *fish;
    WideString text;
    ASSERT_EQ(catalog.GetLocale(text), kStatusOk);
    EXPECT_EQ(text, u"TST");
    ASSERT_EQ(catalog.GetDescription(text), kStatusOk);
    EXPECT_EQ(text, u"Testsprache");
    std::uint8_t charset = 0;
    ASSERT_EQ(catalog.GetCharset(charset), kStatusOk);
    EXPECT_EQ(charset, kDefaultCharset);
    ASSERT_EQ(catalog.GetFontName(text), kStatusOk);
    EXPECT_EQ(text, DefaultFontFaceName());

    const std::pair<TTextId, const char*> cases[] = {
        {10030, "D'accord"},        // written into the buffer
        {10031, "Texte du module"}, // the module's own text
        {10032, "Hilfe"},           // empty: German
        {10156, "Fehler"},          // null: German
        {1000, "Länge über Puffer"},
        {16000, "seize mille"},
        {5600, ""}, // neither has a text
    };
    for (const auto& [id, expected] : cases) {
        EXPECT_EQ(Text(catalog, id), Utf8ToWide(expected)) << id;
    }
    // A text that fills the whole buffer is read up to the buffer's end, not beyond, and a text
    // of the module's own no further than the interface's length.
    EXPECT_EQ(Text(catalog, 9009), WideString(VEXA_LANG_TEXT_MAX_LEN, u'w'));
    EXPECT_EQ(Text(catalog, 9010), WideString(VEXA_LANG_TEXT_MAX_LEN, u'o'));
}

TEST_F(HandleBabelFish, ModuleStaysLoadedExactlyAsLongAsItsCatalog) {
    auto fish = THandleBabelFish::TryLoad(ModulePath("complete"));
    ASSERT_TRUE(fish);
    // Loaded here once, after its trial (which Linux runs in a process of its own).
    const std::string loaded = Marks();
    EXPECT_TRUE(loaded.ends_with("+TST\n")) << loaded;
    EXPECT_EQ(loaded.find("-TST"), std::string::npos) << loaded;
    IntfPtr<IBabelFish> second = fish;
    fish.Reset();
    EXPECT_EQ(Marks(), loaded);
    second.Reset();
    EXPECT_EQ(Marks(), loaded + "-TST\n");
}

TEST_F(HandleBabelFish, LibrariesWithoutAllThreeExportsAreNeverLoaded) {
    // Two of the three entry points; other functions; other functions and an initialiser that
    // ends the process it is loaded into.
    for (const char* name : {"nodescription", "foreign", "ending"}) {
        EXPECT_FALSE(THandleBabelFish::TryLoad(ModulePath(name))) << name;
    }
    EXPECT_EQ(Marks(), "");
    // Named as a module, the file is loaded without that check, and refused.
    try {
        THandleBabelFish fish(AnsiToWide(ModulePath("nodescription")));
        FAIL() << "no error raised";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid VEXA language module!");
    }
    EXPECT_EQ(Marks(), "+TSN\n-TSN\n");
    EXPECT_THROW(THandleBabelFish(u"modules/missing" MODULE_SUFFIX), Exception);
}

TEST_F(HandleBabelFish, ModuleWhoseCodeFaultsWhenTriedIsRefusedAndNamed) {
    // Faults in each entry point, and a text address where nothing is.
    for (const char* name : {"faultlocale", "faultdescription", "faultstring", "wildtext"}) {
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(THandleBabelFish::TryLoad(ModulePath(name))) << name;
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(ModulePath(name)), std::string::npos) << said;
        EXPECT_NE(said.find("not loaded"), std::string::npos) << said;
    }
    EXPECT_TRUE(THandleBabelFish::TryLoad(ModulePath("complete")));
}

#ifdef _WIN32
// Windows catches a fault of a loaded module's code at the catalog's boundary.
TEST_F(HandleBabelFish, FaultWhileAModuleFunctionRunsComesBackAsTheFailureStatus) {
    auto fish = THandleBabelFish::TryLoad(ModulePath("complete"));
    ASSERT_TRUE(fish);
    IBabelFish& catalog = *fish;
    WideString text = u"left over";
    EXPECT_EQ(catalog.GetString(20000, text), kStatusUnexpected); // writes through null
    EXPECT_EQ(text, u"");
    EXPECT_EQ(Text(catalog, 10030), u"D'accord");
    EXPECT_EQ(catalog.GetString(20000, text), kStatusUnexpected);
}
#endif

TEST_F(HandleBabelFish, LengthPrefixedCodeIgnoresBytesAfterIt) {
    auto fish = THandleBabelFish::TryLoad(ModulePath("trailing"));
    ASSERT_TRUE(fish);
    WideString code;
    ASSERT_EQ(static_cast<IBabelFish&>(*fish).GetLocale(code), kStatusOk);
    EXPECT_EQ(code, u"ABC");
}

TEST_F(HandleBabelFish, FilesThatAreNoLibraryAreRejectedWithoutRunningAnyCode) {
    const fs::path text = FFolder / "readme.txt";
    std::ofstream(text) << "Kein Sprachmodul.\n";
    const fs::path empty = FFolder / "empty.lng";
    std::ofstream(empty).flush();
    // The first part of a real module, as an interrupted copy leaves it.
    const fs::path truncated = FFolder / ("truncated" MODULE_SUFFIX);
    {
        std::ifstream in(ModulePath("complete"), std::ios::binary);
        std::string head(2048, '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        std::ofstream(truncated, std::ios::binary) << head;
    }
    for (const fs::path& file : {text, empty, truncated, FFolder}) {
        EXPECT_FALSE(THandleBabelFish::TryLoad(file.string())) << file;
    }
    EXPECT_EQ(Marks(), "");
}

TEST_F(HandleBabelFish, CatalogWithoutModuleAnswersAsGerman) {
    auto fish = MakeIntf<THandleBabelFish>();
    EXPECT_FALSE(fish->HasModule());
    IBabelFish& catalog = *fish;
    WideString text;
    ASSERT_EQ(catalog.GetLocale(text), kStatusOk);
    EXPECT_EQ(text, u"DEU");
    ASSERT_EQ(catalog.GetDescription(text), kStatusOk);
    EXPECT_EQ(text, u"Deutsch (Deutschland)");
    EXPECT_EQ(Text(catalog, 10031), u"Abbrechen");
}

} // namespace

namespace {

TEST_F(HandleBabelFish, FrenchSampleModuleTranslatesTheWindowAndLeavesTheRestToGerman) {
    auto fish = THandleBabelFish::TryLoad("modules/francais.lng");
    ASSERT_TRUE(fish);
    IBabelFish& catalog = *fish;
    WideString text;
    ASSERT_EQ(catalog.GetLocale(text), kStatusOk);
    EXPECT_EQ(text, u"FRA");
    ASSERT_EQ(catalog.GetDescription(text), kStatusOk);
    EXPECT_EQ(text, Utf8ToWide("Français (France)"));
    const std::pair<TTextId, const char*> cases[] = {
        {10031, "Annuler"},
        {10156, "Erreur"},
        {11303, "Le courriel n'a pas été envoyé (code d'état %d)."},
        {10770, "VEXA – Message au support"},
        {1001, "Länge des Wagenkastens"}, // not translated: German
    };
    for (const auto& [id, expected] : cases) {
        EXPECT_EQ(Text(catalog, id), Utf8ToWide(expected)) << id;
    }
}

} // namespace
