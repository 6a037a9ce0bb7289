#pragma once

#include <cstdint>

// The handle of a registry root key, numbered as the root keys are numbered from
// HKEY_CLASSES_ROOT (0) to HKEY_DYN_DATA (6): 0x80000000 plus the number. On Windows it is the
// real predefined key (sign-extended on 64-bit Windows); elsewhere that value itself, as no key
// is ever opened there. 0 for a number outside the seven.
using TRegistryKeyHandle = std::uintptr_t;
TRegistryKeyHandle RegistryRootKey(int rootNumber);
