// Feeds arbitrary messages to the building of the xdg-email command, as any Simple MAPI client
// may hand them to the mail library: whatever the texts hold, the command holds options first and
// the message as one mailto: URI of plain characters, and reading that URI back gives every
// address and text as sent, each line break as CR LF.
#include "mapi/XdgEmailCommand.h"
#include "platform/CodePage.h"
#include "tests/mapi/MailtoDecoder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The input's parts, split at zero bytes: subject, body, attachment path, then recipients, each
// led by one byte that chooses its class and whether its text is its name or its address.
std::vector<std::string> Parts(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            parts.emplace_back();
        } else {
            parts.back().push_back(static_cast<char>(data[i]));
        }
    }
    parts.resize(std::max<std::size_t>(parts.size(), 3));
    return parts;
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += text[i];
        }
    }
    return out;
}

bool Blank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

void Expect(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> parts = Parts(data, size);
    std::vector<MapiRecipDesc> recipients;
    std::vector<std::string> to;
    std::vector<std::string> cc;
    std::vector<std::string> bcc;
    for (std::size_t i = 3; i < parts.size(); ++i) {
        std::string& text = parts[i];
        const unsigned char choice = text.empty() ? 0 : static_cast<unsigned char>(text[0]);
        if (!text.empty()) {
            text.erase(0, 1);
        }
        const MapiUlong recipClass = choice & 3;
        char* name = (choice & 4) ? text.data() : nullptr;
        char* address = (choice & 4) ? nullptr : text.data();
        recipients.push_back({0, recipClass, name, address, 0, nullptr});
        std::string expected = AnsiToUtf8(text);
        if (expected.size() >= 5 && SameText(std::string_view(expected).substr(0, 5), "SMTP:")) {
            expected.erase(0, 5);
        }
        (recipClass == MAPI_CC    ? cc
         : recipClass == MAPI_BCC ? bcc
                                  : to)
            .push_back(WithCrLf(expected));
    }
    MapiFileDesc file{0, 0, 0xFFFFFFFF, parts[2].data(), nullptr, nullptr};
    MapiMessage message{};
    message.lpszSubject = parts[0].data();
    message.lpszNoteText = parts[1].data();
    message.nRecipCount = static_cast<MapiUlong>(recipients.size());
    message.lpRecips = recipients.data();
    message.nFileCount = parts[2].empty() ? 0 : 1;
    message.lpFiles = &file;

    std::vector<std::string> args;
    const MapiUlong status = BuildXdgEmailCommand(&message, args);
    if (status != SUCCESS_SUCCESS) {
        Expect(status == MAPI_E_INVALID_RECIPS || status == MAPI_E_ATTACHMENT_NOT_FOUND ||
               status == MAPI_E_ATTACHMENT_OPEN_FAILURE);
        return 0;
    }
    Expect(args.size() == (message.nFileCount ? 5u : 3u));
    Expect(args[0] == "xdg-email" && args[1] == "--utf8");
    if (message.nFileCount) {
        Expect(args[2] == "--attach" && args[3].starts_with('/'));
    }
    const std::string& uri = args.back();
    for (const char c : uri) {
        Expect((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               std::string_view("-._~@%:?&=,").find(c) != std::string_view::npos);
    }
    const auto fields = DecodeMailto(uri);
    Expect(fields.has_value());
    Expect(fields->To == to);
    const auto expectList = [&](const char* name, const std::vector<std::string>& addresses) {
        const auto values = fields->All(name);
        Expect(addresses.empty() ? values.empty() : values.size() == 1);
        if (!addresses.empty()) {
            std::string joined;
            for (const std::string& address : addresses) {
                joined += (joined.empty() ? "" : ",") + address;
            }
            // Read back whole, the field is the addresses joined by commas.
            Expect(values[0] == joined);
        }
    };
    expectList("cc", cc);
    expectList("bcc", bcc);
    const auto expectText = [&](const char* name, const std::string& ansi) {
        const auto values = fields->All(name);
        const std::string text = AnsiToUtf8(ansi);
        if (Blank(text)) {
            Expect(values.empty());
        } else {
            Expect(values.size() == 1 && values[0] == WithCrLf(text));
        }
    };
    expectText("subject", parts[0]);
    expectText("body", parts[1]);
    Expect(fields->Fields.size() == fields->All("cc").size() + fields->All("bcc").size() +
                                        fields->All("subject").size() + fields->All("body").size());
    return 0;
}
