#include "settings/IniContent.h"

#include "runtime/Exception.h"

#include <algorithm>
#include <limits>

namespace {

// The next line of Text from Position on, without its line end; Position moves past the end.
std::string_view NextLine(std::string_view text, std::size_t& position) {
    const std::size_t start = position;
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
        position = text.size();
        return text.substr(start);
    }
    position = end + 1;
    if (text[end] == '\r' && position < text.size() && text[position] == '\n') {
        ++position;
    }
    return text.substr(start, end - start);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<std::int32_t> ParseHex(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

// The last element whose Name equals Name without regard to case: what a reader of the file sees.
template <class Items>
auto* LastNamed(Items& items, std::string_view name) {
    const auto found = std::find_if(items.rbegin(), items.rend(),
                                    [&](const auto& item) { return SameText(item.Name, name); });
    return found == items.rend() ? nullptr : &*found;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

TIniContent TIniContent::Parse(std::string_view text) {
    TIniContent content;
    TSection* section = nullptr;
    std::size_t position = 0;
    while (position < text.size()) {
        const AnsiString line = Trim(NextLine(text, position));
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            content.FSections.push_back(
                {Trim(std::string_view(line).substr(1, line.size() - 2)), {}});
            section = &content.FSections.back();
            continue;
        }
        const std::size_t equals = line.find('=');
        if (section && equals != AnsiString::npos) {
            const std::string_view view(line);
            section->Entries.push_back(
                {Trim(view.substr(0, equals)), Trim(view.substr(equals + 1))});
        }
    }
    return content;
}

std::string TIniContent::Serialize() const {
    std::string text;
    for (const TSection& section : FSections) {
        text += '[';
        text += section.Name;
        text += "]\r\n";
        for (const TEntry& entry : section.Entries) {
            text += entry.Name;
            text += '=';
            text += entry.Value;
            text += "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

const TIniContent::TSection* TIniContent::FindSection(std::string_view name) const {
    return LastNamed(FSections, name);
}

TIniContent::TSection* TIniContent::FindSection(std::string_view name) {
    return LastNamed(FSections, name);
}

std::optional<AnsiString> TIniContent::ReadString(std::string_view section,
                                                  std::string_view name) const {
    const TSection* found = FindSection(section);
    if (!found) {
        return std::nullopt;
    }
    const TEntry* entry = LastNamed(found->Entries, name);
    if (!entry) {
        return std::nullopt;
    }
    return entry->Value;
}

AnsiString TIniContent::ReadString(std::string_view section, std::string_view name,
                                   std::string_view fallback) const {
    return ReadString(section, name).value_or(AnsiString(fallback));
}

std::int32_t TIniContent::ReadInteger(std::string_view section, std::string_view name,
                                      std::int32_t fallback) const {
    const std::optional<AnsiString> text = ReadString(section, name);
    if (!text) {
        return fallback;
    }
    return ParseIniInteger(*text).value_or(fallback);
}

void TIniContent::WriteString(std::string_view section, std::string_view name,
                              std::string_view value) {
    const AnsiString sectionName = Trim(section);
    const AnsiString keyName = Trim(name);
    if (HasLineBreak(section) || HasLineBreak(name) || HasLineBreak(value) || keyName.empty() ||
        keyName.find('=') != AnsiString::npos || keyName.front() == ';' || keyName.front() == '[') {
        throw EConvertError("Der Name oder Wert kann nicht in einer INI-Datei stehen");
    }
    TSection* target = FindSection(sectionName);
    if (!target) {
        FSections.push_back({sectionName, {}});
        target = &FSections.back();
    }
    if (TEntry* entry = LastNamed(target->Entries, keyName)) {
        entry->Value = Trim(value);
    } else {
        target->Entries.push_back({keyName, Trim(value)});
    }
}

void TIniContent::DeleteKey(std::string_view section, std::string_view name) {
    if (TSection* found = FindSection(Trim(section))) {
        const AnsiString keyName = Trim(name);
        std::erase_if(found->Entries,
                      [&](const TEntry& entry) { return SameText(entry.Name, keyName); });
    }
}

void TIniContent::EraseSection(std::string_view section) {
    const AnsiString sectionName = Trim(section);
    std::erase_if(FSections,
                  [&](const TSection& found) { return SameText(found.Name, sectionName); });
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    if (!text.empty() && text.front() == '$') {
        return ParseHex(text.substr(1));
    }
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseHex(text.substr(2));
    }
    return ParseDecimal(text);
}
