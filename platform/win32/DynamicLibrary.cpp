#include "platform/DynamicLibrary.h"

#include <windows.h>

bool ProbeLibraryImage(const AnsiString& fileName) {
    // Mapped as data only: none of the file's code runs.
    const HMODULE image = LoadLibraryExA(fileName.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!image) {
        return false;
    }
    FreeLibrary(image);
    return true;
}

TLibraryHandle LoadLibraryForExecution(const AnsiString& fileName) {
    // No error dialog of the system for a library that cannot be loaded.
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const HMODULE library = LoadLibraryA(fileName.c_str());
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
