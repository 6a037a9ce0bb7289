#include "platform/RegistryRoots.h"

#include <iterator>
#include <windows.h>

TRegistryKeyHandle RegistryRootKey(int rootNumber) {
    static const HKEY roots[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,     HKEY_LOCAL_MACHINE,
                                 HKEY_USERS,        HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG,
                                 HKEY_DYN_DATA};
    if (rootNumber < 0 || rootNumber >= static_cast<int>(std::size(roots))) {
        return 0;
    }
    return reinterpret_cast<TRegistryKeyHandle>(roots[rootNumber]);
}
