#include "platform/CodePage.h"

#include <windows.h>

WideString AnsiToWide(std::string_view ansi) {
    if (ansi.empty()) {
        return {};
    }
    const int size = static_cast<int>(ansi.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    WideString out(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, reinterpret_cast<wchar_t*>(out.data()),
                        length);
    return out;
}

AnsiString WideToAnsi(std::u16string_view wide) {
    if (wide.empty()) {
        return {};
    }
    const auto* source = reinterpret_cast<const wchar_t*>(wide.data());
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, source, size, nullptr, 0, nullptr, nullptr);
    AnsiString out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, source, size, out.data(), length, nullptr, nullptr);
    return out;
}
