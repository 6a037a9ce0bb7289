#include "../SettingsFixtures.h"
#include "settings/VexaAppIniFileStorage.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(IniFileWriteFault, AReplaceThatFailsLeavesTheOldFileIntact) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    const std::string old = "[FORMS]\r\nMain=1,2,3,4\r\n\r\n";
    WriteTextFile(file, old);
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(file);
        storage.WriteString("FORMS", "Main", "changed");
        // Another program holds the file open and lets nobody replace it.
        const HANDLE holder = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(storage.Flush());
        CloseHandle(holder);
        storage.SetFlushOnDestroy(false);
    }
    EXPECT_EQ(ReadTextFile(file), old);
    EXPECT_EQ(EntryCount(folder.Path()), 1) << "the temporary file stays behind";
}

} // namespace
