#pragma once

#include "runtime/Strings.h"

#include <chrono>
#include <cstdint>

// An exclusive lock across processes on a file that is about to be read and replaced, so that
// programs sharing the file take turns. It is held on a lock file beside the file ("<name>.lock",
// beside the file a symbolic link names), with flock on Linux and LockFileEx on Windows, and the
// lock file is removed on release. A lock file that a crashed program left behind holds no lock
// and is taken over.
class TFileLock {
public:
    // Waits up to Timeout for the lock; Locked tells whether it was taken.
    TFileLock(const AnsiString& path, std::chrono::milliseconds timeout);
    ~TFileLock();
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;

    bool Locked() const { return FLocked; }
    const AnsiString& LockFileName() const { return FLockFileName; }

private:
    AnsiString FLockFileName;
    std::intptr_t FHandle = -1;
    bool FLocked = false;
};
