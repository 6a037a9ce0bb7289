#pragma once

#include "runtime/Strings.h"

#include <functional>

// The separator of folders in a path: "\" on Windows, "/" elsewhere.
char PathDelimiter();

// One entry of a folder, as the file system delivers it.
struct TFolderEntry {
    AnsiString Name;
    bool IsFolder;
};

// Calls Visit for every entry of Folder except "." and "..", hidden and system entries included,
// in the order in which the file system delivers them. A folder that cannot be read has no
// entries. On Linux a symbolic link is reported as a file, whatever it names.
void EnumerateFolder(const AnsiString& folder,
                     const std::function<void(const TFolderEntry&)>& visit);
