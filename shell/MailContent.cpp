#include "shell/MailContent.h"

#include "platform/CodePage.h"
#include "runtime/Format.h"
#include "shell/ProgramVersion.h"
#include "textcatalog/uLangBasics.h"

#include <ctime>

AnsiString MailText(TTextId id) {
    return WideToAnsi(GetLangString(id));
}

AnsiString MailBody(TTextId bodyId, const AnsiString& versionText, const AnsiString& date) {
    return WideToAnsi(Format(GetLangString(bodyId), {AnsiToWide(versionText), AnsiToWide(date)}));
}

AnsiString MailBody(TTextId bodyId) {
    return MailBody(bodyId, ProgramVersionText(), TodayText());
}

TPreparedMail PreparedMail() {
    return {MailText(kMailSubjectId), MailBody(kBodySentId), kSupportAddress};
}

AnsiString TodayText() {
    const std::time_t now = std::time(nullptr);
    char text[16] = {};
    if (const std::tm* local = std::localtime(&now)) {
        std::strftime(text, sizeof text, "%Y-%m-%d", local);
    }
    return text;
}
