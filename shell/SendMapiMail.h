#pragma once

#include "runtime/Strings.h"

#include <cstdint>

// Hands one message to the user's mail client through Simple MAPI, which shows it in its own
// compose window. Every argument may be empty, meaning absent. 0 when the client accepted the
// message, -1 when the mail library cannot be loaded, otherwise the mail system's status; a
// failure is also shown to the user.
std::int32_t SendMapiMail(const AnsiString& subject, const AnsiString& body,
                          const AnsiString& attachmentPath, const AnsiString& senderName,
                          const AnsiString& senderAddress, const AnsiString& recipientName,
                          const AnsiString& recipientAddress);
