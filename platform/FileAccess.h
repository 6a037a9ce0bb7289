#pragma once

#include "runtime/Strings.h"

#include <string>
#include <string_view>

// What a path names, as the settings files need to know it.
struct TFileInfo {
    bool Exists = false;
    bool IsFolder = false;
    // The read-only attribute (Windows). On Linux: the write bit of the class that applies to the
    // process's user (owner, group or others) is clear, or the system denies writing; the
    // superuser counts as owner, group member or other like anyone else, so that a file it did
    // not mean to write stays as it is.
    bool ReadOnly = false;
};
TFileInfo QueryFileInfo(const AnsiString& path);

enum class TReadStatus {
    Read,
    Missing,
    // The path exists but its content cannot be read (a folder, no permission, an I/O error).
    Failed,
};
// The whole content of the file, byte for byte.
TReadStatus ReadWholeFile(const AnsiString& path, std::string& content);

// The file that Path names once symbolic links are followed; Path itself when it is no link or
// the link leads nowhere (Windows: always Path).
AnsiString FileLinkTarget(const AnsiString& path);

// Creates Folder with all missing parent folders; true when it exists as a folder afterwards.
// An empty name is the current folder.
bool ForceDirectories(const AnsiString& folder);

// The folder part of Path without a trailing delimiter ("" when there is none); Windows accepts
// "\" and "/" as delimiters and keeps the "\" of a drive root ("C:\").
AnsiString ExtractFileDir(std::string_view path);
// The part of Path after its folder: the file's name with its extension.
AnsiString ExtractFileName(std::string_view path);
// A path that names its place only from the current folder: no root, no drive, no share.
bool IsRelativePath(std::string_view path);
