#include "platform/FileReplace.h"

#include "platform/FileAccess.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t count = write(fd, content.data(), content.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// The replacement keeps the old file's permissions and owner; a new file gets those the user's
// umask allows.
void TakeOverAttributes(int fd, const AnsiString& target) {
    struct stat info {};
    if (stat(target.c_str(), &info) == 0) {
        fchmod(fd, info.st_mode & 07777);
        if (fchown(fd, info.st_uid, info.st_gid) != 0) {
            // Only the superuser may hand a file to another owner; the content matters more.
        }
        return;
    }
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
}

void SyncFolder(const AnsiString& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

bool ReplaceFileContent(const AnsiString& path, std::string_view content) {
    if (path.empty()) {
        return false;
    }
    // A link is kept as a link: its target is what gets replaced.
    const AnsiString target = FileLinkTarget(path);
    // The rename would replace a file that the user may not write, and hand it to the user.
    if (QueryFileInfo(target).ReadOnly) {
        return false;
    }
    AnsiString temporary = target + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    TakeOverAttributes(fd, target);
    bool written = WriteAll(fd, content) && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(ExtractFileDir(target));
    return true;
}
