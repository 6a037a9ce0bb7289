#pragma once

#include "runtime/Strings.h"

#include <cstdint>

// A locale number of the window system (LCID), e.g. 0x0407 German (Germany), 0x0409 English
// (United States).
using TLocaleId = std::uint32_t;

inline constexpr TLocaleId kLocaleUserDefault = 0x0400;
inline constexpr TLocaleId kLocaleSystemDefault = 0x0800;

// Comparison flags.
inline constexpr std::uint32_t kNormIgnoreCase = 0x00000001;
// Hyphen and apostrophe sort like the other symbols; without it they weigh only where the
// strings are otherwise equal ("word sort").
inline constexpr std::uint32_t kSortStringSort = 0x00001000;

// The locale-aware comparison of two UTF-16 strings, whole, in the collation of Locale:
// 1 when A sorts before B, 2 when they are equal, 3 when A sorts after B, and 0 when Locale or
// Flags are not supported. Windows: CompareStringW. Linux: an ICU collator for the locale, the
// user's locale (LC_ALL, LC_COLLATE, LANG) for the two default locales.
int LocaleCompareString(TLocaleId locale, std::uint32_t flags, std::u16string_view a,
                        std::u16string_view b);
