#include "shell/StartupSequence.h"

#include "datadict/InformationList.h"
#include "settings/uFormPlacement.h"
#include "settings/uVexaPatchMngmt.h"
#include "shell/PreparedMailForm.h"
#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/LangComps.h"
#include "textcatalog/uDefStrings.h"
#include "textcatalog/uLangBasics.h"
#include "textcatalog/uLangDialogs.h"
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
// Creating the placement object opens the configuration store as it registers with it.
void BringUpWindowPlacement() {
    CreateFormPlacement();
}
void RegisterSettingsPatches() {
    TVexaIniUpdatePatch::RegisterPatch<TVexaIniUpdatePatchFormPlcmtReset>();
}
// The modules beside the program; the data dictionary adds an entry for each further language.
void BringUpLanguageModules() {
    ScanLanguageModules();
}

void BringUpTranslatedControls() {
    RegisterLangRessourceUpdater();
}
void BringUpApplicationObject() {
    Application().Initialize();
    Application().MainFormOnTaskBar = true;
}
void SetApplicationTitle() {
    Application().Title = "VEXA Mail";
}
void CreateMainWindow() {
    Application().CreateForm<TPreparedMailForm>();
}
void RunMessageLoop() {
    Application().Run();
}

// Before any subsystem goes, so that a window's release may still use all of them.
void DestroyApplicationWindows() {
    Application().DestroyComponents();
}
// The store goes before the placement object and tells it so; the INI file is written now.
void ReleaseMessageDialog() {
    ReleaseLangDlgButtonNames();
}

void ReleaseConfigurationStore() {
    FreeRegIniData();
}
void ReleaseSettingsPatches() {
    FreeUpdatePatches();
}
void ReleaseWindowPlacement() {
    FreeFormPlacement();
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
    {"window placement and configuration store", BringUpWindowPlacement},
    {"settings update patches", RegisterSettingsPatches},
    {"language modules", BringUpLanguageModules},
    {"translated controls", BringUpTranslatedControls},
    {"application object", BringUpApplicationObject},
    {"application title", SetApplicationTitle},
    {"main window", CreateMainWindow},
    {"message loop", RunMessageLoop},
};

constexpr TSequenceStep kShutdown[] = {
    {"application windows", DestroyApplicationWindows},
    {"message dialog", ReleaseMessageDialog},
    {"configuration store", ReleaseConfigurationStore},
    {"settings update patches", ReleaseSettingsPatches},
    {"window placement", ReleaseWindowPlacement},
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
