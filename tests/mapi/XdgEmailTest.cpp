#include "mapi/XdgEmailCommand.h"
#include "platform/DynamicLibrary.h"
#include "tests/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using Args = std::vector<std::string>;

MapiRecipDesc Recipient(MapiUlong recipClass, const char* name, const char* address) {
    return {0, recipClass, const_cast<char*>(name), const_cast<char*>(address), 0, nullptr};
}

TEST(XdgEmailCommand, MapsEveryPartOfTheMessage) {
    MapiRecipDesc recipients[] = {
        Recipient(MAPI_TO, "Support", "SMTP:support@brenik.example"),
        Recipient(MAPI_CC, nullptr, "smtp:kopie@brenik.example"),
        Recipient(MAPI_BCC, "blind@brenik.example", nullptr),
        Recipient(MAPI_TO, nullptr, "zweite@brenik.example"),
    };
    MapiFileDesc file{0,       0,      0xFFFFFFFF, const_cast<char*>("/tmp/Profil \"A\".txt"),
                      nullptr, nullptr};
    MapiMessage message{};
    message.lpszSubject = const_cast<char*>("Frage; \"dringend\" & $HOME `id`");
    message.lpszNoteText = const_cast<char*>("Zeile 1\rZeile 2\r\nL\xE4nge \x80");
    message.nRecipCount = 4;
    message.lpRecips = recipients;
    message.nFileCount = 1;
    message.lpFiles = &file;
    Args args;
    ASSERT_EQ(BuildXdgEmailCommand(&message, args), SUCCESS_SUCCESS);
    EXPECT_EQ(args,
              (Args{"xdg-email", "--utf8", "--cc", "kopie@brenik.example", "--bcc",
                    "blind@brenik.example", "--subject", "Frage; \"dringend\" & $HOME `id`",
                    "--body", "Zeile 1\rZeile 2\r\nLänge €", "--attach", "/tmp/Profil \"A\".txt",
                    "support@brenik.example", "zweite@brenik.example"}));
}

TEST(XdgEmailCommand, LeavesOutEmptyAndBlankTextsAndRefusesBrokenMessages) {
    MapiMessage message{};
    message.lpszSubject = const_cast<char*>("  \t ");
    message.lpszNoteText = const_cast<char*>("");
    Args args;
    ASSERT_EQ(BuildXdgEmailCommand(&message, args), SUCCESS_SUCCESS);
    EXPECT_EQ(args, (Args{"xdg-email", "--utf8"}));

    EXPECT_EQ(BuildXdgEmailCommand(nullptr, args), MAPI_E_FAILURE);
    MapiMessage noRecipients{};
    noRecipients.nRecipCount = 1;
    EXPECT_EQ(BuildXdgEmailCommand(&noRecipients, args), MAPI_E_INVALID_RECIPS);
    MapiRecipDesc nobody = Recipient(MAPI_TO, nullptr, nullptr);
    noRecipients.lpRecips = &nobody;
    EXPECT_EQ(BuildXdgEmailCommand(&noRecipients, args), MAPI_E_INVALID_RECIPS);
}

// The real library and a stand-in xdg-email first on PATH that records its argument vector.
class MailLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        FRecord = FFolder / "argv";
        const fs::path script = FFolder / "xdg-email";
        std::ofstream(script) << "#!/bin/sh\n"
                                 "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \""
                              << FRecord.string() << "\"\nexit ${VEXA_XDG_EXIT:-0}\n";
        fs::permissions(script, fs::perms::owner_all);
        FOldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", (FFolder.string() + ":/usr/bin:/bin").c_str(), 1);
        FLibrary = TDynamicLibrary(MAIL_LIBRARY_PATH);
        ASSERT_TRUE(FLibrary.Loaded());
        FSendMail = FLibrary.Symbol<TMapiSendMail>("MAPISendMail");
        ASSERT_NE(FSendMail, nullptr);
    }
    void TearDown() override {
        setenv("PATH", FOldPath.c_str(), 1);
        unsetenv("VEXA_XDG_EXIT");
    }
    Args Recorded() const {
        std::ifstream in(FRecord, std::ios::binary);
        Args args;
        for (std::string arg; std::getline(in, arg, '\0');) {
            args.push_back(arg);
        }
        return args;
    }

    TTempFolder FTemp;
    const fs::path FFolder = FTemp.Folder();
    fs::path FRecord;
    std::string FOldPath;
    TDynamicLibrary FLibrary;
    TMapiSendMail FSendMail = nullptr;
};

TEST_F(MailLibrary, HandsTheMessageToXdgEmailAndWaitsForIt) {
    MapiRecipDesc to = Recipient(MAPI_TO, "support@brenik.example", "SMTP:support@brenik.example");
    MapiMessage message{};
    message.lpszSubject = const_cast<char*>("Anfrage an den VEXA-Support");
    message.lpszNoteText = const_cast<char*>("Guten Tag,\r\rbitte ...\r");
    message.nRecipCount = 1;
    message.lpRecips = &to;
    EXPECT_EQ(FSendMail(0, 0, &message, MAPI_LOGON_UI | MAPI_DIALOG, 0), SUCCESS_SUCCESS);
    EXPECT_EQ(Recorded(), (Args{"--utf8", "--subject", "Anfrage an den VEXA-Support", "--body",
                                "Guten Tag,\r\rbitte ...\r", "support@brenik.example"}));
}

TEST_F(MailLibrary, ReportsAFailingOrMissingMailClient) {
    MapiMessage message{};
    setenv("VEXA_XDG_EXIT", "4", 1);
    EXPECT_EQ(FSendMail(0, 0, &message, MAPI_DIALOG, 0), MAPI_E_FAILURE);
    setenv("PATH", "/nonexistent", 1);
    EXPECT_EQ(FSendMail(0, 0, &message, MAPI_DIALOG, 0), MAPI_E_FAILURE);
    EXPECT_EQ(FSendMail(0, 0, nullptr, MAPI_DIALOG, 0), MAPI_E_FAILURE);
}

} // namespace
