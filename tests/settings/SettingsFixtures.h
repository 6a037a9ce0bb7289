#pragma once

#include "platform/Directory.h"
#include "runtime/Strings.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A folder of its own below the system's temporary folder, removed with everything in it.
class TTempFolder {
public:
    TTempFolder() {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        FPath = std::filesystem::temp_directory_path() /
                ("vexa-settings-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(FPath);
    }
    ~TTempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(FPath, std::filesystem::perms::all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(FPath, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    // Name below the folder, written with the platform's delimiter.
    AnsiString File(std::string_view name) const {
        AnsiString path = FPath.string();
        path += PathDelimiter();
        for (const char c : name) {
            path += c == '/' ? PathDelimiter() : c;
        }
        return path;
    }
    AnsiString Path() const { return FPath.string(); }

private:
    std::filesystem::path FPath;
};

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
