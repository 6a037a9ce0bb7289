#include "platform/FileAccess.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TFileInfo QueryFileInfo(const AnsiString& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0) {
        return {};
    }
    return {.Exists = true,
            .IsFolder = S_ISDIR(info.st_mode),
            .ReadOnly = (info.st_mode & S_IWUSR) == 0};
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
