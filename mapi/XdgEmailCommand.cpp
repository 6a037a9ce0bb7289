#include "mapi/XdgEmailCommand.h"

#include "mapi/MailtoUri.h"
#include "platform/CodePage.h"
#include "runtime/Strings.h"

#include <cerrno>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string Text(const char* ansi) {
    return ansi ? AnsiToUtf8(ansi) : std::string();
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// "SMTP:" names the address type; the mail client takes the bare address.
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

// An attachment path starts with "/", so it never reads as an option.
std::string AbsolutePath(const std::string& path) {
    if (path.empty() || path.front() == '/') {
        return path;
    }
    std::string folder(4096, '\0');
    while (!getcwd(folder.data(), folder.size())) {
        if (errno != ERANGE) {
            return {};
        }
        folder.resize(folder.size() * 2);
    }
    folder.resize(folder.find('\0'));
    return folder + (folder.back() == '/' ? "" : "/") + path;
}

// xdg-email writes the path through the shell's echo, which takes a backslash as the start of
// an escape, and a line break would split it: such a path would name another file.
bool CarriedFaithfully(const std::string& path) {
    return path.find_first_of("\\\r\n") == std::string::npos;
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
    TMailtoMessage mail;
    for (MapiUlong i = 0; i < message->nRecipCount; ++i) {
        const MapiRecipDesc& recipient = message->lpRecips[i];
        std::string address = Address(recipient);
        if (address.empty()) {
            return MAPI_E_INVALID_RECIPS;
        }
        switch (recipient.ulRecipClass) {
        case MAPI_CC:
            mail.Cc.push_back(std::move(address));
            break;
        case MAPI_BCC:
            mail.Bcc.push_back(std::move(address));
            break;
        default:
            mail.To.push_back(std::move(address));
        }
    }
    if (std::string subject = Text(message->lpszSubject); !IsBlank(subject)) {
        mail.Subject = std::move(subject);
    }
    if (std::string body = Text(message->lpszNoteText); !IsBlank(body)) {
        mail.Body = std::move(body);
    }
    // Options first, then the one argument that names the message: whatever the texts hold,
    // xdg-email reads none of them as an option. "--utf8" keeps the paths' bytes as they are.
    arguments = {"xdg-email", "--utf8"};
    for (MapiUlong i = 0; i < message->nFileCount; ++i) {
        const std::string path = AbsolutePath(Text(message->lpFiles[i].lpszPathName));
        if (path.empty()) {
            return MAPI_E_ATTACHMENT_NOT_FOUND;
        }
        if (!CarriedFaithfully(path)) {
            return MAPI_E_ATTACHMENT_OPEN_FAILURE;
        }
        arguments.insert(arguments.end(), {"--attach", path});
    }
    arguments.push_back(MailtoUri(mail));
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
    case 5: // or may not be read
        return MAPI_E_ATTACHMENT_OPEN_FAILURE;
    default:
        return MAPI_E_FAILURE;
    }
}
