#include "settings/uVexaPatchMngmt.h"

#include "settings/uFormPlacement.h"
#include "support/MiscTool.h"

namespace {

std::unique_ptr<TStringList> GUpdatePatches;

} // namespace

void TVexaIniUpdatePatch::RegisterInstance(std::unique_ptr<TVexaIniUpdatePatch> patch) {
    if (!GUpdatePatches) {
        GUpdatePatches = std::make_unique<TStringList>(TStringListSettings{
            .Sorted = true, .CaseSensitive = true, .Duplicates = dupIgnore, .Capacity = 16});
    }
    if (GUpdatePatches->AddObject(LowerCase(patch->PatchName()), patch.get()) >= 0) {
        patch.release();
    }
}

bool TVexaIniUpdatePatchFormPlcmtReset::ApplyPatch(const TStringArray& names) {
    if (!FormPlacementExists()) {
        return true;
    }
    for (const AnsiString& name : names) {
        FormPlacement().ResetPlacement(name);
    }
    return true;
}

TStringList* UpdatePatches() {
    return GUpdatePatches.get();
}

void FreeUpdatePatches() {
    FreeListObjects(GUpdatePatches.get());
    GUpdatePatches.reset();
}
