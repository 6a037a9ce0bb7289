#include "platform/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool InGroup(gid_t group) {
    if (getegid() == group) {
        return true;
    }
    const int count = getgroups(0, nullptr);
    if (count <= 0) {
        return false;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int filled = getgroups(count, groups.data());
    return filled > 0 &&
           std::find(groups.begin(), groups.begin() + filled, group) != groups.begin() + filled;
}

// The class of the permission bits that applies to the user, as the system checks it for
// anyone but the superuser, whose override would let it replace any file.
bool WriteBitClear(const struct stat& info) {
    mode_t bit = S_IWOTH;
    if (info.st_uid == geteuid()) {
        bit = S_IWUSR;
    } else if (InGroup(info.st_gid)) {
        bit = S_IWGRP;
    }
    return (info.st_mode & bit) == 0;
}

bool WriteProtected(const AnsiString& path, const struct stat& info) {
    if (WriteBitClear(info)) {
        return true;
    }
    // An access list or a read-only file system may still forbid it.
    return geteuid() != 0 && faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EROFS || errno == EPERM);
}

} // namespace

TFileInfo QueryFileInfo(const AnsiString& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0) {
        return {};
    }
    return {
        .Exists = true, .IsFolder = S_ISDIR(info.st_mode), .ReadOnly = WriteProtected(path, info)};
}

AnsiString FileLinkTarget(const AnsiString& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved)) {
            return resolved;
        }
    }
    return path;
}

TReadStatus ReadWholeFile(const AnsiString& path, std::string& content) {
    content.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? TReadStatus::Missing : TReadStatus::Failed;
    }
    TReadStatus status = TReadStatus::Read;
    struct stat info {};
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        status = TReadStatus::Failed;
    } else {
        char buffer[64 * 1024];
        for (;;) {
            const ssize_t count = read(fd, buffer, sizeof buffer);
            if (count > 0) {
                content.append(buffer, static_cast<std::size_t>(count));
            } else if (count == 0) {
                break;
            } else if (errno != EINTR) {
                status = TReadStatus::Failed;
                break;
            }
        }
    }
    close(fd);
    if (status != TReadStatus::Read) {
        content.clear();
    }
    return status;
}

bool ForceDirectories(const AnsiString& folder) {
    if (folder.empty()) {
        return true;
    }
    // Each prefix that ends before a "/" is a parent to create first.
    for (std::size_t end = folder.find('/', 1); end != AnsiString::npos;
         end = folder.find('/', end + 1)) {
        const AnsiString parent = folder.substr(0, end);
        if (mkdir(parent.c_str(), 0777) != 0 && errno != EEXIST) {
            return false;
        }
    }
    if (mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        return false;
    }
    return QueryFileInfo(folder).IsFolder;
}

AnsiString ExtractFileDir(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    std::size_t end = slash;
    while (end > 0 && path[end - 1] == '/') {
        --end;
    }
    return end == 0 ? AnsiString("/") : AnsiString(path.substr(0, end));
}

AnsiString ExtractFileName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return AnsiString(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool IsRelativePath(std::string_view path) {
    return path.empty() || path.front() != '/';
}
