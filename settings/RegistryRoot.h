#pragma once

#include "runtime/Strings.h"

#include <array>
#include <cstdint>
#include <string_view>

// The registry root keys that the bootstrap file may name; each value selects the root key whose
// handle is 0x80000000 plus the value.
enum TRegistryRoot : std::uint8_t {
    prClassesRoot = 0,
    prCurrentUser = 1,
    prLocalMachine = 2,
    prUsers = 3,
    prPerformanceData = 4,
    prCurrentConfig = 5,
    prDynData = 6,
};

inline constexpr std::array<std::string_view, 7> kRegistryRootNames = {
    "prClassesRoot",     "prCurrentUser",   "prLocalMachine", "prUsers",
    "prPerformanceData", "prCurrentConfig", "prDynData"};

// The root that Name names without regard to case; prCurrentUser for a name that is none of them.
TRegistryRoot RegistryRootFromName(std::string_view name);
