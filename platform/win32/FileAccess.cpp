#include "platform/FileAccess.h"

#include <windows.h>

namespace {

bool IsDelimiter(char c) {
    return c == '\\' || c == '/';
}

// The length of the part of Path that no folder can be created in: "C:\", "\\server\share\",
// a leading "\".
std::size_t RootLength(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':') {
        return path.size() >= 3 && IsDelimiter(path[2]) ? 3 : 2;
    }
    if (path.size() >= 2 && IsDelimiter(path[0]) && IsDelimiter(path[1])) {
        std::size_t end = path.find_first_of("\\/", 2);
        if (end != std::string_view::npos) {
            end = path.find_first_of("\\/", end + 1);
        }
        return end == std::string_view::npos ? path.size() : end + 1;
    }
    return !path.empty() && IsDelimiter(path[0]) ? 1 : 0;
}

} // namespace

TFileInfo QueryFileInfo(const AnsiString& path) {
    const DWORD attributes =
        path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return {};
    }
    return {.Exists = true,
            .IsFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
            .ReadOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0};
}

AnsiString FileLinkTarget(const AnsiString& path) {
    return path;
}

TReadStatus ReadWholeFile(const AnsiString& path, std::string& content) {
    content.clear();
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                       error == ERROR_INVALID_NAME
                   ? TReadStatus::Missing
                   : TReadStatus::Failed;
    }
    TReadStatus status = TReadStatus::Read;
    char buffer[64 * 1024];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &count, nullptr)) {
            status = TReadStatus::Failed;
            break;
        }
        if (count == 0) {
            break;
        }
        content.append(buffer, count);
    }
    CloseHandle(file);
    if (status != TReadStatus::Read) {
        content.clear();
    }
    return status;
}

bool ForceDirectories(const AnsiString& folder) {
    if (folder.empty()) {
        return true;
    }
    const std::size_t root = RootLength(folder);
    for (std::size_t end = folder.find_first_of("\\/", root); end != AnsiString::npos;
         end = folder.find_first_of("\\/", end + 1)) {
        const AnsiString parent = folder.substr(0, end);
        if (!CreateDirectoryA(parent.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            return false;
        }
    }
    if (folder.size() > root && !CreateDirectoryA(folder.c_str(), nullptr) &&
        GetLastError() != ERROR_ALREADY_EXISTS) {
        return false;
    }
    return QueryFileInfo(folder).IsFolder;
}

AnsiString ExtractFileDir(std::string_view path) {
    const std::size_t last = path.find_last_of("\\/:");
    if (last == std::string_view::npos) {
        return {};
    }
    const std::size_t root = RootLength(path.substr(0, last + 1));
    std::size_t end = last + 1;
    while (end > root && IsDelimiter(path[end - 1])) {
        --end;
    }
    return AnsiString(path.substr(0, end));
}

AnsiString ExtractFileName(std::string_view path) {
    const std::size_t last = path.find_last_of("\\/:");
    return AnsiString(last == std::string_view::npos ? path : path.substr(last + 1));
}

bool IsRelativePath(std::string_view path) {
    return RootLength(path) == 0;
}
