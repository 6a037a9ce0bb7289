#include "platform/FileLock.h"

#include <thread>
#include <windows.h>

namespace {

using TClock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kPollInterval{5};

HANDLE OpenLockFile(const AnsiString& name) {
    return CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool LockBefore(HANDLE file, TClock::time_point deadline) {
    for (;;) {
        OVERLAPPED region{};
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                       &region)) {
            return true;
        }
        if (GetLastError() != ERROR_LOCK_VIOLATION || TClock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

// The holder before us may have deleted the lock file while we waited for it: then the name
// gives another file, or none, or a file about to go that cannot be opened.
bool StillNamed(HANDLE file, const AnsiString& name) {
    const HANDLE named = CreateFileA(name.c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (named == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION held{};
    BY_HANDLE_FILE_INFORMATION current{};
    const bool same = GetFileInformationByHandle(file, &held) &&
                      GetFileInformationByHandle(named, &current) &&
                      held.dwVolumeSerialNumber == current.dwVolumeSerialNumber &&
                      held.nFileIndexHigh == current.nFileIndexHigh &&
                      held.nFileIndexLow == current.nFileIndexLow;
    CloseHandle(named);
    return same;
}

} // namespace

TFileLock::TFileLock(const AnsiString& path, std::chrono::milliseconds timeout)
    : FLockFileName(path + ".lock") {
    const TClock::time_point deadline = TClock::now() + timeout;
    for (;;) {
        const HANDLE file = OpenLockFile(FLockFileName);
        if (file == INVALID_HANDLE_VALUE) {
            // A lock file that is being deleted cannot be opened until its last holder lets go.
            if (GetLastError() != ERROR_ACCESS_DENIED || TClock::now() >= deadline) {
                return;
            }
            std::this_thread::sleep_for(kPollInterval);
            continue;
        }
        if (!LockBefore(file, deadline)) {
            CloseHandle(file);
            return;
        }
        if (StillNamed(file, FLockFileName)) {
            FHandle = reinterpret_cast<std::intptr_t>(file);
            FLocked = true;
            return;
        }
        CloseHandle(file);
        if (TClock::now() >= deadline) {
            return;
        }
    }
}

TFileLock::~TFileLock() {
    if (FLocked) {
        const auto file = reinterpret_cast<HANDLE>(FHandle);
        // Deleted while still held, so that whoever opened it meanwhile sees it is gone.
        DeleteFileA(FLockFileName.c_str());
        OVERLAPPED region{};
        UnlockFileEx(file, 0, 1, 0, &region);
        CloseHandle(file);
    }
}
