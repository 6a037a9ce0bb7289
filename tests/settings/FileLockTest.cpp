#include "platform/FileLock.h"

#include "SettingsFixtures.h"
#include "settings/VexaAppIniFileStorage.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

TEST(FileLock, IsHeldByOneAtATimeAndLeavesNoLockFile) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    {
        const TFileLock first(file, 0ms);
        ASSERT_TRUE(first.Locked());
        EXPECT_EQ(first.LockFileName(), file + ".lock");
        EXPECT_TRUE(FileExists(file + ".lock"));
        const TFileLock second(file, 50ms);
        EXPECT_FALSE(second.Locked());
    }
    EXPECT_FALSE(FileExists(file + ".lock"));
    const TFileLock third(file, 0ms);
    EXPECT_TRUE(third.Locked());
}

TEST(FileLock, ALockFileThatACrashedProgramLeftIsTakenOver) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    WriteTextFile(file + ".lock", "");
    {
        const TFileLock lock(file, 0ms);
        EXPECT_TRUE(lock.Locked());
    }
    EXPECT_EQ(EntryCount(folder.Path()), 0);
}

TEST(FileLock, TheWriteBackWaitsWhileAnotherHoldsTheLock) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    WriteTextFile(file, "[A]\r\nx=1\r\n\r\n");
    TVexaAppIniFileStorage storage;
    storage.SetFileName(file);
    storage.WriteString("A", "y", "2");
    auto held = std::make_unique<TFileLock>(file, 0ms);
    ASSERT_TRUE(held->Locked());
    std::future<bool> flushed = std::async(std::launch::async, [&] { return storage.Flush(); });
    EXPECT_EQ(flushed.wait_for(300ms), std::future_status::timeout);
    // What the holder writes before it lets go is kept.
    WriteTextFile(file, "[A]\r\nx=1\r\nz=3\r\n\r\n");
    held.reset();
    EXPECT_TRUE(flushed.get());
    EXPECT_EQ(ReadTextFile(file), "[A]\r\nx=1\r\nz=3\r\ny=2\r\n\r\n");
    storage.SetFlushOnDestroy(false);
}

} // namespace
