#include "platform/VersionInfo.h"

#include "platform/CodePage.h"

#include <bit>
#include <cstring>
#include <elf.h>
#include <fstream>
#include <string>

// The program file is read as data: its header, its section table and its note sections, each
// checked against the file's size, so that a damaged or foreign file reads as one without a
// version resource.

namespace {

using Bytes = std::vector<std::uint8_t>;

// Reads pieces of a file at given offsets, never beyond its end.
class TFilePieces {
public:
    explicit TFilePieces(const AnsiString& fileName)
        : FFile(AnsiToUtf8(fileName), std::ios::binary | std::ios::ate) {
        if (FFile) {
            FSize = static_cast<std::uint64_t>(FFile.tellg());
        }
    }

    bool Read(std::uint64_t offset, void* out, std::uint64_t size) {
        if (!FFile || offset > FSize || FSize - offset < size) {
            return false;
        }
        FFile.seekg(static_cast<std::streamoff>(offset));
        FFile.read(static_cast<char*>(out), static_cast<std::streamsize>(size));
        return static_cast<bool>(FFile);
    }

    template <class T>
    bool Read(std::uint64_t offset, T& out) {
        return Read(offset, &out, sizeof(T));
    }

    std::optional<Bytes> ReadBlock(std::uint64_t offset, std::uint64_t size) {
        if (offset > FSize || FSize - offset < size) {
            return std::nullopt;
        }
        Bytes block(static_cast<std::size_t>(size));
        if (!Read(offset, block.data(), size)) {
            return std::nullopt;
        }
        return block;
    }

private:
    std::ifstream FFile;
    std::uint64_t FSize = 0;
};

std::uint64_t AlignUp(std::uint64_t value, std::uint64_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

// The descriptor of the version note among the notes of one section, if it is there.
std::optional<Bytes> FindVersionNote(const Bytes& notes, std::uint64_t alignment) {
    const std::uint64_t align = alignment == 8 ? 8 : 4;
    constexpr std::uint64_t nameSize = sizeof(kVersionNoteName);
    std::uint64_t pos = 0;
    Elf64_Nhdr header{}; // the same layout as Elf32_Nhdr
    while (notes.size() - pos >= sizeof(header)) {
        std::memcpy(&header, notes.data() + pos, sizeof(header));
        const std::uint64_t name = pos + sizeof(header);
        const std::uint64_t desc = name + AlignUp(header.n_namesz, align);
        if (desc > notes.size() || header.n_descsz > notes.size() - desc) {
            return std::nullopt;
        }
        if (header.n_type == kVersionNoteType && header.n_namesz == nameSize &&
            std::memcmp(notes.data() + name, kVersionNoteName, nameSize) == 0) {
            const auto first = notes.begin() + static_cast<std::ptrdiff_t>(desc);
            return Bytes(first, first + static_cast<std::ptrdiff_t>(header.n_descsz));
        }
        pos = std::min<std::uint64_t>(desc + AlignUp(header.n_descsz, align), notes.size());
    }
    return std::nullopt;
}

template <class Ehdr, class Shdr>
std::optional<Bytes> FindVersionNote(TFilePieces& file) {
    Ehdr header{};
    if (!file.Read(0, header) || header.e_shentsize != sizeof(Shdr)) {
        return std::nullopt;
    }
    for (std::uint64_t i = 0; i < header.e_shnum; ++i) {
        Shdr section{};
        if (!file.Read(header.e_shoff + i * sizeof(Shdr), section)) {
            return std::nullopt;
        }
        if (section.sh_type != SHT_NOTE) {
            continue;
        }
        if (const auto notes = file.ReadBlock(section.sh_offset, section.sh_size)) {
            if (auto note = FindVersionNote(*notes, section.sh_addralign)) {
                return note;
            }
        }
    }
    return std::nullopt;
}

constexpr unsigned char kNativeByteOrder =
    std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB;

} // namespace

std::optional<AnsiString> TVersionInfo::QueryValue(std::string_view subBlock) const {
    while (!subBlock.empty() && subBlock.front() == '\\') {
        subBlock.remove_prefix(1);
    }
    const std::string wanted = AnsiToUtf8(subBlock);
    const std::string_view pairs(reinterpret_cast<const char*>(FBlock.data()), FBlock.size());
    std::size_t pos = 0;
    while (pos < pairs.size()) {
        const std::size_t keyEnd = pairs.find('\0', pos);
        const std::size_t valueEnd =
            keyEnd == pairs.npos ? pairs.npos : pairs.find('\0', keyEnd + 1);
        if (valueEnd == pairs.npos) {
            break;
        }
        // Paths are compared without regard to case, as the version resource compares them.
        if (SameText(pairs.substr(pos, keyEnd - pos), wanted)) {
            return Utf8ToAnsi(pairs.substr(keyEnd + 1, valueEnd - keyEnd - 1));
        }
        pos = valueEnd + 1;
    }
    return std::nullopt;
}

std::optional<TVersionInfo> ReadVersionInfo(const AnsiString& fileName) {
    TFilePieces file(fileName);
    unsigned char ident[EI_NIDENT] = {};
    if (!file.Read(0, ident, sizeof(ident)) || std::memcmp(ident, ELFMAG, SELFMAG) != 0 ||
        ident[EI_DATA] != kNativeByteOrder) {
        return std::nullopt;
    }
    std::optional<Bytes> note;
    if (ident[EI_CLASS] == ELFCLASS64) {
        note = FindVersionNote<Elf64_Ehdr, Elf64_Shdr>(file);
    } else if (ident[EI_CLASS] == ELFCLASS32) {
        note = FindVersionNote<Elf32_Ehdr, Elf32_Shdr>(file);
    }
    if (!note) {
        return std::nullopt;
    }
    return TVersionInfo(std::move(*note));
}
