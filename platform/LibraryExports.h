#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Readers of the export tables of library files, over the file's bytes alone: nothing of the file
// is mapped for execution or run. Both are plain functions of their input, so that any platform
// can check them against arbitrary files. A file that is malformed anywhere they look, or cut
// short, exports nothing.

// The kind of ELF file a process can load: its class, byte order and machine (EI_CLASS,
// EI_DATA, e_machine).
struct TElfTarget {
    std::uint8_t Class;
    std::uint8_t Data;
    std::uint16_t Machine;
};

// Whether File is an ELF shared object of Target's kind (no program: it names no interpreter)
// whose dynamic symbol table, as the dynamic loader finds it through the dynamic segment,
// defines every one of Names as a global or weak function of default or protected visibility.
bool ElfLibraryExports(std::span<const unsigned char> file, const TElfTarget& target,
                       std::span<const std::string_view> names);

// Whether a file of FileSize bytes whose first bytes are Head may be such a shared object, as
// far as its ELF header and program headers tell when they lie in Head: false for any other
// file, programs among them. A test that needs no more than the head of the file; whatever
// ElfLibraryExports accepts passes it.
bool ElfHeadMayExport(std::span<const unsigned char> head, std::uint64_t fileSize,
                      const TElfTarget& target);

// Whether File is a PE image for Machine (IMAGE_FILE_MACHINE_...) marked as a DLL whose export
// directory names every one of Names, each bound to an exported address.
bool PeLibraryExports(std::span<const unsigned char> file, std::uint16_t machine,
                      std::span<const std::string_view> names);
