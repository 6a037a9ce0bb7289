#include "platform/CodePage.h"

AnsiString Utf8ToAnsi(std::string_view utf8) {
    return WideToAnsi(Utf8ToWide(utf8));
}

std::string AnsiToUtf8(std::string_view ansi) {
    return WideToUtf8(AnsiToWide(ansi));
}
