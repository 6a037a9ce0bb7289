// Another program of the family that shares the settings file: it opens the store as the program
// does, waits until it is told to go on, changes one value and ends, writing the file back.
//
//   vexa_settings_writer BOOTSTRAP READY GO SECTION KEY [VALUE]
//
// READY is created once the store is open, GO is waited for ("-": neither); without VALUE the key
// is deleted. Exit status 0 when the file was written back, 1 when that failed, 2 for a wrong
// call, 3 when GO never came.
#include "platform/FileAccess.h"
#include "settings/uVexaRegIniStorage.h"

#include <chrono>
#include <fstream>
#include <memory>
#include <thread>

namespace {

bool WaitFor(const AnsiString& file) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!QueryFileInfo(file).Exists) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6 && argc != 7) {
        return 2;
    }
    const AnsiString ready = argv[2];
    const AnsiString go = argv[3];
    auto store = std::make_unique<TRegIniData>(argv[1]);
    TVexaAppIniFileStorage* storage = store->IniFileStorage();
    if (!storage) {
        return 2;
    }
    bool failed = false;
    storage->OnWriteError = [&](const AnsiString&) {
        failed = true;
    };
    if (ready != "-") {
        std::ofstream(ready).put('\n');
    }
    if (go != "-" && !WaitFor(go)) {
        storage->SetFlushOnDestroy(false);
        return 3;
    }
    if (argc == 7) {
        storage->WriteString(argv[4], argv[5], argv[6]);
    } else {
        storage->DeleteKey(argv[4], argv[5]);
    }
    store.reset();
    return failed ? 1 : 0;
}
