#include "platform/CodePage.h"

#include <array>

namespace {

// Windows-1252 bytes 0x80..0x9F; the five bytes the code page leaves undefined map to the C1
// controls of the same value, as Windows itself does, so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToAnsi(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

} // namespace

WideString AnsiToWide(std::string_view ansi) {
    WideString out;
    out.reserve(ansi.size());
    for (const char c : ansi) {
        const auto byte = static_cast<unsigned char>(c);
        out.push_back(byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : char16_t{byte});
    }
    return out;
}

AnsiString WideToAnsi(std::u16string_view wide) {
    AnsiString out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char16_t c = wide[i];
        // A surrogate pair is one character the code page lacks.
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF) {
            ++i;
        }
        out.push_back(ToAnsi(c));
    }
    return out;
}
