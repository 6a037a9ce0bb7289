#include "platform/Directory.h"

#include <cstring>
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
    const HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0) {
            continue;
        }
        visit({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(find, &data));
    FindClose(find);
}
