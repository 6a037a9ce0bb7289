#include "support/MiscTool.h"

#include "ListFixtures.h"
#include "platform/CodePage.h"
#include "platform/Environment.h"
#include "platform/ProgramPath.h"
#include "platform/ShellFolders.h"
#include "platform/VersionInfo.h"
#include "textcatalog/uDefStrings.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>

namespace {

std::filesystem::path FsPath(const AnsiString& name) {
    return std::filesystem::path(AnsiToWide(name));
}

AnsiString ProgramFolder() {
    const AnsiString program = ProgramFileName();
    return program.substr(0, program.find_last_of("\\/") + 1);
}

// The programs built beside this test with their own version data.
AnsiString FixtureFile(const char* name) {
    return ProgramFolder() + name + VEXA_EXECUTABLE_SUFFIX;
}

// Kind 3 takes its head from the text catalog, here the built-in German texts.
class MiscTool : public ::testing::Test {
protected:
    void SetUp() override { FillDefStrings(); }
    void TearDown() override { ClearDefStrings(); }
};

TEST_F(MiscTool, VersionTextsOfProgramsWithDifferentVersionData) {
    struct Case {
        const char* fixture;
        const char* product; // kind 1, UTF-8
        const char* version; // kind 2
        const char* legal;   // kind 3
        std::int32_t major;
        std::int32_t minor;
    };
    const Case cases[] = {
        {"vexa_version_full", "VEXA Prüfstand 7.1 Build 2 (Beta 3)", "Version 7.1 Build 2 (Beta 3)",
         "Copyright © 2026 Brenik", 7, 1},
        // Present but empty product version and comments, no product name, no legal notice.
        {"vexa_version_empty_values", "  Build 2", "Version  Build 2", "Copyright", -1, -1},
        {"vexa_version_no_values", "", "Version", "Copyright", -1, -1},
        {"vexa_version_no_resource", "", "", "", -1, -1},
        // A file version without ".", comments that say "vollversion", an empty legal notice.
        {"vexa_version_full_release", "VEXA 7.1.2 Build 42", "Version 7.1.2 Build 42", "Copyright ",
         7, -1},
        // A file version ending in "." has no build.
        {"vexa_version_minor_only", "VEXA .5", "Version .5", "Copyright", -1, 5},
        {"vexa_version_major_only", "VEXA 7 (Vorabversion)", "Version 7 (Vorabversion)",
         "Copyright", -1, -1},
    };
    for (const Case& c : cases) {
        const AnsiString file = FixtureFile(c.fixture);
        ASSERT_TRUE(std::filesystem::exists(FsPath(file))) << file;
        EXPECT_EQ(GetVersionText(kVersionTextProduct, file), Utf8ToAnsi(c.product)) << c.fixture;
        EXPECT_EQ(GetVersionText(kVersionTextVersion, file), Utf8ToAnsi(c.version)) << c.fixture;
        EXPECT_EQ(GetVersionText(kVersionTextCopyright, file), Utf8ToAnsi(c.legal)) << c.fixture;
        std::int32_t major = 0;
        std::int32_t minor = 0;
        GetProductVersion(file, major, minor);
        EXPECT_EQ(major, c.major) << c.fixture;
        EXPECT_EQ(minor, c.minor) << c.fixture;
        EXPECT_EQ(GetProductRegistryKey(file), "SOFTWARE\\Brenik\\VEXA\\" +
                                                   std::to_string(c.major) + "." +
                                                   std::to_string(c.minor))
            << c.fixture;
    }
}

TEST_F(MiscTool, KindsWithoutMeaningGiveAnEmptyText) {
    const AnsiString file = FixtureFile("vexa_version_full");
    for (const int kind : {0, 4, 5, 128, 255}) {
        EXPECT_EQ(GetVersionText(static_cast<std::uint8_t>(kind), file), "") << kind;
    }
}

TEST_F(MiscTool, TheProgramReadsItsOwnVersion) {
    EXPECT_EQ(GetVersionText(kVersionTextProduct), "VEXA Testprogramm 3.4 Build 17 (Testversion)");
    EXPECT_EQ(GetVersionText(kVersionTextCopyright), "Copyright (c) Brenik");
    std::int32_t major = 0;
    std::int32_t minor = 0;
    GetProductVersion(major, minor);
    EXPECT_EQ(major, 3);
    EXPECT_EQ(minor, 4);
    EXPECT_EQ(GetProductRegistryKey(), "SOFTWARE\\Brenik\\VEXA\\3.4");
}

TEST_F(MiscTool, TheMailProgramCarriesTheProductVersion) {
    const AnsiString file = FixtureFile("vexamail");
    EXPECT_EQ(GetVersionText(kVersionTextProduct, file), Utf8ToAnsi(VEXA_MAIL_PRODUCT_TEXT));
    EXPECT_EQ(GetVersionText(kVersionTextCopyright, file), Utf8ToAnsi(VEXA_MAIL_LEGAL_TEXT));
    EXPECT_EQ(GetProductRegistryKey(file), VEXA_MAIL_REGISTRY_KEY);
}

TEST(VersionInfo, PathsAreFoundWithoutRegardToCaseAndForeignFilesHaveNone) {
    const auto info = ReadVersionInfo(ProgramFileName());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->QueryValue("\\stringfileinfo\\040704e4\\PRODUCTVERSION"), "3.4");
    EXPECT_EQ(info->QueryValue("StringFileInfo\\040904E4\\ProductVersion"), std::nullopt);
    EXPECT_EQ(info->QueryValue("StringFileInfo\\040704E4\\PrivateBuild"), std::nullopt);

    // The version travels with the file.
    const AnsiString copy = ProgramFolder() + "vexa_version_copied" VEXA_EXECUTABLE_SUFFIX;
    std::filesystem::copy_file(FsPath(FixtureFile("vexa_version_full")), FsPath(copy),
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(GetVersionText(kVersionTextVersion, copy), "Version 7.1 Build 2 (Beta 3)");
    std::filesystem::remove(FsPath(copy));

    const AnsiString text = ProgramFolder() + "vexa_version_not_a_program.txt";
    std::ofstream(FsPath(text)) << "VEXA\nStringFileInfo\\040704E4\\ProductName\n";
    EXPECT_FALSE(ReadVersionInfo(text));
    std::filesystem::remove(FsPath(text));
    EXPECT_FALSE(ReadVersionInfo(ProgramFolder() + "no such program"));
}

TEST(MiscToolFiles, ExtensionsAreReplacedInTheLastPartOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Tools\\app.exe", "C:\\Tools\\app.ini"},
        {"/opt/vexa/bin/vexamail", "/opt/vexa/bin/vexamail.ini"},
        {"/opt/vexa.d/bin/vexamail", "/opt/vexa.d/bin/vexamail.ini"},
        {"C:\\Tools.1\\app", "C:\\Tools.1\\app.ini"},
        {"archive.tar.gz", "archive.tar.ini"},
        {"app.", "app.ini"},
        {"", ".ini"},
    };
    for (const auto& [file, expected] : cases) {
        EXPECT_EQ(ChangeFileExt(file, ".ini"), expected) << file;
    }
    EXPECT_EQ(GetProgramIniFileName(), ChangeFileExt(ProgramFileName(), ".ini"));
    EXPECT_TRUE(GetProgramIniFileName().ends_with("vexa_misctool_tests.ini"));
}

class MiscToolEnvironment : public ::testing::Test {
protected:
    void Set(const char* name, std::optional<AnsiString> value) {
        FSaved.try_emplace(name, ReadEnvironmentVariable(name));
        WriteEnvironmentVariable(name, value);
    }
    void TearDown() override {
        for (const auto& [name, value] : FSaved) {
            WriteEnvironmentVariable(name, value);
        }
    }

private:
    std::map<AnsiString, std::optional<AnsiString>> FSaved;
};

TEST_F(MiscToolEnvironment, ReferencesAreExpandedHoweverLongTheResult) {
    Set("VEXA_TEST_SHORT", "kurz");
    Set("VEXA_TEST_EMPTY", "");
    Set("VEXA_TEST_UNDEFINED", std::nullopt);
    Set("VEXA_TEST_FIRST_ROOM", AnsiString(1047, 'a'));
    Set("VEXA_TEST_LONG", AnsiString(3000, 'b'));
    const std::pair<AnsiString, AnsiString> cases[] = {
        {"", ""},
        {"ohne", "ohne"},
        {"%VEXA_TEST_SHORT%\\Vexa.ini", "kurz\\Vexa.ini"},
        {"%VEXA_TEST_EMPTY%x", "x"},
        {"%VEXA_TEST_UNDEFINED%\\Vexa.ini", "%VEXA_TEST_UNDEFINED%\\Vexa.ini"},
        {"%VEXA_TEST_UNDEFINED%VEXA_TEST_SHORT%", "%VEXA_TEST_UNDEFINED%VEXA_TEST_SHORT%"},
        {"100%", "100%"},
        {"%%", "%%"},
        {"%VEXA_TEST_SHORT%%VEXA_TEST_SHORT%", "kurzkurz"},
        // Exactly the room of the first call, with its NUL.
        {"%VEXA_TEST_FIRST_ROOM%", AnsiString(1047, 'a')},
        // One character more than that, and far more: the second call does it completely.
        {"%VEXA_TEST_FIRST_ROOM%c", AnsiString(1047, 'a') + "c"},
        {"%VEXA_TEST_LONG%|%VEXA_TEST_LONG%", AnsiString(3000, 'b') + "|" + AnsiString(3000, 'b')},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ExpandEnvironmentText(text), expected) << text.substr(0, 60);
    }
}

TEST_F(MiscToolEnvironment, ExpansionReportsTheRoomItNeeds) {
    Set("VEXA_TEST_SHORT", "kurz");
    char small[3] = {'x', 'x', 'x'};
    EXPECT_EQ(ExpandEnvironment("%VEXA_TEST_SHORT%", small), 5u);
    char exact[5] = {};
    EXPECT_EQ(ExpandEnvironment("%VEXA_TEST_SHORT%", exact), 5u);
    EXPECT_EQ(AnsiString(exact), "kurz");
}

TEST(MiscToolFolders, TheApplicationDataFolderIsFoundAndUnknownFoldersFail) {
    AnsiString path = "stale";
    EXPECT_EQ(GetSpecialFolderPath(kCsidlAppData, path), kStatusOk);
    EXPECT_FALSE(path.empty());
    EXPECT_TRUE(std::filesystem::is_directory(FsPath(path))) << path;

    path = "stale";
    EXPECT_TRUE(Failed(GetSpecialFolderPath(0x7F, path)));
    EXPECT_EQ(path, "");
}

TEST(MiscToolLists, FreeListObjectsFreesEachObjectOnceAndClears) {
    FreeListObjects(nullptr);

    TStringList plain;
    plain.Add("a");
    plain.Add("b");
    FreeListObjects(&plain);
    EXPECT_EQ(plain.Count(), 0);

    std::map<std::string, int> freed;
    auto list = std::make_unique<TStringList>(TStringListSettings{.Sorted = true});
    auto* shared = new TTracked(freed, "shared");
    list->AddObject("formplacementreset", new TTracked(freed, "patch"));
    list->AddObject("first", shared);
    list->AddObject("second", shared);
    list->Add("without object");
    FreeListAndObjects(list);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(freed, (std::map<std::string, int>{{"patch", 1}, {"shared", 1}}));
    FreeListAndObjects(list);
}

} // namespace
