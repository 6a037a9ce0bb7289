#include "platform/Environment.h"

#include "platform/CodePage.h"

#include <algorithm>
#include <cstdlib>
#include <string>

// The environment of a Linux process holds UTF-8; the system's narrow strings hold the ANSI code
// page, so names and values are converted on the way in and out.

std::optional<AnsiString> ReadEnvironmentVariable(std::string_view name) {
    const std::string key = AnsiToUtf8(name);
    if (key.empty() || key.find('=') != std::string::npos) {
        return std::nullopt;
    }
    const char* value = std::getenv(key.c_str());
    if (!value) {
        return std::nullopt;
    }
    return Utf8ToAnsi(value);
}

void WriteEnvironmentVariable(std::string_view name, const std::optional<AnsiString>& value) {
    const std::string key = AnsiToUtf8(name);
    if (key.empty() || key.find('=') != std::string::npos) {
        return;
    }
    if (value) {
        setenv(key.c_str(), AnsiToUtf8(*value).c_str(), 1);
    } else {
        unsetenv(key.c_str());
    }
}

std::uint32_t ExpandEnvironment(std::string_view text, std::span<char> buffer) {
    AnsiString expanded;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find('%', pos);
        const std::size_t close = open == text.npos ? text.npos : text.find('%', open + 1);
        if (close == text.npos) {
            expanded.append(text.substr(pos));
            break;
        }
        expanded.append(text.substr(pos, open - pos));
        const std::string_view name = text.substr(open + 1, close - open - 1);
        const auto value = name.empty() ? std::nullopt : ReadEnvironmentVariable(name);
        // A reference that names no variable stays as written, both marks included.
        expanded.append(value ? std::string_view(*value) : text.substr(open, close - open + 1));
        pos = close + 1;
    }
    const std::size_t needed = expanded.size() + 1;
    if (needed > UINT32_MAX) {
        return 0;
    }
    if (needed <= buffer.size()) {
        std::copy(expanded.begin(), expanded.end(), buffer.begin());
        buffer[expanded.size()] = '\0';
    }
    return static_cast<std::uint32_t>(needed);
}
