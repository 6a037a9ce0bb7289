#include "runtime/Strings.h"

#include <algorithm>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

template <class Char>
Char FoldLower(Char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<Char>(c + ('a' - 'A')) : c;
}

template <class Char>
Char FoldUpper(Char c) {
    return c >= 'a' && c <= 'z' ? static_cast<Char>(c - ('a' - 'A')) : c;
}

template <class Char>
bool SameTextImpl(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](Char x, Char y) {
               return FoldLower(x) == FoldLower(y);
           });
}

template <class Char, class Fold>
std::basic_string<Char> Transform(std::basic_string_view<Char> text, Fold fold) {
    std::basic_string<Char> result(text);
    std::transform(result.begin(), result.end(), result.begin(), fold);
    return result;
}

void AppendUtf16(WideString& out, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

} // namespace

WideString Utf8ToWide(std::string_view utf8) {
    WideString out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, cp = lead & 0x1F, min = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, cp = lead & 0x0F, min = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, cp = lead & 0x07, min = 0x10000;
        } else {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        for (; j < utf8.size() && j <= i + static_cast<std::size_t>(extra); ++j) {
            const auto c = static_cast<unsigned char>(utf8[j]);
            if ((c & 0xC0) != 0x80) {
                break;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        const bool complete = j == i + 1 + static_cast<std::size_t>(extra);
        if (!complete || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(kReplacement);
            i = complete ? j : std::max(j, i + 1);
            continue;
        }
        AppendUtf16(out, cp);
        i = j;
    }
    return out;
}

std::string WideToUtf8(std::u16string_view wide) {
    std::string out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t cp = wide[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
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
    return out;
}

bool SameText(std::string_view a, std::string_view b) {
    return SameTextImpl(a, b);
}
bool SameText(std::u16string_view a, std::u16string_view b) {
    return SameTextImpl(a, b);
}
AnsiString LowerCase(std::string_view text) {
    return Transform(text, FoldLower<char>);
}
AnsiString UpperCase(std::string_view text) {
    return Transform(text, FoldUpper<char>);
}
WideString LowerCase(std::u16string_view text) {
    return Transform(text, FoldLower<char16_t>);
}
WideString UpperCase(std::u16string_view text) {
    return Transform(text, FoldUpper<char16_t>);
}

AnsiString Trim(std::string_view text) {
    // Control characters count as blanks, as in the settings files this system reads.
    const auto isBlank = [](char c) {
        return static_cast<unsigned char>(c) <= ' ';
    };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first])) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    return AnsiString(text.substr(first, last - first));
}
