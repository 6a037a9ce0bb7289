// A mail library for tests: records every field of the message it receives into the file that
// VEXA_TEST_MAPI_RECORD names, and answers with the status VEXA_TEST_MAPI_STATUS (0 by default).
#include "platform/SimpleMapi.h"

#include <cstdio>
#include <cstdlib>

namespace {

void Field(std::FILE* out, const char* name, const char* text) {
    if (text) {
        std::fprintf(out, "%s=%s\n", name, text);
    } else {
        std::fprintf(out, "%s=(null)\n", name);
    }
}

void Recipient(std::FILE* out, const char* role, const MapiRecipDesc* recipient) {
    if (!recipient) {
        std::fprintf(out, "%s=(none)\n", role);
        return;
    }
    std::fprintf(out, "%s.class=%u\n", role, recipient->ulRecipClass);
    Field(out, "name", recipient->lpszName);
    Field(out, "address", recipient->lpszAddress);
    std::fprintf(out, "eid=%u %s\n", recipient->ulEIDSize, recipient->lpEntryID ? "set" : "null");
}

} // namespace

extern "C" __attribute__((visibility("default"))) MapiUlong
MAPISendMail(MapiLHandle session, MapiUlongPtr parent, MapiMessage* message, MapiFlags flags,
             MapiUlong reserved) {
    if (const char* path = std::getenv("VEXA_TEST_MAPI_RECORD")) {
        if (std::FILE* out = std::fopen(path, "w")) {
            std::fprintf(out, "session=%lu parent=%s flags=%u reserved=%u\n",
                         static_cast<unsigned long>(session), parent ? "set" : "0", flags,
                         reserved);
            Field(out, "subject", message->lpszSubject);
            Field(out, "body", message->lpszNoteText);
            Field(out, "type", message->lpszMessageType);
            Field(out, "date", message->lpszDateReceived);
            Field(out, "conversation", message->lpszConversationID);
            std::fprintf(out, "reserved=%u flags=%u\n", message->ulReserved, message->flFlags);
            Recipient(out, "sender", message->lpOriginator);
            std::fprintf(out, "recipients=%u\n", message->nRecipCount);
            Recipient(out, "recipient", message->lpRecips);
            std::fprintf(out, "files=%u\n", message->nFileCount);
            if (message->lpFiles) {
                std::fprintf(out, "position=%X flags=%u\n", message->lpFiles->nPosition,
                             message->lpFiles->flFlags);
                Field(out, "path", message->lpFiles->lpszPathName);
                Field(out, "file", message->lpFiles->lpszFileName);
            }
            std::fclose(out);
        }
    }
    const char* status = std::getenv("VEXA_TEST_MAPI_STATUS");
    return status ? static_cast<MapiUlong>(std::atoi(status)) : SUCCESS_SUCCESS;
}
