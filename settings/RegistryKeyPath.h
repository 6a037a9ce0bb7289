#pragma once

#include "runtime/Strings.h"

#include <string_view>

// A registry key path in its one written form: split at "\", empty segments and "." dropped, the
// rest joined by single "\" without a leading or trailing one. ".." is an ordinary key name in
// the registry and stays.
AnsiString NormalizeKeyPath(std::string_view path);
