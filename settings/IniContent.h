#pragma once

#include "runtime/Strings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The content of an INI file in memory: its sections in file order, each with its name=value
// lines in order. Reading keeps every section and every line, repeated ones too, so that writing
// the content back loses nothing that was read; a lookup sees what a reader of the file sees:
// the last section of a name, and in it the last line of a key. Names compare without regard to
// case.
class TIniContent {
public:
    struct TEntry {
        AnsiString Name;
        AnsiString Value;
    };
    struct TSection {
        AnsiString Name;
        std::vector<TEntry> Entries;
    };

    // Lines end with LF, CR LF or CR and are trimmed of blanks; empty lines and lines that begin
    // with ";" are skipped; "[name]" opens a section; in a section, a line with "=" is a key
    // (name before the first "=", value after it, both trimmed); every other line, and every
    // line before the first section, is ignored.
    static TIniContent Parse(std::string_view text);
    // The normalised form: for every section "[name]", its name=value lines and an empty line,
    // each line ended by CR LF.
    std::string Serialize() const;

    const std::vector<TSection>& Sections() const { return FSections; }
    bool Empty() const { return FSections.empty(); }
    void Clear() { FSections.clear(); }

    std::optional<AnsiString> ReadString(std::string_view section, std::string_view name) const;
    AnsiString ReadString(std::string_view section, std::string_view name,
                          std::string_view fallback) const;
    // The value as an integer (see ParseIniInteger); Fallback when the key is missing or its
    // value is no such number.
    std::int32_t ReadInteger(std::string_view section, std::string_view name,
                             std::int32_t fallback) const;
    // Sets the key in the section that a lookup reads, adding section or key at the end when
    // missing. A name or value that the file could not carry (a line break; a name that is empty,
    // holds "=" or would read as a comment or section) raises EConvertError.
    void WriteString(std::string_view section, std::string_view name, std::string_view value);
    // Removes the key from the section that a lookup reads, every line of it, so that no earlier
    // line of the same name comes to light. Nothing when section or key is missing.
    void DeleteKey(std::string_view section, std::string_view name);
    // Removes every section of the name: with the last one gone an earlier one would be read.
    void EraseSection(std::string_view section);

private:
    const TSection* FindSection(std::string_view name) const;
    TSection* FindSection(std::string_view name);

    std::vector<TSection> FSections;
};

// A 32-bit integer written as a decimal number with optional sign, or as a hexadecimal number
// after "$", "0x" or "0X" (up to 8 digits, taken as the bits of the number); nullopt for
// anything else, an empty text and numbers out of range included.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);
