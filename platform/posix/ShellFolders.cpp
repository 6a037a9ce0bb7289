#include "platform/ShellFolders.h"

#include "platform/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::int32_t kCsidlFlagMask = 0xFF00;
constexpr HResult kStatusFileNotFound = static_cast<HResult>(0x80070002u);

std::optional<std::string> HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') {
        return std::string(home);
    }
    std::vector<char> scratch(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, scratch.data(), scratch.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/') {
        return std::string(found->pw_dir);
    }
    return std::nullopt;
}

// A base folder of the XDG layout: the variable when it holds an absolute path (the layout
// ignores relative ones), else the given folder below the home folder.
std::optional<std::string> XdgFolder(const char* variable, const char* belowHome) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') {
        return std::string(value);
    }
    const auto home = HomeFolder();
    if (!home) {
        return std::nullopt;
    }
    return *home + "/" + belowHome;
}

std::optional<std::string> FolderOf(std::int32_t folderId) {
    switch (folderId) {
    case kCsidlAppData:
        return XdgFolder("XDG_CONFIG_HOME", ".config");
    case kCsidlLocalAppData:
        return XdgFolder("XDG_DATA_HOME", ".local/share");
    case kCsidlPersonal:
    case kCsidlProfile:
        return HomeFolder();
    default:
        return std::nullopt;
    }
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Creates the folder and any missing folder above it, private to the user as the XDG layout
// asks of the folders it creates.
bool CreateFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            return IsFolder(path);
        }
    }
}

} // namespace

HResult GetShellFolderPath(std::int32_t folderId, std::span<char> buffer) {
    return GetShellFolderPathOnly(folderId | kCsidlFlagCreate, buffer);
}

HResult GetShellFolderPathOnly(std::int32_t folderIdAndFlags, std::span<char> buffer) {
    auto folder = FolderOf(folderIdAndFlags & ~kCsidlFlagMask);
    if (!folder) {
        return kStatusFail;
    }
    while (folder->size() > 1 && folder->back() == '/') {
        folder->pop_back();
    }
    // A path that does not fit is refused before anything is created.
    const AnsiString path = Utf8ToAnsi(*folder);
    if (path.size() >= buffer.size()) {
        return kStatusBufferTooSmall;
    }
    if (!IsFolder(*folder)) {
        if ((folderIdAndFlags & kCsidlFlagCreate) == 0) {
            return kStatusFileNotFound;
        }
        if (!CreateFolders(*folder)) {
            return kStatusFail;
        }
    }
    std::copy(path.begin(), path.end(), buffer.begin());
    buffer[path.size()] = '\0';
    return kStatusOk;
}
