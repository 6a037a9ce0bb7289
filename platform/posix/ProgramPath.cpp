#include "platform/ProgramPath.h"

#include "platform/CodePage.h"

#include <string>
#include <unistd.h>

AnsiString ProgramFileName() {
    std::string path(256, '\0');
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0) {
            return {};
        }
        // readlink does not say whether it cut the name short; a full buffer may have.
        if (static_cast<std::size_t>(length) < path.size()) {
            path.resize(static_cast<std::size_t>(length));
            return Utf8ToAnsi(path);
        }
        path.resize(path.size() * 2);
    }
}
