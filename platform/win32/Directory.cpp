#include "platform/Directory.h"

#include <cstring>
#include <memory>
#include <windows.h>

char PathDelimiter() {
    return '\\';
}

void EnumerateFolder(const AnsiString& folder,
                     const std::function<void(const TFolderEntry&)>& visit) {
    AnsiString pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') {
        pattern += '\\';
    }
    pattern += "*.*";
    WIN32_FIND_DATAA data{};
    const HANDLE first = FindFirstFileA(pattern.c_str(), &data);
    if (first == INVALID_HANDLE_VALUE) {
        return;
    }
    // The search is closed however the walk ends, also when the visitor raises.
    const std::unique_ptr<void, decltype(&FindClose)> find(first, FindClose);
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0) {
            continue;
        }
        visit({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(find.get(), &data));
}
