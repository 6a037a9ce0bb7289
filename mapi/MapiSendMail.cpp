// The Simple MAPI entry point of the Linux mail library: hands the message to the user's mail
// client through xdg-email.
#include "mapi/XdgEmailCommand.h"

extern "C" __attribute__((visibility("default"))) MapiUlong
MAPISendMail(MapiLHandle, MapiUlongPtr, MapiMessage* message, MapiFlags, MapiUlong) {
    try {
        std::vector<std::string> arguments;
        const MapiUlong status = BuildXdgEmailCommand(message, arguments);
        return status == SUCCESS_SUCCESS ? RunXdgEmail(arguments) : status;
    } catch (...) {
        return MAPI_E_INSUFFICIENT_MEMORY;
    }
}
