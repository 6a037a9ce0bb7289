#include "SettingsFixtures.h"
#include "runtime/Exception.h"
#include "settings/VexaAppIniFileStorage.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr char kMessyFile[] = "; written by hand\r\n"
                              "stray=line before any section\r\n"
                              "\r\n"
                              "  [ FORMS ]  \r\n"
                              "   Main =  10,20,300,400   \r\n"
                              "\t; a comment\r\n"
                              "\r\n"
                              "just text\r\n"
                              "[Other]\n"
                              "Key = caf\xE9\n";

constexpr char kNormalisedFile[] = "[FORMS]\r\n"
                                   "Main=10,20,300,400\r\n"
                                   "\r\n"
                                   "[Other]\r\n"
                                   "Key=caf\xE9\r\n"
                                   "\r\n";

TEST(IniFileStorage, AnUnchangedFileIsWrittenBackInTheNormalisedForm) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    WriteTextFile(file, kMessyFile);
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(file);
        EXPECT_EQ(storage.FullFileName(), file);
        EXPECT_FALSE(storage.ReadOnly());
        EXPECT_EQ(storage.ReadString("forms", "MAIN"), "10,20,300,400");
        // Nothing is written before the release.
        EXPECT_EQ(ReadTextFile(file), kMessyFile);
    }
    EXPECT_EQ(ReadTextFile(file), kNormalisedFile);
    EXPECT_EQ(EntryCount(folder.Path()), 1);
}

TEST(IniFileStorage, ChangesAreWrittenAtRelease) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    WriteTextFile(file, kMessyFile);
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(file);
        storage.WriteString("FORMS", "Main", "1,2,3,4");
        storage.WriteString("FORMS", "Dialog", "5,6,7,8");
    }
    EXPECT_EQ(ReadTextFile(file), "[FORMS]\r\nMain=1,2,3,4\r\nDialog=5,6,7,8\r\n\r\n"
                                  "[Other]\r\nKey=caf\xE9\r\n\r\n");
}

// What another program writes while this one runs: a value added to a section and a section.
constexpr char kReadAtStart[] = "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n\r\n";
constexpr char kWrittenMeanwhile[] = "[A]\r\nx=1\r\ny=2\r\nw=other\r\n\r\n"
                                     "[B]\r\nz=3\r\n\r\n[C]\r\nc=other\r\n\r\n";

struct TRunChanges {
    const char* What;
    std::function<void(TVexaAppIniFileStorage&)> Change;
    const char* Expected;
};

TEST(IniFileStorage, TheWriteBackAppliesOnlyThisRunsChangesToTheFileAsItIsThen) {
    const TRunChanges cases[] = {
        {"nothing", [](TVexaAppIniFileStorage&) {}, kWrittenMeanwhile},
        {"a value set", [](TVexaAppIniFileStorage& storage) { storage.WriteString("a", "X", "9"); },
         "[A]\r\nx=9\r\ny=2\r\nw=other\r\n\r\n[B]\r\nz=3\r\n\r\n[C]\r\nc=other\r\n\r\n"},
        {"a value deleted", [](TVexaAppIniFileStorage& storage) { storage.DeleteKey("A", "y"); },
         "[A]\r\nx=1\r\nw=other\r\n\r\n[B]\r\nz=3\r\n\r\n[C]\r\nc=other\r\n\r\n"},
        {"a section erased", [](TVexaAppIniFileStorage& storage) { storage.EraseSection("B"); },
         "[A]\r\nx=1\r\ny=2\r\nw=other\r\n\r\n[C]\r\nc=other\r\n\r\n"},
        {"a section erased and filled again",
         [](TVexaAppIniFileStorage& storage) {
             storage.WriteString("A", "x", "lost");
             storage.EraseSection("A");
             storage.WriteString("A", "n", "new");
         },
         "[B]\r\nz=3\r\n\r\n[C]\r\nc=other\r\n\r\n[A]\r\nn=new\r\n\r\n"},
        {"a value set, then deleted, in a new section",
         [](TVexaAppIniFileStorage& storage) {
             storage.WriteString("D", "d", "1");
             storage.WriteString("D", "e", "2");
             storage.DeleteKey("D", "d");
         },
         "[A]\r\nx=1\r\ny=2\r\nw=other\r\n\r\n[B]\r\nz=3\r\n\r\n[C]\r\nc=other\r\n\r\n"
         "[D]\r\ne=2\r\n\r\n"},
    };
    for (const TRunChanges& run : cases) {
        TTempFolder folder;
        const AnsiString file = folder.File("Vexa.ini");
        WriteTextFile(file, kReadAtStart);
        {
            TVexaAppIniFileStorage storage;
            storage.SetFileName(file);
            run.Change(storage);
            WriteTextFile(file, kWrittenMeanwhile);
            ASSERT_TRUE(storage.Flush()) << run.What;
            // The storage now holds what the other program wrote, too.
            EXPECT_EQ(storage.ReadString("C", "c"), "other") << run.What;
            storage.SetFlushOnDestroy(false);
        }
        EXPECT_EQ(ReadTextFile(file), run.Expected) << run.What;
        EXPECT_EQ(EntryCount(folder.Path()), 1) << run.What;
    }
}

TEST(IniFileStorage, AFileRemovedMeanwhileIsWrittenWithThisRunsChangesOnly) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    WriteTextFile(file, kReadAtStart);
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(file);
        storage.WriteString("B", "z", "4");
        std::filesystem::remove(file);
    }
    EXPECT_EQ(ReadTextFile(file), "[B]\r\nz=4\r\n\r\n");
}

TEST(IniFileStorage, ANameOrValueTheFileCannotCarryIsNoChange) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(file);
        EXPECT_THROW(storage.WriteString("A", "x", "two\nlines"), EConvertError);
        EXPECT_THROW(storage.WriteString("A", "=x", "1"), EConvertError);
        EXPECT_EQ(storage.ReadString("A", "x"), std::nullopt);
    }
    EXPECT_EQ(ReadTextFile(file), "");
}

TEST(IniFileStorage, ANameWithoutExtensionIsReadAndWrittenWithIni) {
    TTempFolder folder;
    WriteTextFile(folder.File("settings.ini"), "[A]\nx=1\n");
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(folder.File("settings"));
        EXPECT_EQ(storage.FileName(), folder.File("settings.ini"));
        EXPECT_EQ(storage.FullFileName(), folder.File("settings.ini"));
        EXPECT_EQ(storage.ReadString("A", "x"), "1");
    }
    EXPECT_EQ(ReadTextFile(folder.File("settings.ini")), "[A]\r\nx=1\r\n\r\n");
    EXPECT_FALSE(FileExists(folder.File("settings")));
}

TEST(IniFileStorage, PlaceholdersInTheNameAreFilled) {
    TTempFolder folder;
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(folder.File("%FILENAME%"));
        EXPECT_EQ(storage.FullFileName(), folder.File("vexa_settings_tests.ini"));
    }
    EXPECT_TRUE(FileExists(folder.File("vexa_settings_tests.ini")));
}

TEST(IniFileStorage, AMissingFileStartsEmptyAndIsCreatedWithItsFoldersAtRelease) {
    TTempFolder folder;
    const AnsiString file = folder.File("a/b/Vexa.ini");
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(file);
        EXPECT_TRUE(storage.Content().Empty());
        EXPECT_FALSE(FileExists(folder.File("a")));
    }
    ASSERT_TRUE(FileExists(file));
    EXPECT_EQ(ReadTextFile(file), "");
}

TEST(IniFileStorage, AReadOnlyFileIsReadButNeverWritten) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    WriteTextFile(file, kMessyFile);
    std::filesystem::permissions(file,
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(file);
        EXPECT_TRUE(storage.ReadOnly());
        EXPECT_FALSE(storage.Unreadable());
        EXPECT_EQ(storage.ReadString("Other", "Key"), "caf\xE9");
        storage.WriteString("FORMS", "Main", "changed");
        EXPECT_FALSE(storage.Flush());
    }
    EXPECT_EQ(ReadTextFile(file), kMessyFile);
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

TEST(IniFileStorage, AFileThatCannotBeReadIsNeverOverwritten) {
    TTempFolder folder;
    // Something exists under the name, but no content can be read from it.
    const AnsiString file = folder.File("Vexa.ini");
    std::filesystem::create_directory(file);
    WriteTextFile(folder.File("Vexa.ini/inside"), "kept");
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(file);
        EXPECT_TRUE(storage.Unreadable());
        EXPECT_TRUE(storage.ReadOnly());
        EXPECT_TRUE(storage.Content().Empty());
    }
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(ReadTextFile(folder.File("Vexa.ini/inside")), "kept");
}

TEST(IniFileStorage, AFolderThatCannotBeCreatedIsDroppedSilently) {
    TTempFolder folder;
    // A file where a folder of the path should be: neither the folder nor the file can exist.
    WriteTextFile(folder.File("blocker"), "a plain file");
    const AnsiString file = folder.File("blocker/sub/Vexa.ini");
    int errors = 0;
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(file);
        storage.WriteString("FORMS", "Main", "1");
        EXPECT_FALSE(storage.Flush());
        storage.OnWriteError = [&](const AnsiString& name) {
            EXPECT_EQ(name, file);
            ++errors;
        };
    }
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(ReadTextFile(folder.File("blocker")), "a plain file");
    EXPECT_EQ(EntryCount(folder.Path()), 1);
}

TEST(IniFileStorage, AnEmptyNameWritesNothing) {
    TVexaAppIniFileStorage storage;
    storage.SetFileName("");
    EXPECT_EQ(storage.FullFileName(), "");
    EXPECT_FALSE(storage.Flush());
}

TEST(IniFileStorage, NoWriteBackWhenFlushOnDestroyIsCleared) {
    TTempFolder folder;
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(folder.File("Vexa.ini"));
        storage.SetFlushOnDestroy(false);
    }
    EXPECT_FALSE(FileExists(folder.File("Vexa.ini")));
}

} // namespace
