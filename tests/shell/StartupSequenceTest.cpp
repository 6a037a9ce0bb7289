#include "shell/StartupSequence.h"

#include "runtime/Exception.h"
#include "textcatalog/uDefStrings.h"
#include "textcatalog/uLangBasics.h"
#include "ui/Application.h"
#include "ui/headless/HeadlessBackend.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Names(std::span<const TSequenceStep> steps) {
    std::vector<std::string> names;
    for (const auto& step : steps) {
        names.emplace_back(step.Name);
    }
    return names;
}

TEST(StartupSequence, BringsUpInTheFixedOrderAndReleasesInReverse) {
    const auto startup = Names(StartupSteps());
    const auto shutdown = Names(ShutdownSteps());
    auto position = [](const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    ASSERT_FALSE(startup.empty());
    EXPECT_EQ(startup.front(), "built-in texts");
    EXPECT_EQ(startup.back(), "message loop");
    EXPECT_LT(position(startup, "built-in texts"), position(startup, "language administration"));
    EXPECT_LT(position(startup, "language administration"),
              position(startup, "application object"));
    EXPECT_LT(position(startup, "application object"), position(startup, "application title"));
    EXPECT_EQ(shutdown.back(), "built-in texts");
    EXPECT_LT(position(shutdown, "language administration"), position(shutdown, "built-in texts"));
}

TEST(StartupSequence, TheWindowComesAfterTheSubsystemsAndGoesBeforeThem) {
    const auto startup = Names(StartupSteps());
    const auto shutdown = Names(ShutdownSteps());
    auto position = [](const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    EXPECT_LT(position(startup, "language administration"),
              position(startup, "translated controls"));
    EXPECT_LT(position(startup, "translated controls"), position(startup, "application object"));
    EXPECT_EQ(position(startup, "main window") + 1, position(startup, "message loop"));
    EXPECT_LT(position(startup, "application title"), position(startup, "main window"));
    ASSERT_FALSE(shutdown.empty());
    EXPECT_EQ(shutdown.front(), "application windows");
}

TEST(StartupSequence, RunsHeadlessToTheEndAndLeavesNothingBehind) {
    HeadlessMessageBoxes().clear();
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(HeadlessMessageBoxes().empty());
    EXPECT_EQ(BabelFishAdmin(), nullptr);
    EXPECT_EQ(GetDefString(1000), "");
    EXPECT_TRUE(Application().Initialized());
    EXPECT_TRUE(Application().MainFormOnTaskBar);
    EXPECT_FALSE(Application().Title.empty());
}

TEST(ApplicationObject, FailureReachingTheLoopIsShownWithAPeriodByTheRule) {
    struct Case {
        const char* Message;
        const char* Shown;
    };
    const Case cases[] = {
        {"Datei nicht gefunden", "Datei nicht gefunden."},
        {"Status 42", "Status 42."},
        {"Schon mit Punkt.", "Schon mit Punkt."},
        {"Fertig!", "Fertig!"},
        {"Klammer)", "Klammer)"},
        {"", ""},
    };
    Application().Title = "VEXA Mail";
    for (const Case& c : cases) {
        HeadlessMessageBoxes().clear();
        Application().Dispatch([&] { throw Exception(c.Message); });
        ASSERT_EQ(HeadlessMessageBoxes().size(), 1u);
        EXPECT_EQ(HeadlessMessageBoxes()[0].Text, c.Shown);
        EXPECT_EQ(HeadlessMessageBoxes()[0].Caption, "VEXA Mail");
        EXPECT_EQ(HeadlessMessageBoxes()[0].Icon, TMessageBoxIcon::Error);
    }
}

TEST(ApplicationObject, SilentAbortIsNotShownAndTheLoopGoesOn) {
    HeadlessMessageBoxes().clear();
    TApplication application;
    bool ranAfter = false;
    application.CreateForm<TForm>();
    PostHeadlessEvent([] { Abort(); });
    PostHeadlessEvent([] { throw Exception("second"); });
    PostHeadlessEvent([&] { ranAfter = true; });
    application.Run();
    EXPECT_TRUE(ranAfter);
    ASSERT_EQ(HeadlessMessageBoxes().size(), 1u);
    EXPECT_EQ(HeadlessMessageBoxes()[0].Text, "second.");
}

} // namespace
