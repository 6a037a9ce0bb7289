#pragma once

#include "platform/SimpleMapi.h"

#include <string>
#include <vector>

// The xdg-email command line that opens the user's mail client with a Simple MAPI message: the
// attachments by "--attach" with their absolute paths, then the message as one mailto: URI.
// Texts are converted from the ANSI code page to UTF-8. Returns MAPI_E_INVALID_RECIPS,
// MAPI_E_ATTACHMENT_NOT_FOUND, MAPI_E_ATTACHMENT_OPEN_FAILURE or MAPI_E_FAILURE for a message
// that cannot be handed over faithfully, SUCCESS_SUCCESS otherwise.
MapiUlong BuildXdgEmailCommand(const MapiMessage* message, std::vector<std::string>& arguments);

// Runs the command directly (never through a shell) and waits for it.
MapiUlong RunXdgEmail(const std::vector<std::string>& arguments);
