#pragma once

#include "runtime/Strings.h"

#include <cstdint>
#include <optional>
#include <span>

// The process environment, in narrow strings of the ANSI code page. Names are compared as the
// platform compares them (Windows: without regard to case).
std::optional<AnsiString> ReadEnvironmentVariable(std::string_view name);
// Sets Name to Value (which may be empty), or removes Name when Value is nullopt.
void WriteEnvironmentVariable(std::string_view name, const std::optional<AnsiString>& value);

// ExpandEnvironmentStrings: each "%NAME%" of a defined variable is replaced by its value; a
// reference to an undefined variable, "%%" and a lone "%" stay as written. Returns the number of
// characters the expansion needs including the terminating NUL, and writes the expansion with
// its NUL into Buffer only when that fits; 0 on failure.
std::uint32_t ExpandEnvironment(std::string_view text, std::span<char> buffer);
