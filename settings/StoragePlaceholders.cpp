#include "settings/StoragePlaceholders.h"

#include "platform/Directory.h"
#include "platform/FileAccess.h"
#include "platform/ProgramPath.h"
#include "platform/VersionInfo.h"
#include "ui/Screen.h"

#include <ctime>
#include <optional>
#include <string>

namespace {

AnsiString VersionValue(std::string_view name) {
    const std::optional<TVersionInfo> info = ReadVersionInfo(ProgramFileName());
    if (!info) {
        return {};
    }
    return info->QueryValue("StringFileInfo\\040704E4\\" + AnsiString(name)).value_or("");
}

// The program's file name without folder and extension.
AnsiString ProgramBaseName() {
    AnsiString name = ExtractFileName(ProgramFileName());
    const std::size_t dot = name.rfind('.');
    if (dot != AnsiString::npos) {
        name.erase(dot);
    }
    return name;
}

AnsiString LocalTimeText(const char* pattern) {
    const std::time_t now = std::time(nullptr);
    // The program has one thread, so the shared result of localtime is safe here.
    const std::tm* local = std::localtime(&now);
    if (!local) {
        return {};
    }
    char text[64];
    return std::strftime(text, sizeof text, pattern, local) ? AnsiString(text) : AnsiString();
}

AnsiString SizeText(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

std::optional<AnsiString> PlaceholderValue(std::string_view name) {
    const AnsiString key = UpperCase(Trim(name));
    if (key == "APPL_NAME") {
        return VersionValue("ProductName");
    }
    if (key == "COMPANY_NAME") {
        return VersionValue("CompanyName");
    }
    if (key == "FILEVERSION") {
        return VersionValue("FileVersion");
    }
    if (key == "PRODUCTVERSION") {
        return VersionValue("ProductVersion");
    }
    if (key == "DATE") {
        return LocalTimeText("%d_%m_%Y");
    }
    if (key == "TIME") {
        return LocalTimeText("%H_%M_%S");
    }
    if (key == "DATETIME") {
        return LocalTimeText("%d_%m_%Y %H_%M_%S");
    }
    if (key == "EXENAME") {
        return ProgramFileName();
    }
    if (key == "FILENAME") {
        return ProgramBaseName();
    }
    if (key == "FULLDIREXE") {
        return ExtractFileDir(ProgramFileName());
    }
    if (key == "SCREENSIZE") {
        return SizeText(Screen().Width(), Screen().Height());
    }
    if (key == "DESKTOPSIZE") {
        return SizeText(Screen().DesktopWidth(), Screen().DesktopHeight());
    }
    return std::nullopt;
}

} // namespace

bool ExpandStoragePlaceholders(std::string_view text, AnsiString& expanded) {
    expanded.clear();
    bool replaced = false;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t open = text.find('%', position);
        const std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
        if (close == std::string_view::npos) {
            expanded.append(text.substr(position));
            break;
        }
        expanded.append(text.substr(position, open - position));
        if (std::optional<AnsiString> value =
                PlaceholderValue(text.substr(open + 1, close - open - 1))) {
            expanded += *value;
            replaced = true;
            position = close + 1;
        } else {
            // The closing sign may open the next placeholder.
            expanded += '%';
            position = open + 1;
        }
    }
    return replaced;
}

AnsiString ExpandStorageFileName(std::string_view name, std::string_view folder) {
    AnsiString expanded;
    ExpandStoragePlaceholders(name, expanded);
    if (folder.empty() || !IsRelativePath(expanded)) {
        return expanded;
    }
    AnsiString full(folder);
    if (full.back() != PathDelimiter() && full.back() != '/') {
        full += PathDelimiter();
    }
    return full + expanded;
}
