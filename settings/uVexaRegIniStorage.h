#pragma once

#include "runtime/Interfaces.h"
#include "runtime/Strings.h"
#include "settings/RegistryRoot.h"
#include "settings/StorageSection.h"
#include "settings/VexaAppIniFileStorage.h"
#include "settings/VexaAppRegistryStorage.h"

#include <cstdint>
#include <memory>
#include <vector>

class TRegIniData;

enum TStoreOperation : std::uint8_t {
    soAdded = 0,   // the client has just been registered with the store
    soRemoved = 1, // the client has been unregistered, or the store is being released
};

// An object that holds a store it does not own: it registers with the store and is told when it
// is registered and when it is unregistered or the store goes away.
class TRegIniDataClient {
public:
    TRegIniDataClient() = default;
    TRegIniDataClient(const TRegIniDataClient&) = delete;
    TRegIniDataClient& operator=(const TRegIniDataClient&) = delete;
    virtual ~TRegIniDataClient() = default;

    virtual void StoreNotification(TRegIniData& store, TStoreOperation operation) = 0;
};

// The configuration store: decided once by the bootstrap file beside the program, it holds the
// registry or INI-file back-end with the section "FORMS" selected until it is released.
//
// The bootstrap file (section "CONFIGURATION") is only read: "UseRegistry" (integer, default 1)
// chooses the registry when not 0; "RegistryRoot" names the root key (default and fallback
// prCurrentUser); "IniFileName" names the settings file (default "Vexa.ini" in the user's
// application data folder), with environment references expanded. A name that is relative once
// its placeholders are filled is taken from the bootstrap file's folder; an empty one counts as
// missing. A bootstrap file that cannot be read counts as missing; one in UTF-8 or UTF-16 with
// its mark is read in that encoding. The settings file's folder is created here when missing.
class TRegIniData {
public:
    // Opens the store that the program's bootstrap file chooses.
    TRegIniData();
    explicit TRegIniData(const AnsiString& bootstrapFileName);
    TRegIniData(const TRegIniData&) = delete;
    TRegIniData& operator=(const TRegIniData&) = delete;
    // Tells every client soRemoved, the last registered first, then releases the back-end,
    // which writes an INI file back.
    ~TRegIniData();

    // Nothing for a null or registered client; otherwise appends it and tells it soAdded.
    void AddClient(TRegIniDataClient* client);
    // Nothing for a null client; otherwise removes it if it is registered and tells it
    // soRemoved in either case.
    void RemoveClient(TRegIniDataClient* client);
    const std::vector<TRegIniDataClient*>& Clients() const { return FClients; }

    // The back-end: a TVexaAppRegistryStorage or a TVexaAppIniFileStorage.
    TNonRefCountedObject& Store() const { return *FStore; }
    // The back-end as what it is, or null.
    TVexaAppRegistryStorage* RegistryStorage() const;
    TVexaAppIniFileStorage* IniFileStorage() const;

private:
    void OpenStore(const AnsiString& bootstrapFileName);

    std::vector<TRegIniDataClient*> FClients;
    std::unique_ptr<TNonRefCountedObject> FStore;
    // Clients are being told of the release; the list must stay as it is meanwhile.
    bool FReleasing = false;
};

// The one store of the process, created on the first call. Not to be called after
// FreeRegIniData at shutdown.
TRegIniData& RegIniData();
bool RegIniDataExists();
// Releases the store (see ~TRegIniData); nothing when there is none.
void FreeRegIniData();
