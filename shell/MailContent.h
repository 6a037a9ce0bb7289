#pragma once

#include "runtime/Strings.h"
#include "textcatalog/uDefStrings.h"

// The prepared message: its texts are rows of the text tables; the bodies take two "%s", the
// program's version text and the date.
inline constexpr TTextId kMailCaptionId = 10770;
inline constexpr TTextId kRecipientHeaderId = 10771;
inline constexpr TTextId kSendHintId = 10772;
inline constexpr TTextId kMailSubjectId = 10773;
inline constexpr TTextId kBodyShownId = 10774;
inline constexpr TTextId kBodySentId = 10775;
inline constexpr TTextId kSubjectHeaderId = 11305;
inline constexpr TTextId kBodyHeaderId = 11306;
inline constexpr TTextId kOkCaptionId = 10030;

// Under the reserved top-level domain, so that no real mailbox ever receives a test message.
inline constexpr const char* kSupportAddress = "support@brenik.example";

// A body in the current language, filled with the version text and the date.
AnsiString MailBody(TTextId bodyId, const AnsiString& versionText, const AnsiString& date);
// The same with this program's version and today's date.
AnsiString MailBody(TTextId bodyId);

// The message as it is handed to the mail client: the body sent may hold more than the one shown.
struct TPreparedMail {
    AnsiString Subject;
    AnsiString Body;
    AnsiString Recipient;
};
TPreparedMail PreparedMail();

// The current text of Id, narrowed.
AnsiString MailText(TTextId id);

// Today's date as year-month-day, the same in every language.
AnsiString TodayText();
