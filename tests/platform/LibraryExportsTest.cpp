#include "platform/DynamicLibrary.h"
#include "platform/ProgramPath.h"
#include "tests/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kEntryPoints[] = {"GETLOCALE", "GETDESCRIPTION", "GETSTRING"};

std::string Module(const char* name) {
    return std::string(TEST_MODULE_DIR "/") + name + MODULE_SUFFIX;
}

bool Exports(const std::string& file) {
    return ProbeLibraryExports(file, kEntryPoints);
}

std::vector<unsigned char> Bytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put16(std::vector<unsigned char>& bytes, std::size_t at, std::uint16_t value) {
    bytes.at(at) = static_cast<unsigned char>(value);
    bytes.at(at + 1) = static_cast<unsigned char>(value >> 8);
}

// Real libraries built by the tests, each decided by its export table alone.
TEST(LibraryExports, ALibraryCountsOnlyWhenItsExportTableNamesEveryEntryPoint) {
    EXPECT_TRUE(Exports(Module("complete")));
    EXPECT_TRUE(Exports(Module("sysvhash"))); // Linux: the older hash table
    for (const char* name : {"nodescription", "foreign", "ending"}) {
        EXPECT_FALSE(Exports(Module(name))) << name;
    }
    const std::string_view other[] = {"GETLOCALE", "GETCHARSET"};
    EXPECT_FALSE(ProbeLibraryExports(Module("complete"), other));
    // A program is no library, whatever it exports.
    EXPECT_FALSE(Exports(ProgramFileName()));
}

TEST(LibraryExports, DamagedCopiesAndFilesThatAreNoLibraryExportNothing) {
    TTempFolder temp;
    const std::vector<unsigned char> module = Bytes(Module("complete"));
    ASSERT_GT(module.size(), 4096u);
    // Which header fields say the file is of another machine or kind.
#ifdef _WIN32
    const std::size_t header = module[0x3C] | module[0x3D] << 8;
    const std::size_t machineAt = header + 4;
    const std::uint16_t otherMachine = sizeof(void*) == 8 ? 0x014C : 0x8664;
    const std::size_t kindAt = header + 4 + 18; // characteristics: no DLL
    const std::uint16_t otherKind = (module[kindAt] | module[kindAt + 1] << 8) & ~0x2000;
#else
    const std::size_t machineAt = 18;
    const std::uint16_t otherMachine = 40; // ARM
    const std::size_t kindAt = 16;
    const std::uint16_t otherKind = 2; // an executable
#endif
    auto otherMachineCopy = module;
    Put16(otherMachineCopy, machineAt, otherMachine);
    auto otherKindCopy = module;
    Put16(otherKindCopy, kindAt, otherKind);
    const std::pair<const char*, std::vector<unsigned char>> cases[] = {
        {"half", {module.begin(), module.begin() + module.size() / 2}},
        {"head", {module.begin(), module.begin() + 2048}},
        {"header only", {module.begin(), module.begin() + 64}},
        {"other machine", otherMachineCopy},
        {"other kind", otherKindCopy},
        {"empty", {}},
        {"text", {'N', 'o', ' ', 'l', 'i', 'b', 'r', 'a', 'r', 'y', '\n'}},
    };
    for (const auto& [name, bytes] : cases) {
        const fs::path file = temp.Folder() / (std::string(name) + ".lng");
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        EXPECT_FALSE(Exports(file.string())) << name;
    }
    // The unchanged copy still counts: the cases above fail for what was changed.
    const fs::path copy = temp.Folder() / "copy.lng";
    fs::copy_file(Module("complete"), copy);
    EXPECT_TRUE(Exports(copy.string()));
    EXPECT_FALSE(Exports(temp.Path()));
    EXPECT_FALSE(Exports(temp.File("missing.lng")));
}

} // namespace
