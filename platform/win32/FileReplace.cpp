#include "platform/FileReplace.h"

#include "platform/FileAccess.h"

#include <algorithm>
#include <windows.h>

namespace {

bool WriteAll(HANDLE file, std::string_view content) {
    while (!content.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        content.remove_prefix(written);
    }
    return true;
}

} // namespace

bool ReplaceFileContent(const AnsiString& path, std::string_view content) {
    if (path.empty()) {
        return false;
    }
    if (QueryFileInfo(path).ReadOnly) {
        return false;
    }
    const AnsiString folder = ExtractFileDir(path);
    // Creates the temporary file with a name of its own in the target's folder.
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "vxa", 0, temporary)) {
        return false;
    }
    const HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileA(temporary);
        return false;
    }
    bool written = WriteAll(file, content) && FlushFileBuffers(file);
    written = CloseHandle(file) && written;
    if (!written ||
        !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary);
        return false;
    }
    return true;
}
