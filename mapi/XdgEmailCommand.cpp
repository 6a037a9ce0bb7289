#include "mapi/XdgEmailCommand.h"

#include "platform/CodePage.h"
#include "runtime/Strings.h"

#include <cerrno>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>

extern char** environ;

namespace {

std::string Text(const char* ansi) {
    return ansi ? AnsiToUtf8(ansi) : std::string();
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// "SMTP:" names the address type; xdg-email takes the bare address.
std::string Address(const MapiRecipDesc& recipient) {
    std::string address = Text(recipient.lpszAddress);
    if (address.empty()) {
        address = Text(recipient.lpszName);
    }
    if (address.size() >= 5 && SameText(std::string_view(address).substr(0, 5), "SMTP:")) {
        address.erase(0, 5);
    }
    return address;
}

} // namespace

MapiUlong BuildXdgEmailCommand(const MapiMessage* message, std::vector<std::string>& arguments) {
    arguments.clear();
    if (!message) {
        return MAPI_E_FAILURE;
    }
    if (message->nRecipCount > 0 && !message->lpRecips) {
        return MAPI_E_INVALID_RECIPS;
    }
    if (message->nFileCount > 0 && !message->lpFiles) {
        return MAPI_E_FAILURE;
    }
    arguments = {"xdg-email", "--utf8"};
    std::vector<std::string> to;
    for (MapiUlong i = 0; i < message->nRecipCount; ++i) {
        const MapiRecipDesc& recipient = message->lpRecips[i];
        const std::string address = Address(recipient);
        if (address.empty()) {
            return MAPI_E_INVALID_RECIPS;
        }
        switch (recipient.ulRecipClass) {
        case MAPI_CC:
            arguments.insert(arguments.end(), {"--cc", address});
            break;
        case MAPI_BCC:
            arguments.insert(arguments.end(), {"--bcc", address});
            break;
        default:
            to.push_back(address);
        }
    }
    const std::string subject = Text(message->lpszSubject);
    if (!IsBlank(subject)) {
        arguments.insert(arguments.end(), {"--subject", subject});
    }
    const std::string body = Text(message->lpszNoteText);
    if (!IsBlank(body)) {
        arguments.insert(arguments.end(), {"--body", body});
    }
    for (MapiUlong i = 0; i < message->nFileCount; ++i) {
        const std::string path = Text(message->lpFiles[i].lpszPathName);
        if (path.empty()) {
            return MAPI_E_ATTACHMENT_NOT_FOUND;
        }
        arguments.insert(arguments.end(), {"--attach", path});
    }
    arguments.insert(arguments.end(), to.begin(), to.end());
    return SUCCESS_SUCCESS;
}

MapiUlong RunXdgEmail(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return MAPI_E_FAILURE;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return MAPI_E_FAILURE;
        }
    }
    if (!WIFEXITED(status)) {
        return MAPI_E_FAILURE;
    }
    switch (WEXITSTATUS(status)) {
    case 0:
        return SUCCESS_SUCCESS;
    case 2: // a file named on the command line does not exist
        return MAPI_E_ATTACHMENT_NOT_FOUND;
    default:
        return MAPI_E_FAILURE;
    }
}
