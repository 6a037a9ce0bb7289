#include "platform/StartupInfo.h"

#include <windows.h>

int StartupShowCommand() {
    STARTUPINFOW info{};
    info.cb = sizeof info;
    GetStartupInfoW(&info);
    return (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : kShowNormal;
}
