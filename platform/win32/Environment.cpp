#include "platform/Environment.h"

#include "platform/CodePage.h"

#include <algorithm>
#include <limits>
#include <string>
#include <windows.h>

namespace {

const wchar_t* Chars(const WideString& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

} // namespace

std::optional<AnsiString> ReadEnvironmentVariable(std::string_view name) {
    const WideString key = AnsiToWide(name);
    if (key.empty()) {
        return std::nullopt;
    }
    SetLastError(ERROR_SUCCESS);
    DWORD size = GetEnvironmentVariableW(Chars(key), nullptr, 0);
    // The variable may grow between two calls; each call reports the room it needs.
    while (size != 0) {
        WideString value(size, u'\0');
        const DWORD written =
            GetEnvironmentVariableW(Chars(key), reinterpret_cast<wchar_t*>(value.data()), size);
        if (written < size) {
            value.resize(written);
            return WideToAnsi(value);
        }
        size = written;
    }
    if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
        return std::nullopt;
    }
    return AnsiString();
}

void WriteEnvironmentVariable(std::string_view name, const std::optional<AnsiString>& value) {
    const WideString key = AnsiToWide(name);
    if (key.empty()) {
        return;
    }
    const WideString text = value ? AnsiToWide(*value) : WideString();
    SetEnvironmentVariableW(Chars(key), value ? Chars(text) : nullptr);
}

std::uint32_t ExpandEnvironment(std::string_view text, std::span<char> buffer) {
    const std::string source(text);
    const auto size =
        static_cast<DWORD>(std::min<std::size_t>(buffer.size(), std::numeric_limits<DWORD>::max()));
    return ExpandEnvironmentStringsA(source.c_str(), size ? buffer.data() : nullptr, size);
}
