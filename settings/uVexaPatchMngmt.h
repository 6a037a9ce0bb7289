#pragma once

#include "runtime/Object.h"
#include "runtime/StringList.h"
#include "runtime/Strings.h"

#include <memory>
#include <vector>

using TStringArray = std::vector<AnsiString>;

// A named change to stored settings. Each patch class registers one instance of itself under its
// name in lower case; the registry owns the instances.
class TVexaIniUpdatePatch : public TObject {
public:
    // Registers one instance of the patch class C, created plainly; a name already registered
    // keeps its first registration.
    template <class C>
    static void RegisterPatch() {
        RegisterInstance(std::make_unique<C>());
    }

    virtual AnsiString PatchName() const = 0;
    virtual bool ApplyPatch(const TStringArray& names) = 0;

private:
    static void RegisterInstance(std::unique_ptr<TVexaIniUpdatePatch> patch);
};

// Puts each named window back to its stored placement.
class TVexaIniUpdatePatchFormPlcmtReset : public TVexaIniUpdatePatch {
public:
    AnsiString PatchName() const override { return "FormPlacementReset"; }
    // Always true; names the placement object does not know change nothing.
    bool ApplyPatch(const TStringArray& names) override;
};

// The registered patches: keys the lower-cased patch names, sorted with regard to case, objects
// the instances. Null before the first registration and after FreeUpdatePatches.
TStringList* UpdatePatches();
// Frees every registered instance and the registry itself.
void FreeUpdatePatches();
