#include "tests/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace fs = std::filesystem;

namespace {

void SetEnvironment(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

// Runs the program to its end; its exit status, or -1 when it could not be started.
int RunToTheEnd(const fs::path& program) {
#ifdef _WIN32
    std::string commandLine = "\"" + program.string() + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
#else
    const std::string path = program.string();
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
        return -1;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
#endif
}

// The real program installed where other libraries lie below its folder, as in a prefix shared
// with other software or beside a bundled toolkit. Every test library notes in a file when any
// of its code runs.
TEST(ProgramFolderLibraries, TheProgramRunsNoForeignLibraryAndStillLoadsItsModule) {
    TTempFolder temp;
    const fs::path bin = temp.Folder() / "bin";
    fs::create_directories(bin);
    const fs::path program = bin / fs::path(VEXAMAIL_PROGRAM).filename();
    fs::copy_file(VEXAMAIL_PROGRAM, program);
    const std::pair<const char*, const char*> libraries[] = {
        {"foreign", "toolkit/libforeign.so.1"},   // other functions
        {"ending", "toolkit/plugins/ending.plg"}, // and an initialiser that ends the process
        {"nodescription", "halb.lng"},            // two of the three entry points
        {"faultstring", "sprachen/absturz.lng"},  // a module whose text lookup faults
        {"complete", "sprachen/test.lng"},        // a module
    };
    for (const auto& [name, place] : libraries) {
        fs::create_directories((bin / place).parent_path());
        fs::copy_file(std::string(TEST_MODULE_DIR "/") + name + MODULE_SUFFIX, bin / place);
    }
    const fs::path marks = temp.Folder() / "marks.txt";
    SetEnvironment("VEXA_TEST_LOAD_MARK", marks.string());
    const int status = RunToTheEnd(program);
    SetEnvironment("VEXA_TEST_LOAD_MARK", "");
    EXPECT_EQ(status, 0);

    std::ifstream in(marks);
    std::string line;
    std::string last;
    bool loaded = false;
    while (std::getline(in, line)) {
        // The module and the faulting one are tried; the module is loaded, and unloaded at the
        // end. Nothing else ran.
        EXPECT_TRUE(line.ends_with("TST") || line.ends_with("FST")) << line;
        loaded = loaded || line == "+TST";
        last = line.ends_with("TST") ? line : last;
    }
    EXPECT_TRUE(loaded);
    EXPECT_EQ(last, "-TST");
}

} // namespace
