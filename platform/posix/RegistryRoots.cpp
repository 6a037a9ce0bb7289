#include "platform/RegistryRoots.h"

TRegistryKeyHandle RegistryRootKey(int rootNumber) {
    if (rootNumber < 0 || rootNumber > 6) {
        return 0;
    }
    return 0x80000000u + static_cast<unsigned>(rootNumber);
}
