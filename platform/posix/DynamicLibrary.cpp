#include "platform/DynamicLibrary.h"

#include "platform/LibraryExports.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
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
    // Most files below a program folder are no shared objects at all, programs among them: one
    // read of the file's head tells, and only the others are mapped.
    const TElfTarget target{kElfClass, kElfData, kMachine};
    std::array<unsigned char, 4096> head;
    const ssize_t got = pread(file.Get(), head.data(), head.size(), 0);
    if (got <= 0 || !ElfHeadMayExport(std::span(head.data(), static_cast<std::size_t>(got)),
                                      static_cast<std::uint64_t>(info.st_size), target)) {
        return false;
    }
    const TReadOnlyMapping mapping(file.Get(), static_cast<std::size_t>(info.st_size));
    return mapping.Mapped() && ElfLibraryExports(mapping.Bytes(), target, names);
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

// Waits until the child has written its verdict or closed the pipe by ending, then reaps it;
// false when it does neither in time, and it is ended then.
bool WaitForChild(pid_t child, int verdict, int& status) {
    const auto deadline = std::chrono::steady_clock::now() + kTrialTimeout;
    pollfd ready{verdict, POLLIN, 0};
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const int events = poll(&ready, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
        if (events > 0) {
            break;
        }
        if (events == 0 || errno != EINTR) {
            kill(child, SIGKILL);
            while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
            return false;
        }
    }
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            status = 0; // reaped elsewhere: nothing to tell of it
            break;
        }
    }
    return true;
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
    if (!WaitForChild(child, reader.Get(), status)) {
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
