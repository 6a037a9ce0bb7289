#include "settings/RegistryRoot.h"

TRegistryRoot RegistryRootFromName(std::string_view name) {
    for (std::size_t i = 0; i < kRegistryRootNames.size(); ++i) {
        if (SameText(kRegistryRootNames[i], name)) {
            return static_cast<TRegistryRoot>(i);
        }
    }
    return prCurrentUser;
}
