#include "platform/FileAccess.h"
#include "platform/ProgramPath.h"
#include "settings/RegistryKeyPath.h"
#include "settings/StoragePlaceholders.h"
#include "settings/VexaAppIniFileStorage.h"
#include "settings/VexaAppRegistryStorage.h"
#include "ui/Screen.h"
#include "ui/headless/HeadlessBackend.h"

#include <gtest/gtest.h>
#include <regex>

namespace {

TEST(KeyPath, DropsEmptyAndDotSegments) {
    const std::pair<const char*, const char*> cases[] = {
        {"\\a\\\\b\\.\\c\\", "a\\b\\c"},
        {"a\\b\\c", "a\\b\\c"},
        {"", ""},
        {"\\\\\\", ""},
        {".\\.", ""},
        {"..\\a\\...", "..\\a\\..."},
        {"a.b\\.c", "a.b\\.c"},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(NormalizeKeyPath(path), expected) << path;
    }
}

TEST(RegistryStorage, RootIsNormalisedAndNoneStandsForTheEmptyPath) {
    TVexaAppRegistryStorage storage("SOFTWARE\\Brenik\\VEXA\\2.1");
    EXPECT_EQ(storage.RegRoot(), prCurrentUser);
    EXPECT_EQ(storage.Root(), "");
    EXPECT_TRUE(storage.FlushOnDestroy());
    storage.SelectSection("\\a\\\\b\\.\\c\\");
    EXPECT_EQ(storage.GetSection(), "a\\b\\c");
    storage.SelectSection("%none%");
    EXPECT_EQ(storage.Root(), "");
    storage.SelectSection("\\%NONE%\\");
    EXPECT_EQ(storage.Root(), "");
}

TEST(RegistryStorage, SubSectionFollowsTheBasePathWithOneBackslash) {
    for (const char* base : {"SOFTWARE\\Brenik\\VEXA\\2.1", "SOFTWARE\\Brenik\\VEXA\\2.1\\"}) {
        TVexaAppRegistryStorage storage(base);
        storage.SelectSubSection("FORMS");
        EXPECT_EQ(storage.GetSection(), "SOFTWARE\\Brenik\\VEXA\\2.1\\FORMS") << base;
    }
}

TEST(RegistryStorage, PlaceholdersInTheRootAreFilledAndTheResultNormalised) {
    TVexaAppRegistryStorage storage("");
    storage.SelectSection("SOFTWARE\\%APPL_NAME%\\%PRODUCTVERSION%\\");
    EXPECT_EQ(storage.Root(), "SOFTWARE\\VEXA Einstellungen\\2.1");
    // A value is taken as it is, even when it looks like a placeholder itself.
    storage.SelectSection("a\\%COMPANY_NAME%\\\\b");
    EXPECT_EQ(storage.Root(), "a\\Brenik %DATE%\\b");
}

TEST(RegistryStorage, TheSectionInterfaceIsOfferedWithoutCounting) {
    TVexaAppRegistryStorage storage("x");
    const IntfPtr<IStorageSection> section = Supports<IStorageSection>(&storage);
    ASSERT_TRUE(section);
    section->SelectSubSection("FORMS");
    EXPECT_EQ(storage.Root(), "x\\FORMS");
}

TEST(IniStorage, SectionIsTheDefaultSection) {
    TVexaAppIniFileStorage storage;
    EXPECT_EQ(storage.Location(), flCustom);
    EXPECT_EQ(storage.FileName(), "");
    storage.SelectSubSection("FORMS");
    EXPECT_EQ(storage.GetSection(), "FORMS");
    storage.SelectSection("Other");
    EXPECT_EQ(storage.DefaultSection(), "Other");
}

AnsiString Expand(std::string_view text) {
    AnsiString expanded;
    ExpandStoragePlaceholders(text, expanded);
    return expanded;
}

TEST(Placeholders, FillTheProgramsNamesAndVersionTexts) {
    const AnsiString program = ProgramFileName();
    AnsiString baseName = ExtractFileName(program);
    baseName.erase(baseName.rfind('.') == AnsiString::npos ? baseName.size() : baseName.rfind('.'));
    const std::pair<const char*, AnsiString> cases[] = {
        {"%APPL_NAME%", "VEXA Einstellungen"},
        {"% appl_name %", "VEXA Einstellungen"},
        {"%COMPANY_NAME%", "Brenik %DATE%"},
        {"%FILEVERSION%", "2.1.0.9"},
        {"%PRODUCTVERSION%", "2.1"},
        {"%EXENAME%", program},
        {"%FILENAME%", baseName},
        {"%FULLDIREXE%", ExtractFileDir(program)},
        {"[%FILENAME%|%PRODUCTVERSION%]", "[" + baseName + "|2.1]"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(Expand(text), expected) << text;
    }
    EXPECT_EQ(baseName, "vexa_settings_tests");
}

TEST(Placeholders, FillDateTimeAndScreenSize) {
    EXPECT_TRUE(std::regex_match(Expand("%DATE%"), std::regex(R"(\d\d_\d\d_\d{4})")));
    EXPECT_TRUE(std::regex_match(Expand("%TIME%"), std::regex(R"([0-2]\d_[0-5]\d_[0-6]\d)")));
    EXPECT_TRUE(std::regex_match(Expand("%DateTime%"),
                                 std::regex(R"(\d\d_\d\d_\d{4} [0-2]\d_[0-5]\d_[0-6]\d)")));
    const AnsiString size =
        std::to_string(Screen().Width()) + "x" + std::to_string(Screen().Height());
    EXPECT_EQ(Expand("%SCREENSIZE%"), size);
    EXPECT_EQ(Expand("%DESKTOPSIZE%"), size);
}

TEST(Placeholders, DesktopSizeSpansEveryMonitor) {
    SetHeadlessScreenSize({1024, 768});
    // A second monitor left of the screen, reaching higher up.
    SetHeadlessDesktopRect(TRect{-1280, -256, 1024, 768});
    EXPECT_EQ(Expand("%SCREENSIZE%"), "1024x768");
    EXPECT_EQ(Expand("%DESKTOPSIZE%"), "2304x1024");
    SetHeadlessDesktopRect(std::nullopt);
    EXPECT_EQ(Expand("%DESKTOPSIZE%"), "1024x768");
}

TEST(Placeholders, LeaveEverythingElseAsWrittenAndScanOnce) {
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "plain"},
        {"%", "%"},
        {"100%", "100%"},
        {"%%", "%%"},
        {"%UNKNOWN%", "%UNKNOWN%"},
        {"%FORMNAME%-%FORMCAPTION%", "%FORMNAME%-%FORMCAPTION%"},
        {"%NONE%", "%NONE%"},
        {"50% of %APPL_NAME%", "50% of VEXA Einstellungen"},
        {"%x%APPL_NAME%", "%xVEXA Einstellungen"},
        {"%APPL_NAME", "%APPL_NAME"},
    };
    for (const auto& [text, expected] : cases) {
        AnsiString expanded;
        const bool replaced = ExpandStoragePlaceholders(text, expanded);
        EXPECT_EQ(expanded, expected) << text;
        EXPECT_EQ(replaced, expanded != text) << text;
    }
}

} // namespace
