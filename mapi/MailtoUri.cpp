#include "mapi/MailtoUri.h"

namespace {

bool KeptAsIs(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '@';
}

void AppendOctet(std::string& out, unsigned char c) {
    constexpr char kHex[] = "0123456789ABCDEF";
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
}

std::string AddressList(const std::vector<std::string>& addresses) {
    std::string out;
    for (const std::string& address : addresses) {
        if (!out.empty()) {
            out += ',';
        }
        out += EncodeMailtoText(address);
    }
    return out;
}

} // namespace

std::string EncodeMailtoText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 3);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c == '\r' || c == '\n') {
            out += "%0D%0A";
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
                ++i;
            }
        } else if (KeptAsIs(c)) {
            out += static_cast<char>(c);
        } else {
            AppendOctet(out, c);
        }
    }
    return out;
}

std::string MailtoUri(const TMailtoMessage& message) {
    std::string uri = "mailto:" + AddressList(message.To);
    char separator = '?';
    const auto field = [&](std::string_view name, const std::string& encoded) {
        if (!encoded.empty()) {
            uri += separator;
            uri += name;
            uri += '=';
            uri += encoded;
            separator = '&';
        }
    };
    field("cc", AddressList(message.Cc));
    field("bcc", AddressList(message.Bcc));
    field("subject", EncodeMailtoText(message.Subject));
    field("body", EncodeMailtoText(message.Body));
    return uri;
}
