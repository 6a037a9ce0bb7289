#include "platform/DynamicLibrary.h"

#include "platform/LibraryExports.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <windows.h>

namespace {

#if defined(__x86_64__) || defined(_M_X64)
constexpr std::uint16_t kMachine = IMAGE_FILE_MACHINE_AMD64;
#elif defined(__i386__) || defined(_M_IX86)
constexpr std::uint16_t kMachine = IMAGE_FILE_MACHINE_I386;
#elif defined(__aarch64__) || defined(_M_ARM64)
constexpr std::uint16_t kMachine = IMAGE_FILE_MACHINE_ARM64;
#else
#error "unknown PE machine"
#endif

// A kernel handle, closed with its owner; CreateFile's INVALID_HANDLE_VALUE and the null handle of
// the other calls both mean none.
class THandle {
public:
    explicit THandle(HANDLE handle) : FHandle(handle) {}
    ~THandle() {
        if (Valid()) {
            CloseHandle(FHandle);
        }
    }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    bool Valid() const { return FHandle && FHandle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return FHandle; }

private:
    HANDLE FHandle;
};

// Windows appends ".dll" to a name without extension; a path to a file without extension gets
// a trailing dot, which tells the loader to take the name as it is.
AnsiString LoaderName(const AnsiString& fileName) {
    const auto separator = fileName.find_last_of("\\/:");
    if (separator == AnsiString::npos) {
        return fileName;
    }
    return fileName.find('.', separator) == AnsiString::npos ? fileName + "." : fileName;
}

} // namespace

bool ProbeLibraryExports(const AnsiString& fileName, std::span<const std::string_view> names) {
    // The file is mapped as data only: nothing of it is loaded as an image, none of its code runs.
    const THandle file(CreateFileA(fileName.c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < 64 ||
        static_cast<std::uint64_t>(size.QuadPart) > SIZE_MAX) {
        return false;
    }
    const THandle mapping(CreateFileMappingA(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping.Valid()) {
        return false;
    }
    const std::unique_ptr<const void, decltype(&UnmapViewOfFile)> view(
        MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0), UnmapViewOfFile);
    if (!view) {
        return false;
    }
    const std::span bytes(static_cast<const unsigned char*>(view.get()),
                          static_cast<std::size_t>(size.QuadPart));
    return PeLibraryExports(bytes, kMachine, names);
}

TLibraryHandle LoadLibraryForExecution(const AnsiString& fileName) {
    // No error dialog of the system for a library that cannot be loaded.
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const HMODULE library = LoadLibraryA(LoaderName(fileName).c_str());
    SetErrorMode(previous);
    return library;
}

void* FindLibrarySymbol(TLibraryHandle library, const char* name) {
    return library ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name))
                   : nullptr;
}

void FreeLibraryHandle(TLibraryHandle library) {
    if (library) {
        FreeLibrary(static_cast<HMODULE>(library));
    }
}

namespace {

// The innermost RunCatchingFaults still running, with the place to resume at after a fault.
struct TFaultGuard {
    void* Resume[5]; // for __builtin_setjmp
    DWORD Thread;
    TFaultGuard* Outer;
    void* ExceptionList;
};

TFaultGuard* gFaultGuard = nullptr;

bool IsProcessorFault(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_STACK_OVERFLOW:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void ResumeAfterFault() {
    __builtin_longjmp(gFaultGuard->Resume, 1);
}

// Sends a fault inside a guarded call to ResumeAfterFault, which jumps back into the guard. The
// system finishes its dispatch of the exception first, and none of the faulting code's own
// handlers runs: the code that faulted is left as it is. Everything else passes through.
LONG CALLBACK OnException(EXCEPTION_POINTERS* exception) {
    const TFaultGuard* guard = gFaultGuard;
    if (!guard || guard->Thread != GetCurrentThreadId() ||
        !IsProcessorFault(exception->ExceptionRecord->ExceptionCode)) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    CONTEXT& context = *exception->ContextRecord;
    // Below the faulting frame, aligned as on entry to a function, with room for its home area.
#if defined(_WIN64)
    context.Rsp = ((context.Rsp - 128) & ~DWORD64{15}) - 8;
    context.Rip = reinterpret_cast<DWORD64>(&ResumeAfterFault);
#else
    context.Esp = ((context.Esp - 128) & ~DWORD{15}) - 4;
    context.Eip = reinterpret_cast<DWORD>(&ResumeAfterFault);
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}

} // namespace

bool RunCatchingFaults(void (*call)(void*), void* context) noexcept {
    static const PVOID handler = AddVectoredExceptionHandler(1, OnException);
    if (!handler) {
        call(context);
        return true;
    }
    TFaultGuard guard{};
    guard.Thread = GetCurrentThreadId();
    guard.Outer = gFaultGuard;
#if !defined(_WIN64)
    // The chain of frame-based handlers as it is here (the first word of the thread's
    // information block); after a fault it may name frames of the code that was cut short.
    // 64-bit Windows keeps its handlers in tables, not on the stack.
    __asm__ volatile("movl %%fs:0, %0" : "=r"(guard.ExceptionList));
#endif
    if (__builtin_setjmp(guard.Resume) == 0) {
        gFaultGuard = &guard;
        call(context);
        gFaultGuard = guard.Outer;
        return true;
    }
    gFaultGuard = guard.Outer;
#if !defined(_WIN64)
    __asm__ volatile("movl %0, %%fs:0" : : "r"(guard.ExceptionList) : "memory");
#endif
    return false;
}

TLibraryHandle LoadLibraryAfterTrial(const AnsiString& fileName,
                                     const std::function<bool(TLibraryHandle)>& trial,
                                     AnsiString& fault) {
    fault.clear();
    const TLibraryHandle library = LoadLibraryForExecution(fileName);
    if (!library) {
        return nullptr;
    }
    bool passed = false;
    auto run = [&] {
        passed = trial(library);
    };
    if (!RunCatchingFaults(run)) {
        // Its code faulted: it stays loaded, as unloading would run more of it.
        fault = "a processor fault";
        return nullptr;
    }
    if (!passed) {
        FreeLibraryHandle(library);
        return nullptr;
    }
    return library;
}
