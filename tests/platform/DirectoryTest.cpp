#include "platform/Directory.h"

#include "tests/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Whether the process still holds Folder open, as an unclosed search does.
bool HeldOpen(const std::filesystem::path& folder) {
#ifdef _WIN32
    // Nobody else may hold it open while it is opened for exclusive use.
    const HANDLE handle = CreateFileW(folder.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_SHARING_VIOLATION;
    }
    CloseHandle(handle);
    return false;
#else
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        if (std::filesystem::read_symlink(entry.path(), ignored) == folder) {
            return true;
        }
    }
    return false;
#endif
}

TEST(EnumerateFolder, AVisitorThatRaisesLeavesNoSearchOpen) {
    TTempFolder temp;
    for (const char* name : {"a.lng", "b.lng", "c.lng"}) {
        std::ofstream(temp.Folder() / name) << name;
    }
    ASSERT_FALSE(HeldOpen(temp.Folder()));
    EXPECT_THROW(EnumerateFolder(temp.Path(),
                                 [](const TFolderEntry&) { throw std::runtime_error("visitor"); }),
                 std::runtime_error);
    EXPECT_FALSE(HeldOpen(temp.Folder()));

    int seen = 0;
    EnumerateFolder(temp.Path(), [&](const TFolderEntry& entry) { seen += !entry.IsFolder; });
    EXPECT_EQ(seen, 3);
}

} // namespace
