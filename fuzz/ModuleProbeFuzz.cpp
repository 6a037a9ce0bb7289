// Feeds arbitrary bytes to the readers of ELF and PE export tables, as the probe for language
// modules reads any file below the program folder: whatever a file holds, reading it must not
// fault, a file is of one kind at most, and a file that names all entry points names each one.
#include "platform/LibraryExports.h"

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

// Every kind the readers know: both ELF classes and byte orders, and the PE machines.
std::vector<std::function<bool(TFile, TNames)>> Readers() {
    std::vector<std::function<bool(TFile, TNames)>> readers;
    for (const TElfTarget target :
         {TElfTarget{2, 1, 62}, TElfTarget{1, 1, 3}, TElfTarget{2, 2, 21}, TElfTarget{1, 2, 8}}) {
        readers.push_back(
            [target](TFile file, TNames names) { return ElfLibraryExports(file, target, names); });
    }
    for (const std::uint16_t machine : {0x8664, 0x014C, 0xAA64}) {
        readers.push_back(
            [machine](TFile file, TNames names) { return PeLibraryExports(file, machine, names); });
    }
    return readers;
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
    return 0;
}
