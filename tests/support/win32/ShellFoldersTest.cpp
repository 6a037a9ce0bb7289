#include "platform/ShellFolders.h"

#include "platform/CodePage.h"
#include "support/MiscTool.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Folders compare without regard to case or a closing delimiter.
AnsiString LowerPath(AnsiString path) {
    while (path.size() > 3 && path.back() == '\\') {
        path.pop_back();
    }
    return LowerCase(path);
}

TEST(ShellFolders, TheItemListAndTheFolderPathNameTheSameFolders) {
    for (const std::int32_t folderId : {kCsidlAppData, kCsidlLocalAppData, kCsidlPersonal}) {
        std::array<char, 281> byLocation{};
        std::array<char, 281> byPath{};
        ASSERT_EQ(GetShellFolderPath(folderId, byLocation), kStatusOk) << folderId;
        ASSERT_EQ(GetShellFolderPathOnly(folderId | kCsidlFlagCreate, byPath), kStatusOk)
            << folderId;
        EXPECT_EQ(LowerPath(byLocation.data()), LowerPath(byPath.data())) << folderId;
        EXPECT_TRUE(
            std::filesystem::is_directory(std::filesystem::path(AnsiToWide(byPath.data()))));
    }
    std::array<char, 281> windows{};
    ASSERT_EQ(GetShellFolderPathOnly(0x0024, windows), kStatusOk);
    EXPECT_TRUE(LowerPath(windows.data()).ends_with("\\windows")) << windows.data();
}

TEST(ShellFolders, APathThatDoesNotFitIsRefused) {
    std::array<char, 4> tiny{};
    EXPECT_EQ(GetShellFolderPathOnly(kCsidlAppData, tiny), kStatusBufferTooSmall);
    EXPECT_TRUE(Failed(GetShellFolderPathOnly(0x7F, tiny)));
}

} // namespace
