#pragma once

#include "runtime/Strings.h"

#include <cstddef>
#include <cstdint>

// A text id names one user-visible text; 0 means "no text".
using TTextId = std::uint32_t;

inline constexpr TTextId kFirstDefStringId = 1000;
inline constexpr TTextId kLastDefStringId = 17000;
inline constexpr std::size_t kDefStringCount = kLastDefStringId - kFirstDefStringId + 1;

// The built-in German texts, one slot per id from 1000 to 17000, indexed directly by the id.
// Filled once at start-up from the built-in rows, before any catalog exists; emptied at shutdown.
void FillDefStrings();
void ClearDefStrings();

// The German text of Id; the empty string outside 1000..17000 or for an id without a row.
const AnsiString& GetDefString(TTextId id) noexcept;

// Sets one slot; ids outside the array are ignored.
void SetDefString(TTextId id, AnsiString text);
