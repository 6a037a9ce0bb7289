#pragma once

#include "platform/RegistryRoots.h"
#include "runtime/Interfaces.h"
#include "runtime/Strings.h"
#include "settings/RegistryRoot.h"

// Settings below a key of the registry: the root key and the key path under which values live.
// Keys are opened only when a value is read or written; this application-storage base offers no
// value operations, so it never touches the registry and its flush does nothing.
class TAppRegistryStorage : public TNonRefCountedObject {
public:
    TAppRegistryStorage() = default;
    ~TAppRegistryStorage() override = default;

    TRegistryRoot RegRoot() const { return FRegRoot; }
    void SetRegRoot(TRegistryRoot root) { FRegRoot = root; }
    // The handle of the root key the storage works below.
    TRegistryKeyHandle RootKey() const { return RegistryRootKey(FRegRoot); }

    const AnsiString& Root() const { return FRoot; }
    // The path is normalised, then its placeholders are filled and the result normalised again;
    // "%NONE%" stands for the empty path.
    void SetRoot(std::string_view path);

    bool FlushOnDestroy() const { return FFlushOnDestroy; }
    void SetFlushOnDestroy(bool flush) { FFlushOnDestroy = flush; }
    virtual void Flush() {}

private:
    TRegistryRoot FRegRoot = prCurrentUser;
    AnsiString FRoot;
    bool FFlushOnDestroy = true;
};
