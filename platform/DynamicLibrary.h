#pragma once

#include "runtime/Strings.h"

#include <functional>
#include <span>
#include <string_view>
#include <utility>

// Libraries loaded at run time: language modules and the mail library.
using TLibraryHandle = void*;

// Whether the file is a library of this machine's kind whose export table names every one of
// Names, decided from the file alone: nothing of it is loaded and none of its code runs. Linux
// reads the ELF dynamic symbol table, Windows the PE export directory of the file mapped as data.
bool ProbeLibraryExports(const AnsiString& fileName, std::span<const std::string_view> names);

// Runs Call so that a processor fault in the code it runs (an access violation, an illegal
// instruction, an integer division by zero, a stack overflow) ends Call there and yields false
// instead of ending the process. Windows catches the fault as a structured exception. On Linux
// Call runs unguarded: there a library's code is tried in a process of its own before the
// library is loaded into this one (LoadLibraryAfterTrial). Call must hold nothing that needs
// releasing when it is cut short.
bool RunCatchingFaults(void (*call)(void*), void* context) noexcept;
template <class Call>
bool RunCatchingFaults(Call& call) noexcept {
    return RunCatchingFaults([](void* context) { (*static_cast<Call*>(context))(); }, &call);
}

// Loads a library for execution only once Trial, run on it where a fault of the library's code
// cannot end this process, has returned true. Linux loads the library in a child process and
// runs Trial there first, and loads it here only after that; Windows loads it here and runs
// Trial with RunCatchingFaults, so Trial must not raise and, like Call there, must hold nothing
// that needs releasing when it is cut short. Null when the library cannot be loaded, Trial
// returns false or the library's code fails; Fault then describes a failure of the library's
// code (a fault, the process ended, no answer in time) and stays empty otherwise.
TLibraryHandle LoadLibraryAfterTrial(const AnsiString& fileName,
                                     const std::function<bool(TLibraryHandle)>& trial,
                                     AnsiString& fault);

// Loads a library for execution, by path or, without a folder part, by the loader's search order;
// this runs the library's initialisation. Null when it cannot be loaded.
TLibraryHandle LoadLibraryForExecution(const AnsiString& fileName);
void* FindLibrarySymbol(TLibraryHandle library, const char* name);
void FreeLibraryHandle(TLibraryHandle library);

// One loaded library, unloaded with its owner.
class TDynamicLibrary {
public:
    TDynamicLibrary() = default;
    explicit TDynamicLibrary(const AnsiString& fileName)
        : FHandle(LoadLibraryForExecution(fileName)) {}
    // Takes over a library loaded otherwise.
    static TDynamicLibrary Adopt(TLibraryHandle handle) {
        TDynamicLibrary library;
        library.FHandle = handle;
        return library;
    }
    TDynamicLibrary(TDynamicLibrary&& other) noexcept
        : FHandle(std::exchange(other.FHandle, nullptr)) {}
    TDynamicLibrary& operator=(TDynamicLibrary&& other) noexcept {
        std::swap(FHandle, other.FHandle);
        return *this;
    }
    ~TDynamicLibrary() { Free(); }

    bool Loaded() const { return FHandle != nullptr; }
    TLibraryHandle Handle() const { return FHandle; }
    template <class Function>
    Function Symbol(const char* name) const {
        return FHandle ? reinterpret_cast<Function>(FindLibrarySymbol(FHandle, name)) : nullptr;
    }
    void Free() {
        if (FHandle) {
            FreeLibraryHandle(std::exchange(FHandle, nullptr));
        }
    }

private:
    TLibraryHandle FHandle = nullptr;
};
