#include "SettingsFixtures.h"
#include "platform/Environment.h"
#include "settings/uFormPlacement.h"
#include "settings/uVexaPatchMngmt.h"
#include "shell/StartupSequence.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The settings steps of the program's start-up and shutdown. A copy of the program, built with
// the headless window system, runs in a folder of its own, with or without a bootstrap file beside
// it, and ends by itself as no user is there to act.

namespace {

#ifndef VEXA_SETTINGS_PROGRAM
#error "VEXA_SETTINGS_PROGRAM names the program under test"
#endif

class ProgramSettings : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(Folder.File("program"));
        Program = Folder.File("program/vexamail") +
                  std::filesystem::path(VEXA_SETTINGS_PROGRAM).extension().string();
        std::filesystem::copy_file(VEXA_SETTINGS_PROGRAM, Program);
        // The user's application data folder, on Linux, lies inside the test's folder.
        WriteEnvironmentVariable("XDG_CONFIG_HOME", Folder.File("config"));
    }
    void TearDown() override { WriteEnvironmentVariable("XDG_CONFIG_HOME", std::nullopt); }

    int Run() const { return std::system(("\"" + Program + "\"").c_str()); }
    AnsiString Bootstrap() const {
        return Program.substr(0, Program.size() -
                                     std::filesystem::path(Program).extension().string().size()) +
               ".ini";
    }

    TTempFolder Folder;
    AnsiString Program;
};

TEST_F(ProgramSettings, WithTheIniBackEndTheSettingsFileIsWrittenAtExit) {
    const AnsiString settings = Folder.File("settings/new/Vexa.ini");
    WriteTextFile(Bootstrap(),
                  "[CONFIGURATION]\r\nUseRegistry=0\r\nIniFileName=" + settings + "\r\n");
    EXPECT_EQ(Run(), 0);
    ASSERT_TRUE(FileExists(settings));
    EXPECT_EQ(ReadTextFile(settings), "");
}

TEST_F(ProgramSettings, AStoredSettingsFileIsWrittenBackNormalised) {
    const AnsiString settings = Folder.File("Vexa.ini");
    WriteTextFile(Bootstrap(), "[CONFIGURATION]\nUseRegistry=0\nIniFileName=" + settings + "\n");
    WriteTextFile(settings, "; mine\n[FORMS]\n Main = 1,2,3,4 \n");
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(ReadTextFile(settings), "[FORMS]\r\nMain=1,2,3,4\r\n\r\n");
}

TEST_F(ProgramSettings, WithoutABootstrapFileNothingIsWritten) {
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(EntryCount(Folder.File("program")), 1);
    EXPECT_FALSE(FileExists(Folder.File("config/Vexa.ini")));
}

std::ptrdiff_t Position(std::span<const TSequenceStep> steps, std::string_view name) {
    const auto found = std::find_if(steps.begin(), steps.end(),
                                    [&](const TSequenceStep& step) { return step.Name == name; });
    return found == steps.end() ? -1 : found - steps.begin();
}

TEST(SettingsSteps, ComeUpAfterTheLanguageAdministrationAndGoInReverse) {
    const auto startup = StartupSteps();
    const auto shutdown = ShutdownSteps();
    const std::ptrdiff_t placement = Position(startup, "window placement and configuration store");
    ASSERT_GE(placement, 0);
    EXPECT_EQ(placement, Position(startup, "language administration") + 1);
    EXPECT_EQ(Position(startup, "settings update patches"), placement + 1);
    EXPECT_LT(placement, Position(startup, "application object"));
    const std::ptrdiff_t store = Position(shutdown, "configuration store");
    ASSERT_GE(store, 0);
    EXPECT_EQ(Position(shutdown, "settings update patches"), store + 1);
    EXPECT_EQ(Position(shutdown, "window placement"), store + 2);
    EXPECT_EQ(Position(shutdown, "language administration"), store + 3);
}

TEST(SettingsSteps, BringUpTheStoreThePlacementAndThePatchAndReleaseThemAll) {
    const auto startup = StartupSteps();
    const std::ptrdiff_t last = Position(startup, "settings update patches");
    ASSERT_GE(last, 0);
    for (std::ptrdiff_t i = 0; i <= last; ++i) {
        startup[static_cast<std::size_t>(i)].Run();
    }
    ASSERT_TRUE(FormPlacementExists());
    EXPECT_EQ(FormPlacement().PlacementOptions, 7);
    EXPECT_EQ(FormPlacement().Entries().Count(), 0);
    ASSERT_TRUE(RegIniDataExists());
    EXPECT_EQ(FormPlacement().ConfigStore(), &RegIniData());
    EXPECT_EQ(RegIniData().Clients(), std::vector<TRegIniDataClient*>{&FormPlacement()});
    ASSERT_NE(UpdatePatches(), nullptr);
    ASSERT_EQ(UpdatePatches()->Count(), 1);
    EXPECT_EQ(UpdatePatches()->Strings(0), "formplacementreset");
    EXPECT_NE(dynamic_cast<TVexaIniUpdatePatchFormPlcmtReset*>(UpdatePatches()->Objects(0)),
              nullptr);

    for (const TSequenceStep& step : ShutdownSteps()) {
        step.Run();
    }
    EXPECT_FALSE(RegIniDataExists());
    EXPECT_FALSE(FormPlacementExists());
    EXPECT_EQ(UpdatePatches(), nullptr);
}

} // namespace
