#include "platform/VersionInfo.h"

#include "platform/CodePage.h"

#include <windows.h>

std::optional<AnsiString> TVersionInfo::QueryValue(std::string_view subBlock) const {
    const WideString path = AnsiToWide(subBlock);
    void* value = nullptr;
    UINT length = 0;
    if (FBlock.empty() ||
        !VerQueryValueW(FBlock.data(), reinterpret_cast<LPCWSTR>(path.c_str()), &value, &length)) {
        return std::nullopt;
    }
    // The length counts the terminating NUL, which not every resource compiler writes.
    std::u16string_view text(static_cast<const char16_t*>(value), length);
    text = text.substr(0, text.find(u'\0'));
    return WideToAnsi(text);
}

std::optional<TVersionInfo> ReadVersionInfo(const AnsiString& fileName) {
    const WideString name = AnsiToWide(fileName);
    const auto* path = reinterpret_cast<LPCWSTR>(name.c_str());
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &handle);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> block(size);
    if (!GetFileVersionInfoW(path, 0, size, block.data())) {
        return std::nullopt;
    }
    return TVersionInfo(std::move(block));
}
