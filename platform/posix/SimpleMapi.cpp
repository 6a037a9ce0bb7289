#include "platform/SimpleMapi.h"

const char* MailLibraryName() {
    return "libmapi32.so";
}
