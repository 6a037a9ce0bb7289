#pragma once

#include "runtime/Strings.h"
#include "tests/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline void WriteTextFile(const AnsiString& path, std::string_view content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
}

inline std::string ReadTextFile(const AnsiString& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline bool FileExists(const AnsiString& path) {
    return std::filesystem::exists(path);
}

// The number of entries in Folder: a write-back leaves no temporary file behind.
inline int EntryCount(const AnsiString& folder) {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder),
                                          std::filesystem::directory_iterator()));
}
