#include "platform/DynamicLibrary.h"

#include <windows.h>

namespace {

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

bool ProbeLibraryImage(const AnsiString& fileName) {
    // Mapped as data only: none of the file's code runs.
    const HMODULE image =
        LoadLibraryExA(LoaderName(fileName).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!image) {
        return false;
    }
    FreeLibrary(image);
    return true;
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
