#include "support/MiscTool.h"

#include "platform/CodePage.h"
#include "platform/Environment.h"
#include "platform/ProgramPath.h"
#include "platform/ShellFolders.h"
#include "platform/VersionInfo.h"
#include "runtime/Format.h"
#include "textcatalog/uLangBasics.h"

#include <array>
#include <charconv>
#include <cstring>
#include <unordered_set>
#include <vector>

namespace {

constexpr TTextId kCopyrightTextId = 10608;
// Room offered by the first expansion; a longer one is made in a second call.
constexpr std::uint32_t kExpansionRoom = 1048;
constexpr std::size_t kFolderPathRoom = 281;

constexpr const char* kProductName = "StringFileInfo\\040704E4\\ProductName";
constexpr const char* kProductVersion = "StringFileInfo\\040704E4\\ProductVersion";
constexpr const char* kFileVersion = "StringFileInfo\\040704E4\\FileVersion";
constexpr const char* kComments = "StringFileInfo\\040704E4\\Comments";
constexpr const char* kLegalCopyright = "StringFileInfo\\040704E4\\LegalCopyright";

// A whole decimal integer with an optional sign, as the version numbers are written; anything
// else, including an empty text, is -1.
std::int32_t ToVersionNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return -1;
        }
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return text.empty() || error != std::errc() || end != text.data() + text.size() ? -1 : value;
}

AnsiString TextUpToNul(const char* data, std::size_t room) {
    return AnsiString(data, strnlen(data, room));
}

} // namespace

AnsiString GetVersionText(std::uint8_t kind) {
    return GetVersionText(kind, ProgramFileName());
}

AnsiString GetVersionText(std::uint8_t kind, const AnsiString& fileName) {
    AnsiString result;
    const auto info = ReadVersionInfo(fileName);
    if (!info) {
        return result;
    }
    switch (kind) {
    case kVersionTextProduct:
        result = info->QueryValue(kProductName).value_or("");
        break;
    case kVersionTextVersion:
        result = "Version";
        break;
    case kVersionTextCopyright:
        result = WideToAnsi(GetLangString(kCopyrightTextId));
        if (const auto copyright = info->QueryValue(kLegalCopyright)) {
            result += " " + *copyright;
        }
        return result;
    default:
        return result;
    }
    if (const auto version = info->QueryValue(kProductVersion)) {
        result += " " + *version;
    }
    if (const auto fileVersion = info->QueryValue(kFileVersion)) {
        const std::size_t dot = fileVersion->rfind('.');
        const AnsiString build =
            dot == AnsiString::npos ? *fileVersion : fileVersion->substr(dot + 1);
        if (!build.empty()) {
            result += " Build " + build;
        }
    }
    if (const auto comments = info->QueryValue(kComments);
        comments && !comments->empty() && LowerCase(*comments) != "vollversion") {
        result += " (" + *comments + ")";
    }
    return result;
}

void GetProductVersion(std::int32_t& major, std::int32_t& minor) {
    GetProductVersion(ProgramFileName(), major, minor);
}

void GetProductVersion(const AnsiString& fileName, std::int32_t& major, std::int32_t& minor) {
    major = -1;
    minor = -1;
    const auto info = ReadVersionInfo(fileName);
    const auto version = info ? info->QueryValue(kProductVersion) : std::nullopt;
    if (!version) {
        return;
    }
    const std::size_t dot = version->find('.');
    if (dot == AnsiString::npos) {
        return;
    }
    major = ToVersionNumber(std::string_view(*version).substr(0, dot));
    minor = ToVersionNumber(std::string_view(*version).substr(dot + 1));
}

AnsiString GetProductRegistryKey() {
    return GetProductRegistryKey(ProgramFileName());
}

AnsiString GetProductRegistryKey(const AnsiString& fileName) {
    std::int32_t major = -1;
    std::int32_t minor = -1;
    GetProductVersion(fileName, major, minor);
    return Format("SOFTWARE\\Brenik\\VEXA\\%d.%d", {major, minor});
}

AnsiString GetProgramIniFileName() {
    return ChangeFileExt(ProgramFileName(), ".ini");
}

AnsiString ChangeFileExt(std::string_view fileName, std::string_view extension) {
    const std::size_t dot = fileName.find_last_of(".\\/:");
    const bool hasExtension = dot != std::string_view::npos && fileName[dot] == '.';
    AnsiString result(hasExtension ? fileName.substr(0, dot) : fileName);
    result += extension;
    return result;
}

AnsiString ExpandEnvironmentText(std::string_view text) {
    std::vector<char> buffer(kExpansionRoom, '\0');
    const std::uint32_t size = ExpandEnvironment(text, buffer);
    if (size == 0) {
        return {};
    }
    if (size <= kExpansionRoom) {
        return TextUpToNul(buffer.data(), buffer.size());
    }
    buffer.assign(size, '\0');
    if (ExpandEnvironment(text, buffer) != size) {
        return {};
    }
    return TextUpToNul(buffer.data(), buffer.size());
}

HResult GetSpecialFolderPath(std::int32_t folderId, AnsiString& path) {
    path.clear();
    std::array<char, kFolderPathRoom> buffer{};
    const HResult status = GetShellFolderPath(folderId, buffer);
    if (Failed(status)) {
        return status;
    }
    path = TextUpToNul(buffer.data(), buffer.size());
    return path.empty() ? kStatusFail : kStatusOk;
}

void FreeListObjects(TStringList* list) {
    if (!list) {
        return;
    }
    std::unordered_set<TObject*> freed;
    for (int i = 0; i < list->Count(); ++i) {
        TObject* object = list->Objects(i);
        list->PutObject(i, nullptr);
        if (object && freed.insert(object).second) {
            delete object;
        }
    }
    list->Clear();
}

void FreeListAndObjects(std::unique_ptr<TStringList>& list) {
    FreeListObjects(list.get());
    list.reset();
}
