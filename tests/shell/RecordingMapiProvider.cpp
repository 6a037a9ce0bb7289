// A mail library for tests: records every field of the message it receives into the file that
// VEXA_TEST_MAPI_RECORD names, and answers with the status VEXA_TEST_MAPI_STATUS (0 by default).
#include "platform/SimpleMapi.h"
#include "tests/shell/TestProviderExport.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// The process environment as the program sets it (on Windows not the C runtime's copy).
std::string Setting(const char* name) {
#ifdef _WIN32
    char value[1024];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
#else
    const char* value = std::getenv(name);
    return value ? value : "";
#endif
}

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

TEST_PROVIDER_EXPORT MapiUlong VEXA_MAPI_CALL MAPISendMail(MapiLHandle session, MapiUlongPtr parent,
                                                           MapiMessage* message, MapiFlags flags,
                                                           MapiUlong reserved) {
    if (const std::string path = Setting("VEXA_TEST_MAPI_RECORD"); !path.empty()) {
        if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
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
    const std::string status = Setting("VEXA_TEST_MAPI_STATUS");
    return status.empty() ? SUCCESS_SUCCESS : static_cast<MapiUlong>(std::stoul(status));
}
