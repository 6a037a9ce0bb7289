#pragma once

#include "runtime/Strings.h"

// The one place where narrow strings meet wide ones: the ANSI code page of the platform
// (Windows: the system's, CP_ACP; Linux: Windows-1252). Characters the code page lacks become "?".
WideString AnsiToWide(std::string_view ansi);
AnsiString WideToAnsi(std::u16string_view wide);

// The built-in texts are UTF-8 in the source; toolkits other than Win32 take UTF-8.
AnsiString Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);
