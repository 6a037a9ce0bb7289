#include "settings/IniEncoding.h"

#include "platform/CodePage.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::string Utf16ToText(std::string_view bytes, bool bigEndian) {
    const auto unitAt = [&](std::size_t index) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[2 * index]);
        const auto second = static_cast<unsigned char>(bytes[2 * index + 1]);
        return bigEndian ? (char32_t{first} << 8) | second : (char32_t{second} << 8) | first;
    };
    const std::size_t units = bytes.size() / 2;
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < units; ++i) {
        char32_t cp = unitAt(i);
        if (IsHighSurrogate(cp) && i + 1 < units && IsLowSurrogate(unitAt(i + 1))) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00);
            ++i;
        }
        // An unpaired surrogate is encoded like any other code point: it goes back as it came.
        AppendUtf8(text, cp);
    }
    if (bytes.size() % 2 != 0) {
        AppendUtf8(text, kReplacement);
    }
    return text;
}

// The next code point of Text from Position on; a malformed sequence gives U+FFFD and moves on
// by one byte. Sequences of surrogates count as well-formed (see Utf16ToText).
char32_t NextCodePoint(std::string_view text, std::size_t& position) {
    const auto lead = static_cast<unsigned char>(text[position]);
    int extra = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        ++position;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, least = 0x10000;
    } else {
        ++position;
        return kReplacement;
    }
    if (text.size() - position <= static_cast<std::size_t>(extra)) {
        ++position;
        return kReplacement;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(text[position + static_cast<std::size_t>(k)]);
        if ((c & 0xC0) != 0x80) {
            ++position;
            return kReplacement;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF) {
        ++position;
        return kReplacement;
    }
    position += static_cast<std::size_t>(extra) + 1;
    return cp;
}

void AppendUnit(std::string& out, char32_t unit, bool bigEndian) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out.push_back(bigEndian ? high : low);
    out.push_back(bigEndian ? low : high);
}

std::string TextToUtf16(std::string_view text, bool bigEndian) {
    std::string bytes;
    bytes.reserve(2 * text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const char32_t cp = NextCodePoint(text, position);
        if (cp >= 0x10000) {
            AppendUnit(bytes, 0xD800 + ((cp - 0x10000) >> 10), bigEndian);
            AppendUnit(bytes, 0xDC00 + ((cp - 0x10000) & 0x3FF), bigEndian);
        } else {
            AppendUnit(bytes, cp, bigEndian);
        }
    }
    return bytes;
}

} // namespace

TIniText DecodeIniText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) {
        return {TIniEncoding::Utf8, std::string(bytes.substr(kUtf8Mark.size()))};
    }
    if (bytes.starts_with(kUtf16LEMark)) {
        return {TIniEncoding::Utf16LE, Utf16ToText(bytes.substr(kUtf16LEMark.size()), false)};
    }
    if (bytes.starts_with(kUtf16BEMark)) {
        return {TIniEncoding::Utf16BE, Utf16ToText(bytes.substr(kUtf16BEMark.size()), true)};
    }
    return {TIniEncoding::Ansi, std::string(bytes)};
}

std::string EncodeIniText(TIniEncoding encoding, std::string_view text) {
    switch (encoding) {
    case TIniEncoding::Utf8:
        return std::string(kUtf8Mark) + std::string(text);
    case TIniEncoding::Utf16LE:
        return std::string(kUtf16LEMark) + TextToUtf16(text, false);
    case TIniEncoding::Utf16BE:
        return std::string(kUtf16BEMark) + TextToUtf16(text, true);
    case TIniEncoding::Ansi:
        break;
    }
    return std::string(text);
}

AnsiString IniTextToAnsi(TIniEncoding encoding, std::string_view text) {
    return encoding == TIniEncoding::Ansi ? AnsiString(text) : Utf8ToAnsi(text);
}

std::string AnsiToIniText(TIniEncoding encoding, std::string_view ansi) {
    return encoding == TIniEncoding::Ansi ? std::string(ansi) : AnsiToUtf8(ansi);
}
