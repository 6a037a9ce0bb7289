#pragma once

#include "runtime/Object.h"
#include "runtime/StringList.h"
#include "runtime/Strings.h"
#include "settings/uVexaRegIniStorage.h"
#include "ui/WindowPlacement.h"

#include <cstdint>

class TForm;
class TVexaFormPlacement;

// Which parts of a stored placement are restored. The show state always comes from the
// record's show command; plReserved is kept in the set but consulted by no operation.
using TPlacementOptions = std::uint8_t;
inline constexpr TPlacementOptions plReserved = 1;
inline constexpr TPlacementOptions plSize = 2;
inline constexpr TPlacementOptions plPosition = 4;
inline constexpr TPlacementOptions plAllPlacementOptions = plReserved | plSize | plPosition;

// What the placement object knows of one window.
class TFormPlacementEntry : public TObject {
public:
    explicit TFormPlacementEntry(TVexaFormPlacement& owner) : EntryOwner(owner) {}

    TVexaFormPlacement& EntryOwner;
    // Null while the window does not exist; whoever attaches a window clears it before the
    // window goes.
    TForm* EntryForm = nullptr;
    // A reset was asked for while there was no window or no stored placement to apply.
    bool ResetPending = false;
    // Length 0: no placement is stored.
    TWindowPlacement StoredPlacement;
};

// Keeps a stored placement per window name and puts a window back to it. A client of the
// configuration store: when the store goes, the entries go with it.
class TVexaFormPlacement : public TRegIniDataClient {
public:
    // Registers with the process's store, creating it when needed.
    TVexaFormPlacement();
    explicit TVexaFormPlacement(TRegIniData& store);
    // Unregisters from the store if it still exists, and frees the entries.
    ~TVexaFormPlacement() override;

    TPlacementOptions PlacementOptions = 0;
    // Window names in sorted order, without regard to case, each carrying its entry.
    const TStringList& Entries() const { return FEntries; }
    TRegIniData* ConfigStore() const { return FConfigStore; }

    void StoreNotification(TRegIniData& store, TStoreOperation operation) override;

    // A new entry for the window named FormName; a name already known raises the list error.
    TFormPlacementEntry& AddEntry(std::string_view formName);
    TFormPlacementEntry* FindEntry(std::string_view formName) const;

    // Applies the stored placement of the window named FormName; nothing for an unknown name.
    void ResetPlacement(std::string_view formName);
    // Puts the entry's window to its stored placement, adjusting the window's position mode
    // first so that the system does not override what is restored; without a window or a stored
    // placement only ResetPending is set.
    void ApplyPlacement(TFormPlacementEntry& entry);

private:
    void FreeEntries();

    TStringList FEntries{{.Sorted = true, .CaseSensitive = false, .Duplicates = dupError}};
    TRegIniData* FConfigStore = nullptr;
};

// The process's placement object: created with all placement options at start-up and freed at
// shutdown; asking for it outside that time raises an Exception.
TVexaFormPlacement& FormPlacement();
bool FormPlacementExists();
void CreateFormPlacement();
void FreeFormPlacement();
