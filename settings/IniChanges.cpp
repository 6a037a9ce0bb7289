#include "settings/IniChanges.h"

#include <algorithm>

TIniChanges::TSectionChange& TIniChanges::Section(std::string_view name) {
    const AnsiString sectionName = Trim(name);
    const auto found = std::ranges::find_if(FSections, [&](const TSectionChange& change) {
        return SameText(change.Name, sectionName);
    });
    if (found != FSections.end()) {
        return *found;
    }
    FSections.push_back({sectionName, false, {}});
    return FSections.back();
}

void TIniChanges::SetKey(std::string_view section, std::string_view name,
                         std::optional<AnsiString> value) {
    TSectionChange& change = Section(section);
    const AnsiString keyName = Trim(name);
    const auto found = std::ranges::find_if(
        change.Keys, [&](const TKeyChange& key) { return SameText(key.Name, keyName); });
    if (found != change.Keys.end()) {
        found->Value = std::move(value);
    } else {
        change.Keys.push_back({keyName, std::move(value)});
    }
}

void TIniChanges::WriteString(std::string_view section, std::string_view name,
                              std::string_view value) {
    SetKey(section, name, Trim(value));
}

void TIniChanges::DeleteKey(std::string_view section, std::string_view name) {
    SetKey(section, name, std::nullopt);
}

void TIniChanges::EraseSection(std::string_view section) {
    const AnsiString sectionName = Trim(section);
    std::erase_if(FSections,
                  [&](const TSectionChange& change) { return SameText(change.Name, sectionName); });
    FSections.push_back({sectionName, true, {}});
}

void TIniChanges::ApplyTo(TIniContent& content, TIniEncoding encoding) const {
    for (const TSectionChange& change : FSections) {
        const std::string section = AnsiToIniText(encoding, change.Name);
        if (change.Erased) {
            content.EraseSection(section);
        }
        for (const TKeyChange& key : change.Keys) {
            const std::string name = AnsiToIniText(encoding, key.Name);
            if (key.Value) {
                content.WriteString(section, name, AnsiToIniText(encoding, *key.Value));
            } else {
                content.DeleteKey(section, name);
            }
        }
    }
}
