#include "platform/Directory.h"

#include <cstring>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

char PathDelimiter() {
    return '/';
}

void EnumerateFolder(const AnsiString& folder,
                     const std::function<void(const TFolderEntry&)>& visit) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.empty() ? "." : folder.c_str()),
                                                  closedir);
    if (!dir) {
        return;
    }
    while (const dirent* entry = readdir(dir.get())) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) {
            continue;
        }
        bool isFolder = entry->d_type == DT_DIR;
        // A link counts as a file, so that a link to a folder above cannot trap a walk of the
        // tree in a cycle.
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            AnsiString path = folder;
            if (!path.empty() && path.back() != '/') {
                path += '/';
            }
            path += entry->d_name;
            isFolder = lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        }
        visit({entry->d_name, isFolder});
    }
}
