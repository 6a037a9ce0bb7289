#pragma once

#include "runtime/Strings.h"

#include <cstdint>
#include <optional>
#include <vector>

// The version resource of a program file, read whole (GetFileVersionInfo). Its string values
// are found by sub-block path, as VerQueryValue finds them:
// "StringFileInfo\040704E4\ProductName" is the product name of the German, Windows-1252 table.
//
// On Linux the program carries the same strings in an ELF note (name "VEXA", type 1) whose
// descriptor holds pairs of NUL-terminated UTF-8 strings: sub-block path, then value.
class TVersionInfo {
public:
    explicit TVersionInfo(std::vector<std::uint8_t> block) : FBlock(std::move(block)) {}

    // The value in the ANSI code page, or nullopt when the resource has none; a value that is
    // present may be empty.
    std::optional<AnsiString> QueryValue(std::string_view subBlock) const;

private:
    std::vector<std::uint8_t> FBlock;
};

// Reads the version resource of FileName; nullopt when the file has none or cannot be read.
std::optional<TVersionInfo> ReadVersionInfo(const AnsiString& fileName);

// The identification of the version note of Linux programs.
inline constexpr char kVersionNoteName[] = "VEXA";
inline constexpr std::uint32_t kVersionNoteType = 1;
