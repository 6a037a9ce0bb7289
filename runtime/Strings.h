#pragma once

#include <string>
#include <string_view>

// Narrow strings hold bytes in the ANSI code page; wide strings hold UTF-16.
using AnsiString = std::string;
using WideString = std::u16string;

// UTF-8 and UTF-16 convert into each other without loss; malformed input becomes U+FFFD.
WideString Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::u16string_view wide);

// Letter case folded in ASCII only, as names and codes of this system are compared.
bool SameText(std::string_view a, std::string_view b);
bool SameText(std::u16string_view a, std::u16string_view b);
AnsiString LowerCase(std::string_view text);
AnsiString UpperCase(std::string_view text);
WideString LowerCase(std::u16string_view text);
WideString UpperCase(std::u16string_view text);
AnsiString Trim(std::string_view text);
