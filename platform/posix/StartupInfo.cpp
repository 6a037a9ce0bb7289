#include "platform/StartupInfo.h"

// Linux desktops start programs without a show request: windows open in their normal state.
int StartupShowCommand() {
    return kShowNormal;
}
