#pragma once

#include "runtime/Strings.h"

#include <string>
#include <string_view>

// The encodings a settings file may be in, as Windows editors write them: the ANSI code page
// without a mark, or UTF-8 or UTF-16 with their byte-order mark.
enum class TIniEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

// A file's text without its mark, in the form the INI reader works on: for an ANSI file the
// bytes as they are, for the other encodings UTF-8. The text of a UTF-16 file keeps an unpaired
// surrogate as its own three-byte sequence, so that the file is written back as it was read.
struct TIniText {
    TIniEncoding Encoding = TIniEncoding::Ansi;
    std::string Text;
};

// The encoding is told by the mark at the start: EF BB BF (UTF-8), FF FE (UTF-16 little-endian),
// FE FF (UTF-16 big-endian); without one the file is in the ANSI code page. A UTF-16 file that
// ends in half a character reads that half as U+FFFD.
TIniText DecodeIniText(std::string_view bytes);
// The file's bytes: the mark of the encoding, then the text in it.
std::string EncodeIniText(TIniEncoding encoding, std::string_view text);

// Between the program's narrow strings (the ANSI code page) and the text of a file in Encoding.
// Characters the code page lacks read as "?".
AnsiString IniTextToAnsi(TIniEncoding encoding, std::string_view text);
std::string AnsiToIniText(TIniEncoding encoding, std::string_view ansi);
