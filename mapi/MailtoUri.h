#pragma once

#include <string>
#include <string_view>
#include <vector>

// One message as the mail client is to receive it; all texts in UTF-8.
struct TMailtoMessage {
    std::vector<std::string> To;
    std::vector<std::string> Cc;
    std::vector<std::string> Bcc;
    std::string Subject;
    std::string Body;
};

// The message as one mailto: URI (RFC 6068). Every octet other than a letter, a digit, "-", ".",
// "_", "~" and "@" is percent-encoded, so that no text can end its field, start another one or
// read as an option; each line break (CR, LF or CR LF) becomes one "%0D%0A". Empty texts and
// empty address lists are left out.
std::string MailtoUri(const TMailtoMessage& message);

// Percent-encodes one text of the URI as MailtoUri does.
std::string EncodeMailtoText(std::string_view utf8);
