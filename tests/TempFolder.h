#pragma once

#include "platform/Directory.h"
#include "runtime/Strings.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

// A folder of its own below the system's temporary folder, removed with everything in it.
class TTempFolder {
public:
    TTempFolder() {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        FPath = std::filesystem::temp_directory_path() /
                ("vexa-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
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
    const std::filesystem::path& Folder() const { return FPath; }

private:
    std::filesystem::path FPath;
};
