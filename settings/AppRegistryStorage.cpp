#include "settings/AppRegistryStorage.h"

#include "settings/RegistryKeyPath.h"
#include "settings/StoragePlaceholders.h"

void TAppRegistryStorage::SetRoot(std::string_view path) {
    AnsiString normalized = NormalizeKeyPath(path);
    AnsiString expanded;
    // Expanded once: a value that itself looks like a placeholder is taken as it is.
    if (ExpandStoragePlaceholders(normalized, expanded)) {
        normalized = NormalizeKeyPath(expanded);
    }
    if (SameText(normalized, "%NONE%")) {
        normalized.clear();
    }
    FRoot = std::move(normalized);
}
