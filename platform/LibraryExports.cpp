#include "platform/LibraryExports.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Bounded reads of unsigned integers in the file's byte order; every read outside the file
// yields nothing.
class TFileBytes {
public:
    TFileBytes(std::span<const unsigned char> file, bool bigEndian)
        : FFile(file), FBigEndian(bigEndian) {}

    std::uint64_t Size() const { return FFile.size(); }
    bool Contains(std::uint64_t offset, std::uint64_t length) const {
        return offset <= FFile.size() && length <= FFile.size() - offset;
    }
    template <class T>
    std::optional<T> Read(std::uint64_t offset) const {
        if (!Contains(offset, sizeof(T))) {
            return std::nullopt;
        }
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            const std::size_t at = FBigEndian ? i : sizeof(T) - 1 - i;
            value = (value << 8) | FFile[static_cast<std::size_t>(offset) + at];
        }
        return static_cast<T>(value);
    }
    // Whether the bytes at Offset, no further than Limit, are Name followed by a zero.
    bool NameAt(std::uint64_t offset, std::uint64_t limit, std::string_view name) const {
        limit = std::min<std::uint64_t>(limit, FFile.size());
        if (offset > limit || name.size() >= limit - offset) {
            return false;
        }
        const auto* text = FFile.data() + offset;
        return std::equal(
                   name.begin(), name.end(), text,
                   [](char a, unsigned char b) { return static_cast<unsigned char>(a) == b; }) &&
               text[name.size()] == 0;
    }

private:
    std::span<const unsigned char> FFile;
    bool FBigEndian;
};

// Which of the wanted names have been seen.
class TNameSet {
public:
    explicit TNameSet(std::span<const std::string_view> names)
        : FNames(names), FFound(names.size(), false) {}
    template <class Matches>
    void Mark(Matches matches) {
        for (std::size_t i = 0; i < FNames.size(); ++i) {
            if (!FFound[i] && matches(FNames[i])) {
                FFound[i] = true;
            }
        }
    }
    bool All() const {
        return std::all_of(FFound.begin(), FFound.end(), [](bool b) { return b; });
    }

private:
    std::span<const std::string_view> FNames;
    std::vector<bool> FFound;
};

// ---- ELF ----

constexpr std::uint16_t kElfTypeShared = 3; // ET_DYN
constexpr std::uint32_t kSegmentLoad = 1;   // PT_LOAD
constexpr std::uint32_t kSegmentDynamic = 2;
constexpr std::uint32_t kSegmentInterpreter = 3;
constexpr std::int64_t kDynamicNull = 0;
constexpr std::int64_t kDynamicHash = 4;
constexpr std::int64_t kDynamicStringTable = 5;
constexpr std::int64_t kDynamicSymbolTable = 6;
constexpr std::int64_t kDynamicStringSize = 10;
constexpr std::int64_t kDynamicSymbolEntry = 11;
constexpr std::int64_t kDynamicGnuHash = 0x6ffffef5;
constexpr std::uint8_t kBindGlobal = 1;
constexpr std::uint8_t kBindWeak = 2;
constexpr std::uint8_t kTypeFunction = 2;
constexpr std::uint8_t kTypeIndirectFunction = 10;
constexpr std::uint8_t kVisibilityDefault = 0;
constexpr std::uint8_t kVisibilityProtected = 3;

// Where the fields of one ELF class lie.
struct TElfLayout {
    bool Wide; // 64-bit: addresses and offsets take 8 bytes
    std::uint64_t HeaderSize, SegmentOffset, SegmentEntrySize, SegmentCount;
    std::uint64_t SegmentSize; // one program header
    std::uint64_t SegmentFileOffset, SegmentAddress, SegmentFileSize;
    std::uint64_t DynamicSize; // one dynamic entry
    std::uint64_t SymbolSize, SymbolInfo, SymbolOther, SymbolSection;
};

constexpr TElfLayout kElf32{false, 52, 28, 42, 44, 32, 4, 8, 16, 8, 16, 12, 13, 14};
constexpr TElfLayout kElf64{true, 64, 32, 54, 56, 56, 8, 16, 32, 16, 24, 4, 5, 6};

struct TLoadSegment {
    std::uint64_t Address, FileOffset, FileSize;
};

class TElfReader {
public:
    // Bytes are the first bytes of a file of FileSize bytes, or all of them.
    TElfReader(const TFileBytes& bytes, const TElfLayout& layout, std::uint64_t fileSize)
        : FBytes(bytes), FLayout(layout), FFileSize(fileSize) {}

    std::optional<std::uint64_t> Word(std::uint64_t offset) const {
        if (FLayout.Wide) {
            return FBytes.Read<std::uint64_t>(offset);
        }
        return FBytes.Read<std::uint32_t>(offset);
    }

    // The file offset of Length bytes at a virtual address, when one loaded segment holds them
    // all in the file.
    std::optional<std::uint64_t> FileOffset(std::uint64_t address, std::uint64_t length) const {
        for (const TLoadSegment& segment : FLoads) {
            if (address >= segment.Address && address - segment.Address <= segment.FileSize &&
                length <= segment.FileSize - (address - segment.Address)) {
                return segment.FileOffset + (address - segment.Address);
            }
        }
        return std::nullopt;
    }

    // What the ELF header and the program headers tell. Unknown when they do not lie in the bytes
    // at hand, which may be the head of a longer file.
    enum class TSegments { NoLibrary, Unknown, Library };

    TSegments ReadSegments(const TElfTarget& target) {
        const auto type = FBytes.Read<std::uint16_t>(16);
        const auto machine = FBytes.Read<std::uint16_t>(18);
        const auto segmentOffset = Word(FLayout.SegmentOffset);
        const auto entrySize = FBytes.Read<std::uint16_t>(FLayout.SegmentEntrySize);
        const auto count = FBytes.Read<std::uint16_t>(FLayout.SegmentCount);
        if (!type || !machine || !segmentOffset || !entrySize || !count) {
            return FBytes.Size() < FFileSize ? TSegments::Unknown : TSegments::NoLibrary;
        }
        const std::uint64_t tableSize = std::uint64_t{*count} * FLayout.SegmentSize;
        if (*type != kElfTypeShared || *machine != target.Machine ||
            *entrySize != FLayout.SegmentSize || *count == 0 || *count == 0xFFFF ||
            !InFile(*segmentOffset, tableSize)) {
            return TSegments::NoLibrary;
        }
        if (!FBytes.Contains(*segmentOffset, tableSize)) {
            return TSegments::Unknown;
        }
        bool dynamic = false;
        for (std::uint64_t i = 0; i < *count; ++i) {
            const std::uint64_t at = *segmentOffset + i * FLayout.SegmentSize;
            const auto kind = *FBytes.Read<std::uint32_t>(at);
            const auto offset = *Word(at + FLayout.SegmentFileOffset);
            const auto address = *Word(at + FLayout.SegmentAddress);
            const auto fileSize = *Word(at + FLayout.SegmentFileSize);
            // A program names its interpreter; it is no library to load.
            if (kind == kSegmentInterpreter) {
                return TSegments::NoLibrary;
            }
            if ((kind == kSegmentLoad || kind == kSegmentDynamic) && !InFile(offset, fileSize)) {
                return TSegments::NoLibrary; // cut short
            }
            if (kind == kSegmentLoad) {
                FLoads.push_back({address, offset, fileSize});
            } else if (kind == kSegmentDynamic) {
                dynamic = true;
                FDynamic = {offset, fileSize};
            }
        }
        return dynamic && !FLoads.empty() ? TSegments::Library : TSegments::NoLibrary;
    }

    bool Exports(const TElfTarget& target, std::span<const std::string_view> names) {
        return ReadSegments(target) == TSegments::Library &&
               ReadDynamic(FDynamic.first, FDynamic.second) && SymbolsDefine(names);
    }

private:
    bool ReadDynamic(std::uint64_t offset, std::uint64_t size) {
        for (std::uint64_t at = offset; size - (at - offset) >= FLayout.DynamicSize;
             at += FLayout.DynamicSize) {
            const auto rawTag = Word(at);
            const auto value = Word(at + FLayout.DynamicSize / 2);
            if (!rawTag || !value) {
                return false;
            }
            const auto tag = FLayout.Wide ? static_cast<std::int64_t>(*rawTag)
                                          : std::int64_t{static_cast<std::int32_t>(*rawTag)};
            switch (tag) {
            case kDynamicNull:
                return FSymbols && FStrings && FStringSize;
            case kDynamicHash:
                FHash = *value;
                break;
            case kDynamicGnuHash:
                FGnuHash = *value;
                break;
            case kDynamicStringTable:
                FStrings = *value;
                break;
            case kDynamicStringSize:
                FStringSize = *value;
                break;
            case kDynamicSymbolTable:
                FSymbols = *value;
                break;
            case kDynamicSymbolEntry:
                FSymbolEntry = *value;
                break;
            default:
                break;
            }
        }
        return false; // no end entry
    }

    // The number of entries of the dynamic symbol table, as its hash table tells it.
    std::optional<std::uint64_t> SymbolCount() const {
        if (FHash) {
            const auto table = FileOffset(*FHash, 8);
            if (!table) {
                return std::nullopt;
            }
            return FBytes.Read<std::uint32_t>(*table + 4);
        }
        if (!FGnuHash) {
            return std::nullopt;
        }
        const auto table = FileOffset(*FGnuHash, 16);
        if (!table) {
            return std::nullopt;
        }
        const auto buckets = FBytes.Read<std::uint32_t>(*table);
        const auto first = FBytes.Read<std::uint32_t>(*table + 4);
        const auto bloomWords = FBytes.Read<std::uint32_t>(*table + 8);
        if (!buckets || !first || !bloomWords) {
            return std::nullopt;
        }
        const std::uint64_t bucketStart =
            *table + 16 + std::uint64_t{*bloomWords} * (FLayout.Wide ? 8 : 4);
        if (!FBytes.Contains(bucketStart, std::uint64_t{*buckets} * 4)) {
            return std::nullopt;
        }
        std::uint32_t last = 0;
        for (std::uint64_t i = 0; i < *buckets; ++i) {
            last = std::max(last, *FBytes.Read<std::uint32_t>(bucketStart + i * 4));
        }
        if (last == 0) {
            return std::uint64_t{*first};
        }
        if (last < *first) {
            return std::nullopt;
        }
        // The chain of the last bucket ends with the last symbol: its low bit is set.
        const std::uint64_t chains = bucketStart + std::uint64_t{*buckets} * 4;
        for (std::uint64_t index = last;; ++index) {
            const auto hash = FBytes.Read<std::uint32_t>(chains + (index - *first) * 4);
            if (!hash) {
                return std::nullopt;
            }
            if (*hash & 1) {
                return index + 1;
            }
        }
    }

    bool SymbolsDefine(std::span<const std::string_view> names) const {
        if (FSymbolEntry && *FSymbolEntry != FLayout.SymbolSize) {
            return false;
        }
        const auto count = SymbolCount();
        const auto strings = FileOffset(*FStrings, *FStringSize);
        if (!count || !strings || *count > FBytes.Size() / FLayout.SymbolSize) {
            return false;
        }
        const auto symbols = FileOffset(*FSymbols, *count * FLayout.SymbolSize);
        if (!symbols) {
            return false;
        }
        TNameSet wanted(names);
        for (std::uint64_t i = 1; i < *count && !wanted.All(); ++i) {
            const std::uint64_t at = *symbols + i * FLayout.SymbolSize;
            const auto name = FBytes.Read<std::uint32_t>(at);
            const auto info = FBytes.Read<std::uint8_t>(at + FLayout.SymbolInfo);
            const auto other = FBytes.Read<std::uint8_t>(at + FLayout.SymbolOther);
            const auto section = FBytes.Read<std::uint16_t>(at + FLayout.SymbolSection);
            if (!name || !info || !other || !section) {
                return false;
            }
            const std::uint8_t bind = *info >> 4;
            const std::uint8_t kind = *info & 0x0F;
            const std::uint8_t visibility = *other & 0x03;
            if (*section == 0 || (bind != kBindGlobal && bind != kBindWeak) ||
                (kind != kTypeFunction && kind != kTypeIndirectFunction) ||
                (visibility != kVisibilityDefault && visibility != kVisibilityProtected)) {
                continue;
            }
            wanted.Mark([&](std::string_view wantedName) {
                return FBytes.NameAt(*strings + *name, *strings + *FStringSize, wantedName);
            });
        }
        return wanted.All();
    }

    bool InFile(std::uint64_t offset, std::uint64_t length) const {
        return offset <= FFileSize && length <= FFileSize - offset;
    }

    const TFileBytes& FBytes;
    const TElfLayout& FLayout;
    std::uint64_t FFileSize;
    std::vector<TLoadSegment> FLoads;
    std::pair<std::uint64_t, std::uint64_t> FDynamic;
    std::optional<std::uint64_t> FHash, FGnuHash, FStrings, FStringSize, FSymbols, FSymbolEntry;
};

// ---- PE ----

constexpr std::uint16_t kPeCharacteristicDll = 0x2000;
constexpr std::uint16_t kPeCharacteristicExecutable = 0x0002;
constexpr std::uint16_t kPeMagic32 = 0x10B;
constexpr std::uint16_t kPeMagic64 = 0x20B;
constexpr std::uint64_t kPeSectionSize = 40;

struct TPeSection {
    std::uint32_t Address, RawSize, RawOffset;
};

// Where an address relative to the image lies in the file, and how many bytes of its section
// follow it there.
struct TPeLocation {
    std::uint64_t Offset, Available;
};

class TPeReader {
public:
    explicit TPeReader(const TFileBytes& bytes) : FBytes(bytes) {}

    bool Exports(std::uint16_t machine, std::span<const std::string_view> names) {
        const auto signature = FBytes.Read<std::uint16_t>(0);
        const auto header = FBytes.Read<std::uint32_t>(0x3C);
        if (!signature || *signature != 0x5A4D || !header ||
            FBytes.Read<std::uint32_t>(*header) != std::optional<std::uint32_t>(0x00004550)) {
            return false;
        }
        const std::uint64_t coff = std::uint64_t{*header} + 4;
        const auto fileMachine = FBytes.Read<std::uint16_t>(coff);
        const auto sectionCount = FBytes.Read<std::uint16_t>(coff + 2);
        const auto optionalSize = FBytes.Read<std::uint16_t>(coff + 16);
        const auto characteristics = FBytes.Read<std::uint16_t>(coff + 18);
        const std::uint64_t optional = coff + 20;
        const auto magic = FBytes.Read<std::uint16_t>(optional);
        if (!fileMachine || *fileMachine != machine || !sectionCount || !optionalSize ||
            !characteristics || (*characteristics & kPeCharacteristicDll) == 0 ||
            (*characteristics & kPeCharacteristicExecutable) == 0 || !magic ||
            (*magic != kPeMagic32 && *magic != kPeMagic64)) {
            return false;
        }
        const std::uint64_t directoryCountAt = optional + (*magic == kPeMagic32 ? 92 : 108);
        const std::uint64_t exportEntryAt = directoryCountAt + 4;
        const auto headersSize = FBytes.Read<std::uint32_t>(optional + 60);
        const auto directoryCount = FBytes.Read<std::uint32_t>(directoryCountAt);
        const auto exportAddress = FBytes.Read<std::uint32_t>(exportEntryAt);
        if (exportEntryAt + 8 > optional + *optionalSize || !headersSize || !directoryCount ||
            *directoryCount == 0 || !exportAddress || *exportAddress == 0) {
            return false;
        }
        FHeadersSize = *headersSize;
        const std::uint64_t sections = optional + *optionalSize;
        if (!FBytes.Contains(sections, std::uint64_t{*sectionCount} * kPeSectionSize)) {
            return false;
        }
        for (std::uint64_t i = 0; i < *sectionCount; ++i) {
            const std::uint64_t at = sections + i * kPeSectionSize;
            const TPeSection section{*FBytes.Read<std::uint32_t>(at + 12),
                                     *FBytes.Read<std::uint32_t>(at + 16),
                                     *FBytes.Read<std::uint32_t>(at + 20)};
            if (section.RawSize > 0 && !FBytes.Contains(section.RawOffset, section.RawSize)) {
                return false; // cut short
            }
            FSections.push_back(section);
        }
        return DirectoryNames(*exportAddress, names);
    }

private:
    std::optional<TPeLocation> Locate(std::uint64_t address) const {
        if (address < FHeadersSize && address < FBytes.Size()) {
            return TPeLocation{address,
                               std::min<std::uint64_t>(FHeadersSize, FBytes.Size()) - address};
        }
        for (const TPeSection& section : FSections) {
            if (address >= section.Address && address - section.Address < section.RawSize) {
                const std::uint64_t into = address - section.Address;
                return TPeLocation{section.RawOffset + into, section.RawSize - into};
            }
        }
        return std::nullopt;
    }
    std::optional<std::uint64_t> Table(std::uint64_t address, std::uint64_t length) const {
        const auto location = Locate(address);
        if (!location || length > location->Available) {
            return std::nullopt;
        }
        return location->Offset;
    }

    bool DirectoryNames(std::uint32_t directoryAddress,
                        std::span<const std::string_view> names) const {
        const auto directory = Table(directoryAddress, 40);
        if (!directory) {
            return false;
        }
        const auto functionCount = *FBytes.Read<std::uint32_t>(*directory + 20);
        const auto nameCount = *FBytes.Read<std::uint32_t>(*directory + 24);
        const auto functions =
            Table(*FBytes.Read<std::uint32_t>(*directory + 28), std::uint64_t{functionCount} * 4);
        const auto nameAddresses =
            Table(*FBytes.Read<std::uint32_t>(*directory + 32), std::uint64_t{nameCount} * 4);
        const auto ordinals =
            Table(*FBytes.Read<std::uint32_t>(*directory + 36), std::uint64_t{nameCount} * 2);
        if (!functions || !nameAddresses || !ordinals) {
            return false;
        }
        TNameSet wanted(names);
        for (std::uint64_t i = 0; i < nameCount && !wanted.All(); ++i) {
            const auto name = Locate(*FBytes.Read<std::uint32_t>(*nameAddresses + i * 4));
            const std::uint16_t ordinal = *FBytes.Read<std::uint16_t>(*ordinals + i * 2);
            if (!name || ordinal >= functionCount ||
                *FBytes.Read<std::uint32_t>(*functions + std::uint64_t{ordinal} * 4) == 0) {
                continue;
            }
            wanted.Mark([&](std::string_view wantedName) {
                return FBytes.NameAt(name->Offset, name->Offset + name->Available, wantedName);
            });
        }
        return wanted.All();
    }

    const TFileBytes& FBytes;
    std::uint64_t FHeadersSize = 0;
    std::vector<TPeSection> FSections;
};

} // namespace

namespace {

// The reader for File when its identification matches Target, else nothing.
const TElfLayout* ElfLayout(std::span<const unsigned char> file, const TElfTarget& target) {
    constexpr unsigned char kMagic[] = {0x7F, 'E', 'L', 'F'};
    constexpr std::uint8_t kClass32 = 1;
    constexpr std::uint8_t kClass64 = 2;
    if (file.size() < 16 || !std::equal(std::begin(kMagic), std::end(kMagic), file.begin()) ||
        file[4] != target.Class || file[5] != target.Data ||
        (target.Class != kClass32 && target.Class != kClass64)) {
        return nullptr;
    }
    return target.Class == kClass64 ? &kElf64 : &kElf32;
}

constexpr std::uint8_t kDataBigEndian = 2;

} // namespace

bool ElfHeadMayExport(std::span<const unsigned char> head, std::uint64_t fileSize,
                      const TElfTarget& target) {
    const TElfLayout* layout = ElfLayout(head, target);
    if (!layout || head.size() > fileSize) {
        return false;
    }
    const TFileBytes bytes(head, target.Data == kDataBigEndian);
    return TElfReader(bytes, *layout, fileSize).ReadSegments(target) !=
           TElfReader::TSegments::NoLibrary;
}

bool ElfLibraryExports(std::span<const unsigned char> file, const TElfTarget& target,
                       std::span<const std::string_view> names) {
    const TElfLayout* layout = ElfLayout(file, target);
    if (!layout) {
        return false;
    }
    const TFileBytes bytes(file, target.Data == kDataBigEndian);
    return TElfReader(bytes, *layout, file.size()).Exports(target, names);
}

bool PeLibraryExports(std::span<const unsigned char> file, std::uint16_t machine,
                      std::span<const std::string_view> names) {
    const TFileBytes bytes(file, false);
    return TPeReader(bytes).Exports(machine, names);
}
