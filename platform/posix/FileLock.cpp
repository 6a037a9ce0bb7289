#include "platform/FileLock.h"

#include "platform/FileAccess.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using TClock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kPollInterval{5};

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Holds the lock on Fd, polling until Deadline.
bool LockBefore(int fd, TClock::time_point deadline) {
    for (;;) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return false;
        }
        if (TClock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

} // namespace

TFileLock::TFileLock(const AnsiString& path, std::chrono::milliseconds timeout)
    : FLockFileName(FileLinkTarget(path) + ".lock") {
    const TClock::time_point deadline = TClock::now() + timeout;
    for (;;) {
        const int fd = open(FLockFileName.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            return;
        }
        if (!LockBefore(fd, deadline)) {
            close(fd);
            return;
        }
        // The holder before us may have removed the lock file while we waited for it; a lock on a
        // removed file excludes nobody, so we start again on the file the name now gives.
        struct stat held {};
        struct stat named {};
        if (fstat(fd, &held) == 0 && stat(FLockFileName.c_str(), &named) == 0 &&
            SameFile(held, named)) {
            FHandle = fd;
            FLocked = true;
            return;
        }
        close(fd);
        if (TClock::now() >= deadline) {
            return;
        }
    }
}

TFileLock::~TFileLock() {
    if (FLocked) {
        // Removed while still held, so that whoever opened it meanwhile sees it is gone.
        unlink(FLockFileName.c_str());
        close(static_cast<int>(FHandle));
    }
}
