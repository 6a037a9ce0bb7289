#pragma once

#include "runtime/Strings.h"

#include <utility>

// Libraries loaded at run time: language modules and the mail library.
using TLibraryHandle = void*;

// Whether the file is a library of this machine's kind, found without running any of its code:
// Windows maps it as a data image only; Linux reads its ELF headers without mapping the file.
bool ProbeLibraryImage(const AnsiString& fileName);

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
