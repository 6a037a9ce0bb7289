#include "shell/SendMapiMail.h"

#include "platform/CodePage.h"
#include "platform/DynamicLibrary.h"
#include "platform/SimpleMapi.h"
#include "runtime/Format.h"
#include "textcatalog/uLangBasics.h"
#include "textcatalog/uLangDialogs.h"
#include "ui/Application.h"

namespace {

constexpr TTextId kMailNotSentId = 11303;

// An empty text counts as absent and is passed as a null pointer.
char* Optional(AnsiString& text) {
    return text.empty() ? nullptr : text.data();
}

} // namespace

std::int32_t SendMapiMail(const AnsiString& subject, const AnsiString& body,
                          const AnsiString& attachmentPath, const AnsiString& senderName,
                          const AnsiString& senderAddress, const AnsiString& recipientName,
                          const AnsiString& recipientAddress) {
    // The records and every text they point to stay alive until MAPISendMail has returned.
    AnsiString subjectText = subject;
    AnsiString bodyText = body;
    AnsiString attachment = attachmentPath;
    AnsiString senderShown = senderName.empty() ? senderAddress : senderName;
    AnsiString senderSmtp = "SMTP:" + senderAddress;
    AnsiString recipientShown = recipientName.empty() ? recipientAddress : recipientName;
    AnsiString recipientSmtp = "SMTP:" + recipientAddress;

    MapiMessage message{};
    MapiRecipDesc sender{};
    MapiRecipDesc recipient{};
    MapiFileDesc file{};
    message.lpszSubject = Optional(subjectText);
    message.lpszNoteText = Optional(bodyText);
    if (!senderAddress.empty()) {
        sender.ulRecipClass = MAPI_ORIG;
        sender.lpszName = Optional(senderShown);
        sender.lpszAddress = senderSmtp.data();
        message.lpOriginator = &sender;
    }
    if (!recipientAddress.empty()) {
        recipient.ulRecipClass = MAPI_TO;
        recipient.lpszName = Optional(recipientShown);
        recipient.lpszAddress = recipientSmtp.data();
        message.nRecipCount = 1;
        message.lpRecips = &recipient;
    }
    if (!attachment.empty()) {
        file.nPosition = 0xFFFFFFFFu;
        file.lpszPathName = attachment.data();
        message.nFileCount = 1;
        message.lpFiles = &file;
    }

    std::int32_t status = -1;
    {
        TDynamicLibrary library(MailLibraryName());
        if (library.Loaded()) {
            const auto sendMail = library.Symbol<TMapiSendMail>("MAPISendMail");
            status = sendMail ? static_cast<std::int32_t>(
                                    sendMail(0, static_cast<MapiUlongPtr>(Application().Handle()),
                                             &message, MAPI_LOGON_UI | MAPI_DIALOG, 0))
                              : 1;
        }
    } // the library is released here, also when the call raises

    if (status != 0) {
        ShowLangMessage(WideToAnsi(Format(GetLangString(kMailNotSentId), {status})), dtError,
                        LangDlgButtons({lbOK}), 0);
    }
    return status;
}
