#include "settings/uFormPlacement.h"

#include "runtime/Exception.h"
#include "ui/Form.h"

#include <memory>

namespace {

std::unique_ptr<TVexaFormPlacement> GFormPlacement;

// The position mode under which the system leaves the restored parts of a placement alone.
TPosition AdjustedPosition(TPosition mode, TPlacementOptions options) {
    const bool size = (options & plSize) != 0;
    const bool position = (options & plPosition) != 0;
    if (size && position) {
        return TPosition::Designed;
    }
    if (size) {
        return mode == TPosition::Default ? TPosition::DefaultPosOnly : mode;
    }
    if (position) {
        return mode == TPosition::Default ? TPosition::DefaultSizeOnly : TPosition::Designed;
    }
    return mode;
}

// The window and its children stay in the design state while their mode changes, so that the
// change does not re-create the window; they leave it also when the change fails.
class TDesignState {
public:
    explicit TDesignState(TForm& form) : FForm(form) { FForm.SetDesigning(true); }
    ~TDesignState() { FForm.SetDesigning(false); }
    TDesignState(const TDesignState&) = delete;
    TDesignState& operator=(const TDesignState&) = delete;

private:
    TForm& FForm;
};

} // namespace

TVexaFormPlacement::TVexaFormPlacement() : TVexaFormPlacement(RegIniData()) {}

TVexaFormPlacement::TVexaFormPlacement(TRegIniData& store) {
    store.AddClient(this);
}

TVexaFormPlacement::~TVexaFormPlacement() {
    if (FConfigStore) {
        FConfigStore->RemoveClient(this);
    }
    FreeEntries();
}

void TVexaFormPlacement::StoreNotification(TRegIniData& store, TStoreOperation operation) {
    switch (operation) {
    case soAdded:
        FConfigStore = &store;
        break;
    case soRemoved:
        FreeEntries();
        FConfigStore = nullptr;
        break;
    }
}

void TVexaFormPlacement::FreeEntries() {
    while (FEntries.Count() > 0) {
        delete FEntries.Objects(0);
        FEntries.Delete(0);
    }
}

TFormPlacementEntry& TVexaFormPlacement::AddEntry(std::string_view formName) {
    auto entry = std::make_unique<TFormPlacementEntry>(*this);
    FEntries.AddObject(formName, entry.get());
    return *entry.release();
}

TFormPlacementEntry* TVexaFormPlacement::FindEntry(std::string_view formName) const {
    int index = -1;
    if (!FEntries.Find(formName, index)) {
        return nullptr;
    }
    return static_cast<TFormPlacementEntry*>(FEntries.Objects(index));
}

void TVexaFormPlacement::ResetPlacement(std::string_view formName) {
    if (TFormPlacementEntry* entry = FindEntry(formName)) {
        ApplyPlacement(*entry);
    }
}

void TVexaFormPlacement::ApplyPlacement(TFormPlacementEntry& entry) {
    TForm* form = entry.EntryForm;
    if (!form || entry.StoredPlacement.Length == 0) {
        entry.ResetPending = true;
        return;
    }
    if (!form->InState(csDesigning)) {
        const TPosition mode = AdjustedPosition(form->Position(), PlacementOptions);
        if (mode != form->Position()) {
            TDesignState designing(*form);
            form->SetPosition(mode);
        }
    }
    if (SetWindowPlacement(*form, entry.StoredPlacement)) {
        entry.ResetPending = false;
    }
    form->Update();
}

TVexaFormPlacement& FormPlacement() {
    // Created on demand it would open a store that nothing releases.
    if (!GFormPlacement) {
        throw Exception("Die Fensterpositionen sind nicht angelegt");
    }
    return *GFormPlacement;
}

bool FormPlacementExists() {
    return GFormPlacement != nullptr;
}

void CreateFormPlacement() {
    if (!GFormPlacement) {
        GFormPlacement = std::make_unique<TVexaFormPlacement>();
        GFormPlacement->PlacementOptions = plAllPlacementOptions;
    }
}

void FreeFormPlacement() {
    GFormPlacement.reset();
}
