#include "platform/ShellFolders.h"

#include "platform/CodePage.h"

#include <algorithm>
#include <shlobj.h>
#include <windows.h>

namespace {

HResult CopyPath(const wchar_t* path, std::span<char> buffer) {
    const auto* wide = reinterpret_cast<const char16_t*>(path);
    const AnsiString text = WideToAnsi(std::u16string_view(wide));
    if (text.size() >= buffer.size()) {
        return kStatusBufferTooSmall;
    }
    std::copy(text.begin(), text.end(), buffer.begin());
    buffer[text.size()] = '\0';
    return kStatusOk;
}

} // namespace

HResult GetShellFolderPath(std::int32_t folderId, std::span<char> buffer) {
    IMalloc* allocator = nullptr;
    HResult status = SHGetMalloc(&allocator);
    if (FAILED(status)) {
        return status;
    }
    LPITEMIDLIST items = nullptr;
    status = SHGetSpecialFolderLocation(nullptr, folderId, &items);
    if (FAILED(status)) {
        status = GetShellFolderPathOnly(folderId | kCsidlFlagCreate, buffer);
    } else {
        wchar_t path[MAX_PATH + 1] = {};
        status = SHGetPathFromIDListW(items, path) ? CopyPath(path, buffer) : kStatusNoFolderPath;
    }
    if (items) {
        allocator->Free(items);
    }
    allocator->Release();
    return status;
}

HResult GetShellFolderPathOnly(std::int32_t folderIdAndFlags, std::span<char> buffer) {
    wchar_t path[MAX_PATH + 1] = {};
    const HResult status =
        SHGetFolderPathW(nullptr, folderIdAndFlags, nullptr, SHGFP_TYPE_CURRENT, path);
    return FAILED(status) ? status : CopyPath(path, buffer);
}
