#include "../SettingsFixtures.h"
#include "settings/VexaAppIniFileStorage.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Limits the size of the files this process may write, as a full disk would: a write that
// crosses the limit stops part way and the next one fails.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &FOld);
        rlimit limited = FOld;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit FOld{};
    void (*FOldHandler)(int) = nullptr;
};

TEST(IniFileWriteFault, AWriteThatFailsPartWayLeavesTheOldFileIntact) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    const std::string old = "[FORMS]\r\nMain=1,2,3,4\r\n\r\n";
    WriteTextFile(file, old);
    {
        TFileSizeLimit limit(4096);
        TVexaAppIniFileStorage storage;
        storage.SetFileName(file);
        for (int i = 0; i < 2000; ++i) {
            storage.WriteString("FORMS", "Window" + std::to_string(i), std::string(40, 'x'));
        }
        EXPECT_FALSE(storage.Flush());
        // The release tries again and fails again, silently.
    }
    EXPECT_EQ(ReadTextFile(file), old);
    EXPECT_EQ(EntryCount(folder.Path()), 1) << "the temporary file stays behind";
}

TEST(IniFileReplace, KeepsTheFilesPermissionsAndALinkToIt) {
    TTempFolder folder;
    const AnsiString target = folder.File("real.ini");
    const AnsiString link = folder.File("Vexa.ini");
    WriteTextFile(target, "[A]\nx=1\n");
    chmod(target.c_str(), 0640);
    std::filesystem::create_symlink(target, link);
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(link);
        storage.WriteString("A", "y", "2");
    }
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadTextFile(target), "[A]\r\nx=1\r\ny=2\r\n\r\n");
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(EntryCount(folder.Path()), 2);
}

// Whose file it is and what its mode allows decide whether the write-back may replace it, for
// the superuser too: the rename would otherwise replace a file that its owner protected.
TEST(IniFileWriteFault, AFileTheUserMayNotWriteIsReadButNeverReplaced) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "handing a file to another user needs the superuser";
    }
    constexpr uid_t kOtherUser = 4242;
    constexpr gid_t kOtherGroup = 4343;
    const struct {
        const char* What;
        uid_t Owner;
        gid_t Group;
        mode_t Mode;
        bool Replaced;
    } cases[] = {
        {"another user's file that others may read", kOtherUser, kOtherGroup, 0644, false},
        {"another user's file that only its group may write", kOtherUser, kOtherGroup, 0664, false},
        {"another user's file in our group that the group may write", kOtherUser, getegid(), 0664,
         true},
        {"another user's file that everyone may write", kOtherUser, kOtherGroup, 0666, true},
        {"our own write-protected file", geteuid(), getegid(), 0444, false},
        {"our own file that only others may write", geteuid(), kOtherGroup, 0466, false},
    };
    for (const auto& file : cases) {
        TTempFolder folder;
        const AnsiString name = folder.File("Vexa.ini");
        const std::string old = "[FORMS]\r\nMain=1\r\n";
        WriteTextFile(name, old);
        ASSERT_EQ(chown(name.c_str(), file.Owner, file.Group), 0);
        ASSERT_EQ(chmod(name.c_str(), file.Mode), 0);
        {
            TVexaAppIniFileStorage storage;
            storage.SetFileName(name);
            EXPECT_EQ(storage.ReadOnly(), !file.Replaced) << file.What;
            EXPECT_EQ(storage.ReadString("FORMS", "Main"), "1") << file.What;
            storage.WriteString("FORMS", "Main", "2");
        }
        struct stat info {};
        ASSERT_EQ(stat(name.c_str(), &info), 0);
        EXPECT_EQ(ReadTextFile(name), file.Replaced ? "[FORMS]\r\nMain=2\r\n\r\n" : old)
            << file.What;
        // Replaced or not, the file stays its owner's, with its mode.
        EXPECT_EQ(info.st_uid, file.Owner) << file.What;
        EXPECT_EQ(info.st_mode & 07777, file.Mode) << file.What;
        EXPECT_EQ(EntryCount(folder.Path()), 1) << file.What;
    }
}

} // namespace
