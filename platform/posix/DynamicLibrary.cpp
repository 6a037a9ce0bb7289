#include "platform/DynamicLibrary.h"

#include "platform/LibraryExports.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

#if defined(__LP64__)
constexpr unsigned char kElfClass = ELFCLASS64;
#else
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
    explicit TFileDescriptor(int fd) : FFd(fd) {}
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

// The file's bytes, mapped for reading only.
class TReadOnlyMapping {
public:
    TReadOnlyMapping(int fd, std::size_t size)
        : FData(mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0)), FSize(size) {}
    ~TReadOnlyMapping() {
        if (FData != MAP_FAILED) {
            munmap(FData, FSize);
        }
    }
    TReadOnlyMapping(const TReadOnlyMapping&) = delete;
    TReadOnlyMapping& operator=(const TReadOnlyMapping&) = delete;
    bool Mapped() const { return FData != MAP_FAILED; }
    std::span<const unsigned char> Bytes() const {
        return {static_cast<const unsigned char*>(FData), FSize};
    }

private:
    void* FData;
    std::size_t FSize;
};

} // namespace

bool ProbeLibraryExports(const AnsiString& fileName, std::span<const std::string_view> names) {
    const TFileDescriptor file(fileName.c_str());
    struct stat info {};
    if (file.Get() < 0 || fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    // Most files below a program folder are no ELF files at all: one short read tells.
    unsigned char ident[EI_NIDENT] = {};
    if (pread(file.Get(), ident, sizeof ident, 0) != static_cast<ssize_t>(sizeof ident) ||
        std::memcmp(ident, ELFMAG, SELFMAG) != 0 || ident[EI_CLASS] != kElfClass ||
        ident[EI_DATA] != kElfData) {
        return false;
    }
    const TReadOnlyMapping mapping(file.Get(), static_cast<std::size_t>(info.st_size));
    return mapping.Mapped() &&
           ElfLibraryExports(mapping.Bytes(), {kElfClass, kElfData, kMachine}, names);
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

bool RunCatchingFaults(void (*call)(void*), void* context) noexcept {
    call(context);
    return true;
}

namespace {

// How long a library's trial may take before it counts as hanging.
constexpr auto kTrialTimeout = std::chrono::seconds(10);

// Waits for the child; true when it ended, with its status.
bool WaitForChild(pid_t child, int& status) {
    const auto deadline = std::chrono::steady_clock::now() + kTrialTimeout;
    auto pause = std::chrono::microseconds(100);
    for (;;) {
        const pid_t ended = waitpid(child, &status, WNOHANG);
        if (ended == child) {
            return true;
        }
        if (ended < 0 && errno != EINTR) {
            status = 0;
            return true; // reaped elsewhere: nothing to tell of it
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(child, SIGKILL);
            while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
            return false;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min<std::chrono::microseconds>(pause * 2, std::chrono::milliseconds(20));
    }
}

} // namespace

TLibraryHandle LoadLibraryAfterTrial(const AnsiString& fileName,
                                     const std::function<bool(TLibraryHandle)>& trial,
                                     AnsiString& fault) {
    fault.clear();
    // The child tells its verdict through the pipe; ending in any other way is the library's
    // doing.
    int verdict[2];
    if (pipe2(verdict, O_CLOEXEC | O_NONBLOCK) != 0) {
        return nullptr;
    }
    std::fflush(nullptr); // nothing buffered here is written twice
    const pid_t child = fork();
    if (child == 0) {
        close(verdict[0]);
        void* library = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
        const char passed = library && trial(library) ? '+' : '-';
        // The child ends without running anything of the parent's on the way out.
        _exit(write(verdict[1], &passed, 1) == 1 ? 0 : 1);
    }
    close(verdict[1]);
    const TFileDescriptor reader(verdict[0]);
    if (child < 0) {
        return nullptr;
    }
    int status = 0;
    if (!WaitForChild(child, status)) {
        fault = "no answer within " + std::to_string(kTrialTimeout.count()) + " seconds";
        return nullptr;
    }
    char passed = 0;
    if (read(reader.Get(), &passed, 1) != 1) {
        if (WIFSIGNALED(status)) {
            const char* name = sigabbrev_np(WTERMSIG(status));
            fault =
                "signal " + (name ? "SIG" + std::string(name) : std::to_string(WTERMSIG(status)));
        } else {
            fault = "the process ended with status " + std::to_string(WEXITSTATUS(status));
        }
        return nullptr;
    }
    return passed == '+' ? LoadLibraryForExecution(fileName) : nullptr;
}
