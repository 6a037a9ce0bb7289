#include "platform/ShellFolders.h"

#include "platform/Environment.h"
#include "support/MiscTool.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// The XDG folders under a temporary home of their own.
class ShellFolders : public ::testing::Test {
protected:
    void SetUp() override {
        FRoot =
            fs::temp_directory_path() /
            ("vexa_folders_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(FRoot);
        fs::create_directories(FRoot);
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
            FSaved[name] = ReadEnvironmentVariable(name);
            WriteEnvironmentVariable(name, std::nullopt);
        }
        WriteEnvironmentVariable("HOME", Home().string());
    }
    void TearDown() override {
        for (const auto& [name, value] : FSaved) {
            WriteEnvironmentVariable(name, value);
        }
        fs::remove_all(FRoot);
    }

    fs::path Home() const { return FRoot / "home"; }
    const fs::path& Root() const { return FRoot; }

private:
    fs::path FRoot;
    std::map<AnsiString, std::optional<AnsiString>> FSaved;
};

TEST_F(ShellFolders, FoldersFollowTheXdgLayoutAndAreCreatedPrivate) {
    struct Case {
        std::int32_t folderId;
        const char* variable; // set to Value, or nothing
        std::string value;
        fs::path expected;
    };
    const Case cases[] = {
        {kCsidlAppData, nullptr, "", Home() / ".config"},
        {kCsidlAppData, "XDG_CONFIG_HOME", (Root() / "cfg").string(), Root() / "cfg"},
        {kCsidlAppData, "XDG_CONFIG_HOME", (Root() / "slash").string() + "//", Root() / "slash"},
        // A relative folder is no XDG folder and is ignored.
        {kCsidlAppData, "XDG_CONFIG_HOME", "relative/cfg", Home() / ".config"},
        {kCsidlLocalAppData, nullptr, "", Home() / ".local" / "share"},
        {kCsidlLocalAppData, "XDG_DATA_HOME", (Root() / "data").string(), Root() / "data"},
        {kCsidlPersonal, nullptr, "", Home()},
        {kCsidlProfile, nullptr, "", Home()},
    };
    for (const Case& c : cases) {
        if (c.variable) {
            WriteEnvironmentVariable(c.variable, c.value);
        }
        AnsiString path;
        EXPECT_EQ(GetSpecialFolderPath(c.folderId, path), kStatusOk) << c.value;
        EXPECT_EQ(path, c.expected.string()) << c.value;
        struct stat info {};
        ASSERT_EQ(stat(path.c_str(), &info), 0) << path;
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0700u) << path;
        if (c.variable) {
            WriteEnvironmentVariable(c.variable, std::nullopt);
        }
    }
}

TEST_F(ShellFolders, FailuresLeaveThePathEmptyAndCreateNothing) {
    std::array<char, 281> buffer{};
    EXPECT_EQ(GetShellFolderPathOnly(kCsidlAppData, buffer), static_cast<HResult>(0x80070002u));
    EXPECT_FALSE(fs::exists(Home() / ".config"));

    // Longer than the path buffer of 281 characters.
    const fs::path deep = Root() / std::string(150, 'a') / std::string(150, 'b');
    WriteEnvironmentVariable("XDG_CONFIG_HOME", deep.string());
    AnsiString path = "stale";
    EXPECT_EQ(GetSpecialFolderPath(kCsidlAppData, path), kStatusBufferTooSmall);
    EXPECT_EQ(path, "");
    EXPECT_FALSE(fs::exists(deep));

    // The Windows folder has no meaning here.
    EXPECT_EQ(GetSpecialFolderPath(0x0024, path), kStatusFail);
    EXPECT_EQ(path, "");
}

} // namespace
