#include "SettingsFixtures.h"
#include "settings/IniContent.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

// Several programs of the family share one settings file, each a process of its own: the
// writer program of this test build opens the store as the program does, waits for a signal,
// changes one value and ends.

namespace {

#ifndef VEXA_SETTINGS_WRITER
#error "VEXA_SETTINGS_WRITER names the writer program"
#endif

bool WaitForFile(const AnsiString& file) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!FileExists(file)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

class SharedSettingsFile : public testing::Test {
protected:
    void SetUp() override {
        WriteTextFile(Bootstrap,
                      "[CONFIGURATION]\r\nUseRegistry=0\r\nIniFileName=" + Settings + "\r\n");
        WriteTextFile(Settings, "[FORMS]\r\nMain=1,2,3,4\r\n\r\n");
    }

    // Runs the writer in a process of its own; the result is its exit status (0: written back).
    std::future<int> StartWriter(const std::vector<AnsiString>& arguments) const {
        AnsiString command = "\"" + AnsiString(VEXA_SETTINGS_WRITER) + "\" \"" + Bootstrap + "\"";
        for (const AnsiString& argument : arguments) {
            command += " \"" + argument + "\"";
        }
        // The Windows command processor takes off the outermost quotes of the whole line.
        if (PathDelimiter() == '\\') {
            command = "\"" + command + "\"";
        }
        return std::async(std::launch::async, [command] { return std::system(command.c_str()); });
    }

    TIniContent SettingsNow() const { return TIniContent::Parse(ReadTextFile(Settings)); }

    TTempFolder Folder;
    AnsiString Bootstrap = Folder.File("family.ini");
    AnsiString Settings = Folder.File("Vexa.ini");
    AnsiString Go = Folder.File("go");
};

TEST_F(SharedSettingsFile, AChangeThatAnotherProgramMakesMeanwhileIsKept) {
    std::future<int> running = StartWriter({Folder.File("ready"), Go, "Other", "First", "a"});
    ASSERT_TRUE(WaitForFile(Folder.File("ready")));
    // Another program changes the file and ends while the first still runs.
    EXPECT_EQ(StartWriter({"-", "-", "Other", "Second", "b"}).get(), 0);
    EXPECT_EQ(SettingsNow().ReadString("Other", "Second"), "b");
    WriteTextFile(Go, "");
    EXPECT_EQ(running.get(), 0);
    EXPECT_EQ(ReadTextFile(Settings), "[FORMS]\r\nMain=1,2,3,4\r\n\r\n"
                                      "[Other]\r\nSecond=b\r\nFirst=a\r\n\r\n");
}

TEST_F(SharedSettingsFile, ProgramsThatEndAtOnceAllKeepTheirChanges) {
    constexpr int kWriters = 6;
    std::vector<std::future<int>> writers;
    for (int i = 0; i < kWriters; ++i) {
        const AnsiString ready = Folder.File("ready" + std::to_string(i));
        if (i == 0) {
            // One of them deletes a value that was there when all of them started.
            writers.push_back(StartWriter({ready, Go, "FORMS", "Main"}));
        } else {
            writers.push_back(StartWriter(
                {ready, Go, "Writers", "Key" + std::to_string(i), "value " + std::to_string(i)}));
        }
    }
    for (int i = 0; i < kWriters; ++i) {
        ASSERT_TRUE(WaitForFile(Folder.File("ready" + std::to_string(i))));
    }
    WriteTextFile(Go, "");
    for (std::future<int>& writer : writers) {
        EXPECT_EQ(writer.get(), 0);
    }
    const TIniContent settings = SettingsNow();
    EXPECT_EQ(settings.ReadString("FORMS", "Main"), std::nullopt);
    for (int i = 1; i < kWriters; ++i) {
        EXPECT_EQ(settings.ReadString("Writers", "Key" + std::to_string(i)),
                  "value " + std::to_string(i));
    }
    // The bootstrap file, the settings file, the ready files and the signal: no lock file and
    // no temporary file stay behind.
    EXPECT_EQ(EntryCount(Folder.Path()), 2 + kWriters + 1);
}

} // namespace
