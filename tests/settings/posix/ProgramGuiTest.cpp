#include "../SettingsFixtures.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

// The real program under its own X server: a copy runs in a folder of its own, its window is
// found by the program's process and closed with Enter in its addressee field, and the settings the
// program leaves behind are looked at.

namespace {

#ifndef VEXA_GUI_PROGRAM
#error "VEXA_GUI_PROGRAM names the program under test"
#endif
#ifndef VEXA_SETTINGS_WRITER
#error "VEXA_SETTINGS_WRITER names the other program"
#endif

class ProgramGui : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(Folder.File("program"));
        std::filesystem::copy_file(VEXA_GUI_PROGRAM, Program);
    }

    // The exit status of the program, or -1 when it did not end by itself. WhileOpen is a shell
    // command that runs while the window is open.
    int RunAndClose(const AnsiString& whileOpen = ":") const {
        const AnsiString command =
            "XDG_CONFIG_HOME='" + Folder.File("config") +
            "' xvfb-run -a -s '-screen 0 1280x1024x24' sh -c '"
            "\"$0\" & pid=$!; "
            "win=$(timeout 30 xdotool search --sync --onlyvisible --pid $pid | head -n 1); "
            "if [ -n \"$win\" ]; then " +
            whileOpen +
            "; "
            "  xdotool mousemove --window \"$win\" 100 34; sleep 0.5; xdotool key Return; "
            "fi; "
            "for i in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done; "
            "kill -0 $pid 2>/dev/null && { kill $pid; exit 255; }; "
            "wait $pid' '" +
            Program + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TTempFolder Folder;
    AnsiString Program = Folder.File("program/vexamail");
};

TEST_F(ProgramGui, WithTheIniBackEndTheSettingsFileIsWrittenAtExit) {
    const AnsiString settings = Folder.File("settings/Vexa.ini");
    WriteTextFile(Folder.File("program/vexamail.ini"),
                  "[CONFIGURATION]\nUseRegistry=0\nIniFileName=" + settings + "\n");
    EXPECT_EQ(RunAndClose(), 0);
    ASSERT_TRUE(FileExists(settings));
    EXPECT_EQ(ReadTextFile(settings), "");
}

TEST_F(ProgramGui, AChangeThatAnotherProgramMakesWhileItRunsIsKept) {
    const AnsiString settings = Folder.File("settings/Vexa.ini");
    const AnsiString bootstrap = Folder.File("program/vexamail.ini");
    WriteTextFile(bootstrap, "[CONFIGURATION]\nUseRegistry=0\nIniFileName=" + settings + "\n");
    std::filesystem::create_directories(Folder.File("settings"));
    WriteTextFile(settings, "[FORMS]\r\nMain=1,2,3,4\r\n");
    // The other program opens the store, changes a value and ends while the window is open.
    const AnsiString writer =
        "\"" VEXA_SETTINGS_WRITER "\" \"" + bootstrap + "\" - - Other Key changed";
    EXPECT_EQ(RunAndClose(writer + " || exit 254"), 0);
    EXPECT_EQ(ReadTextFile(settings),
              "[FORMS]\r\nMain=1,2,3,4\r\n\r\n[Other]\r\nKey=changed\r\n\r\n");
}

TEST_F(ProgramGui, WithoutABootstrapFileNothingIsWritten) {
    EXPECT_EQ(RunAndClose(), 0);
    EXPECT_EQ(EntryCount(Folder.File("program")), 1);
    EXPECT_FALSE(FileExists(Folder.File("config/Vexa.ini")));
}

} // namespace
