#include "platform/DynamicLibrary.h"

#include <cstring>
#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

#if defined(__LP64__)
using ElfHeader = Elf64_Ehdr;
using ProgramHeader = Elf64_Phdr;
constexpr unsigned char kElfClass = ELFCLASS64;
#else
using ElfHeader = Elf32_Ehdr;
using ProgramHeader = Elf32_Phdr;
constexpr unsigned char kElfClass = ELFCLASS32;
#endif

#if defined(__x86_64__)
constexpr int kMachine = EM_X86_64;
#elif defined(__i386__)
constexpr int kMachine = EM_386;
#elif defined(__aarch64__)
constexpr int kMachine = EM_AARCH64;
#elif defined(__arm__)
constexpr int kMachine = EM_ARM;
#else
#error "unknown ELF machine"
#endif

#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr unsigned char kElfData = ELFDATA2LSB;
#else
constexpr unsigned char kElfData = ELFDATA2MSB;
#endif

class TFileDescriptor {
public:
    explicit TFileDescriptor(const char* path) : FFd(open(path, O_RDONLY | O_CLOEXEC)) {}
    ~TFileDescriptor() {
        if (FFd >= 0) {
            close(FFd);
        }
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    int Get() const { return FFd; }

private:
    int FFd;
};

bool ReadExactly(int fd, void* buffer, std::size_t size, off_t offset) {
    auto* out = static_cast<char*>(buffer);
    while (size > 0) {
        const ssize_t got = pread(fd, out, size, offset);
        if (got <= 0) {
            return false;
        }
        out += got;
        size -= static_cast<std::size_t>(got);
        offset += got;
    }
    return true;
}

} // namespace

bool ProbeLibraryImage(const AnsiString& fileName) {
    const TFileDescriptor file(fileName.c_str());
    struct stat info {};
    if (file.Get() < 0 || fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    const auto fileSize = static_cast<std::uint64_t>(info.st_size);
    ElfHeader header{};
    if (fileSize < sizeof header || !ReadExactly(file.Get(), &header, sizeof header, 0)) {
        return false;
    }
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != kElfClass || header.e_ident[EI_DATA] != kElfData ||
        header.e_type != ET_DYN || header.e_machine != kMachine ||
        header.e_phentsize != sizeof(ProgramHeader) || header.e_phnum == 0) {
        return false;
    }
    const std::uint64_t tableEnd = static_cast<std::uint64_t>(header.e_phoff) +
                                   std::uint64_t{header.e_phnum} * sizeof(ProgramHeader);
    if (tableEnd > fileSize) {
        return false;
    }
    std::vector<ProgramHeader> segments(header.e_phnum);
    if (!ReadExactly(file.Get(), segments.data(), segments.size() * sizeof(ProgramHeader),
                     static_cast<off_t>(header.e_phoff))) {
        return false;
    }
    bool loadable = false;
    for (const ProgramHeader& segment : segments) {
        // A program (it names an interpreter) is no library, and a truncated file is no image.
        if (segment.p_type == PT_INTERP) {
            return false;
        }
        if (segment.p_type == PT_LOAD) {
            loadable = true;
            if (std::uint64_t{segment.p_offset} + segment.p_filesz > fileSize) {
                return false;
            }
        }
    }
    return loadable;
}

TLibraryHandle LoadLibraryForExecution(const AnsiString& fileName) {
    return dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* FindLibrarySymbol(TLibraryHandle library, const char* name) {
    return library ? dlsym(library, name) : nullptr;
}

void FreeLibraryHandle(TLibraryHandle library) {
    if (library) {
        dlclose(library);
    }
}
