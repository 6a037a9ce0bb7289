#include "SettingsFixtures.h"
#include "platform/Environment.h"
#include "platform/FileAccess.h"
#include "platform/ProgramPath.h"
#include "platform/ShellFolders.h"
#include "settings/uVexaRegIniStorage.h"
#include "support/MiscTool.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

const AnsiString kFormsKey = "SOFTWARE\\Brenik\\VEXA\\2.1\\FORMS";

struct TBootstrapCase {
    const char* Name;
    std::optional<const char*> Bootstrap; // no file when missing
    bool Registry;
    TRegistryRoot Root = prCurrentUser;
};

class BootstrapChoice : public testing::TestWithParam<TBootstrapCase> {};

TEST_P(BootstrapChoice, OpensTheChosenBackEndWithTheFormsSection) {
    TTempFolder folder;
    const AnsiString bootstrap = folder.File("program.ini");
    if (GetParam().Bootstrap) {
        WriteTextFile(bootstrap, *GetParam().Bootstrap);
    }
    // The INI cases name no file: keep the user's default settings file untouched.
    WriteEnvironmentVariable("XDG_CONFIG_HOME", folder.File("config"));
    TRegIniData store(bootstrap);
    if (GetParam().Registry) {
        const TVexaAppRegistryStorage* registry = store.RegistryStorage();
        ASSERT_NE(registry, nullptr);
        EXPECT_EQ(registry->BasePath(), "SOFTWARE\\Brenik\\VEXA\\2.1");
        EXPECT_EQ(registry->Root(), kFormsKey);
        EXPECT_EQ(registry->RegRoot(), GetParam().Root);
        EXPECT_EQ(registry->RootKey(), RegistryRootKey(GetParam().Root));
    } else {
        TVexaAppIniFileStorage* ini = store.IniFileStorage();
        ASSERT_NE(ini, nullptr);
        EXPECT_EQ(ini->DefaultSection(), "FORMS");
        ini->SetFlushOnDestroy(false);
    }
    const IntfPtr<IStorageSection> section = Supports<IStorageSection>(&store.Store());
    ASSERT_TRUE(section);
    EXPECT_EQ(section->GetSection(), GetParam().Registry ? kFormsKey : "FORMS");
    // The bootstrap file is only read.
    if (GetParam().Bootstrap) {
        EXPECT_EQ(ReadTextFile(bootstrap), *GetParam().Bootstrap);
    } else {
        EXPECT_FALSE(FileExists(bootstrap));
    }
    WriteEnvironmentVariable("XDG_CONFIG_HOME", std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BootstrapChoice,
    testing::Values(
        TBootstrapCase{"NoFile", std::nullopt, true}, TBootstrapCase{"EmptyFile", "", true},
        TBootstrapCase{"NoSection", "UseRegistry=0\n", true},
        TBootstrapCase{"Zero", "[CONFIGURATION]\nUseRegistry=0\n", false},
        TBootstrapCase{"HexZeroWithBlanks", "[CONFIGURATION]\nUseRegistry=   0x0   \n", false},
        TBootstrapCase{"DollarZero", "[configuration]\nuseregistry=$0\n", false},
        TBootstrapCase{"One", "[CONFIGURATION]\nUseRegistry=1\n", true},
        TBootstrapCase{"No", "[CONFIGURATION]\nUseRegistry=no\n", true},
        TBootstrapCase{"False", "[CONFIGURATION]\nUseRegistry=false\n", true},
        TBootstrapCase{"Empty", "[CONFIGURATION]\nUseRegistry=\n", true},
        TBootstrapCase{"Commented", "[CONFIGURATION]\n;UseRegistry=0\n", true},
        TBootstrapCase{"LastKeyCounts", "[CONFIGURATION]\nUseRegistry=1\nUseRegistry=0\n", false},
        TBootstrapCase{"LastSectionCounts",
                       "[CONFIGURATION]\nUseRegistry=0\n[CONFIGURATION]\nRegistryRoot=prUsers\n",
                       true, prUsers},
        TBootstrapCase{"RootInCapitals", "[CONFIGURATION]\nRegistryRoot=PRLOCALMACHINE\n", true,
                       prLocalMachine},
        TBootstrapCase{"RootThatIsNoRootName", "[CONFIGURATION]\nRegistryRoot=HKLM\n", true,
                       prCurrentUser},
        TBootstrapCase{"EveryRootName",
                       "[CONFIGURATION]\nRegistryRoot=prDynData\r\nUseRegistry=-1\r\n", true,
                       prDynData},
        TBootstrapCase{"ClassesRoot", "[CONFIGURATION]\nRegistryRoot= prClassesRoot \n", true,
                       prClassesRoot}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST(BootstrapChoice, AnUnreadableBootstrapFileCountsAsMissing) {
    TTempFolder folder;
    const AnsiString bootstrap = folder.File("program.ini");
    std::filesystem::create_directory(bootstrap);
    TRegIniData store(bootstrap);
    ASSERT_NE(store.RegistryStorage(), nullptr);
    EXPECT_EQ(store.RegistryStorage()->Root(), kFormsKey);
    EXPECT_TRUE(std::filesystem::is_directory(bootstrap));
}

TEST(BootstrapChoice, IniFileNameFromAnEnvironmentVariableWithItsFolderCreatedAtStartUp) {
    TTempFolder folder;
    const AnsiString bootstrap = folder.File("program.ini");
    WriteEnvironmentVariable("VEXA_SETTINGS_TEST_TEMP", folder.Path());
    WriteTextFile(bootstrap, "[CONFIGURATION]\r\nUseRegistry=0\r\n"
                             "IniFileName=%VEXA_SETTINGS_TEST_TEMP%" +
                                 folder.File("sub/dir/Vexa.ini").substr(folder.Path().size()) +
                                 "\r\n");
    const AnsiString expected = folder.File("sub/dir/Vexa.ini");
    {
        TRegIniData store(bootstrap);
        ASSERT_NE(store.IniFileStorage(), nullptr);
        EXPECT_EQ(store.IniFileStorage()->FileName(), expected);
        EXPECT_TRUE(std::filesystem::is_directory(folder.File("sub/dir")));
        EXPECT_FALSE(FileExists(expected));
    }
    // Written at exit although nothing was stored.
    ASSERT_TRUE(FileExists(expected));
    EXPECT_EQ(ReadTextFile(expected), "");
    WriteEnvironmentVariable("VEXA_SETTINGS_TEST_TEMP", std::nullopt);
}

TEST(BootstrapChoice, AnUndefinedVariableStaysAsWritten) {
    TTempFolder folder;
    const AnsiString bootstrap = folder.File("program.ini");
    WriteTextFile(bootstrap, "[CONFIGURATION]\nUseRegistry=0\nIniFileName=" +
                                 folder.File("%VEXA_UNDEFINED_VARIABLE%/Vexa.ini") + "\n");
    TRegIniData store(bootstrap);
    EXPECT_EQ(store.IniFileStorage()->FileName(),
              folder.File("%VEXA_UNDEFINED_VARIABLE%/Vexa.ini"));
}

TEST(BootstrapChoice, RelativeNamesAreTakenFromTheBootstrapFilesFolder) {
    TTempFolder folder;
    const AnsiString bootstrap = folder.File("program.ini");
    const std::pair<AnsiString, AnsiString> cases[] = {
        {"Vexa.ini", folder.File("Vexa.ini")},
        {"Settings", folder.File("Settings.ini")},
        {folder.File("conf/Vexa.ini").substr(folder.Path().size() + 1),
         folder.File("conf/Vexa.ini")},
    };
    for (const auto& [name, expected] : cases) {
        WriteTextFile(bootstrap, "[CONFIGURATION]\nUseRegistry=0\nIniFileName=" + name + "\n");
        {
            TRegIniData store(bootstrap);
            EXPECT_EQ(store.IniFileStorage()->FullFileName(), expected) << name;
        }
        EXPECT_TRUE(FileExists(expected)) << name;
    }
}

TEST(BootstrapChoice, PlaceholdersAreFilledBeforeANameCountsAsRelative) {
    TTempFolder folder;
    const AnsiString bootstrap = folder.File("program.ini");
    const AnsiString programFolder = ExtractFileDir(ProgramFileName());
    const std::pair<AnsiString, AnsiString> cases[] = {
        // A placeholder for a folder gives an absolute name.
        {"%FULLDIREXE%/vexa-settings-placeholder.ini",
         programFolder + "/vexa-settings-placeholder.ini"},
        {"%EXENAME%.d/Vexa.ini", ProgramFileName() + ".d/Vexa.ini"},
        // A placeholder for a name alone stays beside the bootstrap file.
        {"%FILENAME%", folder.File("vexa_settings_tests.ini")},
    };
    for (const auto& [name, expected] : cases) {
        WriteTextFile(bootstrap, "[CONFIGURATION]\nUseRegistry=0\nIniFileName=" + name + "\n");
        TRegIniData store(bootstrap);
        EXPECT_EQ(store.IniFileStorage()->FullFileName(), expected) << name;
        // Nothing is left in the build's folders.
        store.IniFileStorage()->SetFlushOnDestroy(false);
    }
    std::filesystem::remove(ProgramFileName() + ".d");
}

TEST(BootstrapChoice, DefaultIniFileIsVexaIniInTheApplicationDataFolder) {
    TTempFolder folder;
    const AnsiString bootstrap = folder.File("program.ini");
    WriteTextFile(bootstrap, "[CONFIGURATION]\nUseRegistry=0\nIniFileName=\n");
    // Linux: the application data folder follows XDG_CONFIG_HOME and is created when missing.
    WriteEnvironmentVariable("XDG_CONFIG_HOME", folder.File("home/config"));
    AnsiString appData;
    GetSpecialFolderPath(kCsidlAppData, appData);
    const AnsiString expected = appData + PathDelimiter() + "Vexa.ini";
    const bool existed = FileExists(expected);
    {
        TRegIniData store(bootstrap);
        ASSERT_NE(store.IniFileStorage(), nullptr);
        EXPECT_EQ(store.IniFileStorage()->FileName(), expected);
        EXPECT_TRUE(std::filesystem::is_directory(appData));
        if (existed) {
            store.IniFileStorage()->SetFlushOnDestroy(false);
        }
    }
    if (!existed) {
        EXPECT_TRUE(FileExists(expected));
        std::filesystem::remove(expected);
    }
    WriteEnvironmentVariable("XDG_CONFIG_HOME", std::nullopt);
}

TEST(BootstrapChoice, AnExistingSettingsFileIsReadAtStartUp) {
    TTempFolder folder;
    const AnsiString bootstrap = folder.File("program.ini");
    WriteTextFile(bootstrap,
                  "[CONFIGURATION]\nUseRegistry=0\nIniFileName=" + folder.File("Vexa.ini") + "\n");
    WriteTextFile(folder.File("Vexa.ini"), "[FORMS]\nMain = 1 \n; comment\n");
    {
        TRegIniData store(bootstrap);
        EXPECT_EQ(store.IniFileStorage()->ReadString("FORMS", "Main"), "1");
    }
    EXPECT_EQ(ReadTextFile(folder.File("Vexa.ini")), "[FORMS]\r\nMain=1\r\n\r\n");
}

// A client that writes down what it is told.
class TRecordingClient : public TRegIniDataClient {
public:
    TRecordingClient(std::vector<std::pair<int, TStoreOperation>>& log, int id)
        : FLog(log), FId(id) {}
    void StoreNotification(TRegIniData& store, TStoreOperation operation) override {
        FLog.emplace_back(FId, operation);
        LastStore = &store;
    }
    TRegIniData* LastStore = nullptr;

private:
    std::vector<std::pair<int, TStoreOperation>>& FLog;
    int FId;
};

using TLog = std::vector<std::pair<int, TStoreOperation>>;

class StoreClients : public testing::Test {
protected:
    TTempFolder Folder;
    TLog Log;
    TRecordingClient First{Log, 1};
    TRecordingClient Second{Log, 2};
    TRecordingClient Third{Log, 3};
};

TEST_F(StoreClients, AClientAddedTwiceIsRegisteredAndToldOnce) {
    TRegIniData store(Folder.File("none.ini"));
    store.AddClient(&First);
    store.AddClient(&First);
    store.AddClient(nullptr);
    EXPECT_EQ(store.Clients(), std::vector<TRegIniDataClient*>{&First});
    EXPECT_EQ(Log, (TLog{{1, soAdded}}));
    EXPECT_EQ(First.LastStore, &store);
    store.RemoveClient(&First);
}

TEST_F(StoreClients, RemovingAClientThatIsNotRegisteredStillTellsIt) {
    TRegIniData store(Folder.File("none.ini"));
    store.AddClient(&First);
    store.RemoveClient(&Second);
    store.RemoveClient(nullptr);
    EXPECT_EQ(store.Clients(), std::vector<TRegIniDataClient*>{&First});
    store.RemoveClient(&First);
    EXPECT_TRUE(store.Clients().empty());
    EXPECT_EQ(Log, (TLog{{1, soAdded}, {2, soRemoved}, {1, soRemoved}}));
}

TEST_F(StoreClients, ReleaseTellsEveryClientTheLastRegisteredFirst) {
    {
        TRegIniData store(Folder.File("none.ini"));
        store.AddClient(&First);
        store.AddClient(&Second);
        store.AddClient(&Third);
        store.RemoveClient(&Second);
        store.AddClient(&Second);
        Log.clear();
    }
    EXPECT_EQ(Log, (TLog{{2, soRemoved}, {3, soRemoved}, {1, soRemoved}}));
}

// A client that breaks the rule and unregisters while the store tells it of the release.
class TUnregisteringClient : public TRegIniDataClient {
public:
    void StoreNotification(TRegIniData& store, TStoreOperation operation) override {
        ++Told;
        if (operation == soRemoved) {
            store.RemoveClient(this);
            store.AddClient(this);
        }
    }
    int Told = 0;
};

TEST_F(StoreClients, AClientCannotChangeTheListWhileTheStoreIsReleased) {
    TUnregisteringClient unruly;
    {
        TRegIniData store(Folder.File("none.ini"));
        store.AddClient(&First);
        store.AddClient(&unruly);
        store.AddClient(&Second);
        Log.clear();
    }
    EXPECT_EQ(unruly.Told, 2);
    EXPECT_EQ(Log, (TLog{{2, soRemoved}, {1, soRemoved}}));
}

TEST(StoreGlobal, IsCreatedOnFirstUseAndReleasedOnce) {
    FreeRegIniData();
    EXPECT_FALSE(RegIniDataExists());
    TRegIniData& store = RegIniData();
    EXPECT_TRUE(RegIniDataExists());
    EXPECT_EQ(&RegIniData(), &store);
    FreeRegIniData();
    EXPECT_FALSE(RegIniDataExists());
    FreeRegIniData();
}

} // namespace
