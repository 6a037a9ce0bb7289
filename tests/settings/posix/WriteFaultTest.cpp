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
            storage.Content().WriteString("FORMS", "Window" + std::to_string(i),
                                          std::string(40, 'x'));
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
        storage.Content().WriteString("A", "y", "2");
    }
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadTextFile(target), "[A]\r\nx=1\r\ny=2\r\n\r\n");
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(EntryCount(folder.Path()), 2);
}

} // namespace
