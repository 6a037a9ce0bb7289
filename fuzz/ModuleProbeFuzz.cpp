// Feeds arbitrary bytes to the readers of ELF and PE export tables, as the probe for language
// modules reads any file below the program folder: whatever a file holds, reading it must not
// fault, a file is of one kind at most, a file that names all entry points names each one, and
// the test of a file's head never turns away a file that the whole reading accepts.
#include "platform/LibraryExports.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace {

using TFile = std::span<const unsigned char>;
using TNames = std::span<const std::string_view>;

constexpr std::string_view kEntryPoints[] = {"GETLOCALE", "GETDESCRIPTION", "GETSTRING"};

constexpr TElfTarget kElfTargets[] = {{2, 1, 62}, {1, 1, 3}, {2, 2, 21}, {1, 2, 8}};

// Every kind the readers know: both ELF classes and byte orders, and the PE machines.
std::vector<std::function<bool(TFile, TNames)>> Readers() {
    std::vector<std::function<bool(TFile, TNames)>> readers;
    for (const TElfTarget& target : kElfTargets) {
        readers.push_back(
            [target](TFile file, TNames names) { return ElfLibraryExports(file, target, names); });
    }
    for (const std::uint16_t machine : {0x8664, 0x014C, 0xAA64}) {
        readers.push_back(
            [machine](TFile file, TNames names) { return PeLibraryExports(file, machine, names); });
    }
    return readers;
}

// Whatever the whole file passes, its head passes too, however little of it there is.
void CheckHeads(TFile file) {
    for (const TElfTarget& target : kElfTargets) {
        const bool exports = ElfLibraryExports(file, target, kEntryPoints);
        for (const std::size_t length :
             {std::size_t{16}, std::size_t{64}, std::size_t{4096}, file.size() / 2, file.size()}) {
            const TFile head = file.first(std::min(length, file.size()));
            if (!ElfHeadMayExport(head, file.size(), target) && exports) {
                __builtin_trap();
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto readers = Readers();
    const TFile file(data, size);
    const TNames all(kEntryPoints);
    int kinds = 0;
    for (const auto& exports : readers) {
        if (!exports(file, all)) {
            continue;
        }
        ++kinds;
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (!exports(file, all.subspan(i, 1))) {
                __builtin_trap();
            }
        }
    }
    if (kinds > 1) {
        __builtin_trap();
    }
    CheckHeads(file);
    return 0;
}
