#include "platform/SimpleMapi.h"

const char* MailLibraryName() {
    return "MAPI32.DLL";
}
