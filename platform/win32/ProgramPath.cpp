#include "platform/ProgramPath.h"

#include "platform/CodePage.h"

#include <windows.h>

AnsiString ProgramFileName() {
    WideString path(MAX_PATH, u'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length =
            GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(path.data()), size);
        if (length == 0) {
            return {};
        }
        // A name that filled the buffer was cut short.
        if (length < size) {
            path.resize(length);
            return WideToAnsi(path);
        }
        path.resize(path.size() * 2);
    }
}
