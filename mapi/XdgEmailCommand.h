#pragma once

#include "platform/SimpleMapi.h"

#include <string>
#include <vector>

// The xdg-email command line that opens the user's mail client with a Simple MAPI message.
// Texts are converted from the ANSI code page to UTF-8. Returns MAPI_E_INVALID_RECIPS or
// MAPI_E_FAILURE for a message that cannot be handed over, SUCCESS_SUCCESS otherwise.
MapiUlong BuildXdgEmailCommand(const MapiMessage* message, std::vector<std::string>& arguments);

// Runs the command directly (never through a shell) and waits for it.
MapiUlong RunXdgEmail(const std::vector<std::string>& arguments);
