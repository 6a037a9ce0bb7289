#include "shell/StartupSequence.h"

#include "datadict/InformationList.h"
#include "textcatalog/uDefStrings.h"
#include "textcatalog/uLangBasics.h"
#include "ui/Application.h"

#include <exception>

namespace {

void BringUpBuiltinTexts() {
    FillDefStrings();
}
void BringUpDataDictionary() {
    CreateInformationList();
}
void BringUpLanguageAdministration() {
    CreateBabelFishAdmin();
}
void BringUpApplicationObject() {
    Application().Initialize();
    Application().MainFormOnTaskBar = true;
}
void SetApplicationTitle() {
    Application().Title = "VEXA Mail";
}
void RunMessageLoop() {
    Application().Run();
}

void ReleaseLanguageAdministration() {
    FreeBabelFishAdmin();
}
void ReleaseDataDictionary() {
    FreeInformationList();
}
void ReleaseBuiltinTexts() {
    ClearDefStrings();
}

constexpr TSequenceStep kStartup[] = {
    {"built-in texts", BringUpBuiltinTexts},
    {"data dictionary", BringUpDataDictionary},
    {"language administration", BringUpLanguageAdministration},
    {"application object", BringUpApplicationObject},
    {"application title", SetApplicationTitle},
    {"message loop", RunMessageLoop},
};

constexpr TSequenceStep kShutdown[] = {
    {"language administration", ReleaseLanguageAdministration},
    {"data dictionary", ReleaseDataDictionary},
    {"built-in texts", ReleaseBuiltinTexts},
};

void RunSteps(std::span<const TSequenceStep> steps) {
    for (const TSequenceStep& step : steps) {
        step.Run();
    }
}

} // namespace

std::span<const TSequenceStep> StartupSteps() {
    return kStartup;
}
std::span<const TSequenceStep> ShutdownSteps() {
    return kShutdown;
}

int RunProgram() {
    int status = 0;
    try {
        RunSteps(StartupSteps());
    } catch (const std::exception& failure) {
        Application().ShowException(failure);
        status = 1;
    }
    RunSteps(ShutdownSteps());
    return status;
}
