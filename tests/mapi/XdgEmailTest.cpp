#include "mapi/MailtoUri.h"
#include "mapi/XdgEmailCommand.h"
#include "platform/CodePage.h"
#include "platform/DynamicLibrary.h"
#include "tests/TempFolder.h"
#include "tests/mapi/MailtoDecoder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Args = std::vector<std::string>;

MapiRecipDesc Recipient(MapiUlong recipClass, const char* name, const char* address) {
    return {0, recipClass, const_cast<char*>(name), const_cast<char*>(address), 0, nullptr};
}

MapiFileDesc Attachment(const char* path) {
    return {0, 0, 0xFFFFFFFF, const_cast<char*>(path), nullptr, nullptr};
}

TEST(MailtoUri, EncodesEveryOctetThatCouldEndAFieldAndEachLineBreakOnce) {
    const std::pair<const char*, const char*> texts[] = {
        {"support@brenik.example", "support@brenik.example"},
        {"a\rb\nc\r\nd\n\re", "a%0D%0Ab%0D%0Ac%0D%0Ad%0D%0A%0D%0Ae"},
        {"Grüße – €", "Gr%C3%BC%C3%9Fe%20%E2%80%93%20%E2%82%AC"},
        {"a&b=c?d#e%f,g+h/i", "a%26b%3Dc%3Fd%23e%25f%2Cg%2Bh%2Fi"},
        {"--attach", "--attach"},
        {"\t\"$(id)\" `id`", "%09%22%24%28id%29%22%20%60id%60"},
    };
    for (const auto& [text, encoded] : texts) {
        EXPECT_EQ(EncodeMailtoText(text), encoded) << text;
    }
    EXPECT_EQ(MailtoUri({{"a@x.example", "b,c@x.example"},
                         {"d@x.example"},
                         {"e@x.example", "f@x.example"},
                         "Betreff",
                         "Zeile\r\n"}),
              "mailto:a@x.example,b%2Cc@x.example?cc=d@x.example&bcc=e@x.example,f@x.example"
              "&subject=Betreff&body=Zeile%0D%0A");
    EXPECT_EQ(MailtoUri({{}, {}, {}, "", "Text"}), "mailto:?body=Text");
    EXPECT_EQ(MailtoUri({}), "mailto:");
}

TEST(XdgEmailCommand, PutsTheAttachmentsFirstAndTheMessageAsOneArgument) {
    MapiRecipDesc recipients[] = {
        Recipient(MAPI_TO, "Support", "SMTP:support@brenik.example"),
        Recipient(MAPI_CC, nullptr, "smtp:kopie@brenik.example"),
        Recipient(MAPI_BCC, "blind@brenik.example", nullptr),
        Recipient(MAPI_TO, nullptr, "zweite@brenik.example"),
    };
    MapiFileDesc file = Attachment("/tmp/Profil \"A\".txt");
    const AnsiString subject = "Frage; \"dringend\" & $HOME `id`";
    const AnsiString body = Utf8ToAnsi("Zeile 1\rZeile 2\r\nLänge €");
    MapiMessage message{};
    message.lpszSubject = const_cast<char*>(subject.c_str());
    message.lpszNoteText = const_cast<char*>(body.c_str());
    message.nRecipCount = 4;
    message.lpRecips = recipients;
    message.nFileCount = 1;
    message.lpFiles = &file;
    Args args;
    ASSERT_EQ(BuildXdgEmailCommand(&message, args), SUCCESS_SUCCESS);
    EXPECT_EQ(args, (Args{"xdg-email", "--utf8", "--attach", "/tmp/Profil \"A\".txt",
                          "mailto:support@brenik.example,zweite@brenik.example"
                          "?cc=kopie@brenik.example&bcc=blind@brenik.example"
                          "&subject=Frage%3B%20%22dringend%22%20%26%20%24HOME%20%60id%60"
                          "&body=Zeile%201%0D%0AZeile%202%0D%0AL%C3%A4nge%20%E2%82%AC"}));
}

TEST(XdgEmailCommand, LeavesOutBlankTextsAndRefusesWhatItCannotHandOverFaithfully) {
    MapiMessage message{};
    message.lpszSubject = const_cast<char*>("  \t ");
    message.lpszNoteText = const_cast<char*>("");
    Args args;
    ASSERT_EQ(BuildXdgEmailCommand(&message, args), SUCCESS_SUCCESS);
    EXPECT_EQ(args, (Args{"xdg-email", "--utf8", "mailto:"}));

    EXPECT_EQ(BuildXdgEmailCommand(nullptr, args), MAPI_E_FAILURE);
    MapiMessage noRecipients{};
    noRecipients.nRecipCount = 1;
    EXPECT_EQ(BuildXdgEmailCommand(&noRecipients, args), MAPI_E_INVALID_RECIPS);
    MapiRecipDesc nobody = Recipient(MAPI_TO, nullptr, "SMTP:");
    noRecipients.lpRecips = &nobody;
    EXPECT_EQ(BuildXdgEmailCommand(&noRecipients, args), MAPI_E_INVALID_RECIPS);

    // xdg-email would carry these paths as the names of other files.
    for (const char* path : {"/tmp/a\\cb", "/tmp/line\nbreak", ""}) {
        MapiFileDesc file = Attachment(path);
        MapiMessage withFile{};
        withFile.nFileCount = 1;
        withFile.lpFiles = &file;
        EXPECT_NE(BuildXdgEmailCommand(&withFile, args), SUCCESS_SUCCESS) << path;
    }
}

// Sets environment variables for the life of the object and restores them after.
class TEnvironment {
public:
    ~TEnvironment() {
        for (const auto& [name, value] : FSaved) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }
    void Set(const std::string& name, const char* value) {
        if (!FSaved.count(name)) {
            const char* old = std::getenv(name.c_str());
            FSaved[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value) {
            setenv(name.c_str(), value, 1);
        } else {
            unsetenv(name.c_str());
        }
    }

private:
    std::map<std::string, std::optional<std::string>> FSaved;
};

// The real mail library and the real xdg-email, with a mail client registered for mailto: in a
// desktop of the test's own; the test is the Simple MAPI client.
class RegisteredMailClient : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string folder = FFolder.string();
        ASSERT_EQ(std::system(("'" REGISTER_MAIL_HANDLER "' '" + folder + "'").c_str()), 0);
        FEnvironment.Set("XDG_CONFIG_HOME", (folder + "/config").c_str());
        FEnvironment.Set("XDG_DATA_HOME", (folder + "/data").c_str());
        FEnvironment.Set("XDG_CONFIG_DIRS", (folder + "/none").c_str());
        FEnvironment.Set("XDG_DATA_DIRS", (folder + "/none").c_str());
        FEnvironment.Set("XDG_CURRENT_DESKTOP", "X-Generic");
        // xdg-open asks a desktop's handler only when a display is named.
        if (!std::getenv("DISPLAY")) {
            FEnvironment.Set("DISPLAY", ":99");
        }
        for (const char* name : {"MAILER", "BROWSER", "VEXA_TEST_HANDLER_EXIT"}) {
            FEnvironment.Set(name, nullptr);
        }
        FLibrary = TDynamicLibrary(MAIL_LIBRARY_PATH);
        ASSERT_TRUE(FLibrary.Loaded());
        FSendMail = FLibrary.Symbol<TMapiSendMail>("MAPISendMail");
        ASSERT_NE(FSendMail, nullptr);
    }

    MapiUlong Send(MapiMessage& message) {
        fs::remove(FFolder / "mailto-args");
        return FSendMail(0, 0, &message, MAPI_LOGON_UI | MAPI_DIALOG, 0);
    }
    // The arguments the mail client was started with; none when it was not started.
    Args Received() const {
        std::ifstream in(FFolder / "mailto-args", std::ios::binary);
        Args args;
        for (std::string arg; std::getline(in, arg, '\0');) {
            args.push_back(arg);
        }
        return args;
    }
    TMailtoFields ReceivedMessage() const {
        const Args args = Received();
        EXPECT_EQ(args.size(), 1u);
        const auto fields = DecodeMailto(args.empty() ? "" : args[0]);
        EXPECT_TRUE(fields) << (args.empty() ? "" : args[0]);
        return fields.value_or(TMailtoFields{});
    }

    TTempFolder FTemp;
    const fs::path FFolder = FTemp.Folder();
    TEnvironment FEnvironment;
    TDynamicLibrary FLibrary;
    TMapiSendMail FSendMail = nullptr;
};

TEST_F(RegisteredMailClient, ReceivesHostileRecipientsSubjectAndBodyAsSent) {
    // A client that names the recipients "--attach" and "/etc/hostname" attaches nothing.
    MapiRecipDesc optionLike[] = {Recipient(MAPI_TO, nullptr, "--attach"),
                                  Recipient(MAPI_TO, nullptr, "/etc/hostname")};
    MapiMessage attempt{};
    attempt.nRecipCount = 2;
    attempt.lpRecips = optionLike;
    ASSERT_EQ(Send(attempt), SUCCESS_SUCCESS);
    TMailtoFields received = ReceivedMessage();
    EXPECT_EQ(received.To, (Args{"--attach", "/etc/hostname"}));
    EXPECT_TRUE(received.Fields.empty());

    MapiRecipDesc recipients[] = {
        Recipient(MAPI_TO, "Support", "SMTP:support@brenik.example"),
        Recipient(MAPI_TO, nullptr, "a,b@x.example?cc=c@x.example"),
        Recipient(MAPI_CC, nullptr, "-c@x.example"),
        Recipient(MAPI_BCC, nullptr, "d@x.example&body=ersetzt"),
    };
    const AnsiString subject = Utf8ToAnsi("Größe?&body=gestohlen #1 %41\r\nBcc: e@x.example");
    const AnsiString body =
        Utf8ToAnsi("Zeile 1\rZeile 2\nZeile 3\r\n\r\nGrüße – € \"$(id)\" `id` \t%0D%0A\n");
    MapiMessage message{};
    message.lpszSubject = const_cast<char*>(subject.c_str());
    message.lpszNoteText = const_cast<char*>(body.c_str());
    message.nRecipCount = 4;
    message.lpRecips = recipients;
    ASSERT_EQ(Send(message), SUCCESS_SUCCESS);
    received = ReceivedMessage();
    EXPECT_EQ(received.To, (Args{"support@brenik.example", "a,b@x.example?cc=c@x.example"}));
    EXPECT_EQ(received.All("cc"), Args{"-c@x.example"});
    EXPECT_EQ(received.All("bcc"), Args{"d@x.example&body=ersetzt"});
    EXPECT_EQ(received.All("subject"), Args{"Größe?&body=gestohlen #1 %41\r\nBcc: e@x.example"});
    EXPECT_EQ(received.All("body"),
              Args{"Zeile 1\r\nZeile 2\r\nZeile 3\r\n\r\nGrüße – € \"$(id)\" `id` \t%0D%0A\r\n"});
    EXPECT_TRUE(received.All("attach").empty());
}

TEST_F(RegisteredMailClient, AttachmentsArriveByTheirAbsolutePathsWhateverTheirNames) {
    const AnsiString name = Utf8ToAnsi("--attach & x=y %41 Größe.txt");
    const fs::path file = FFolder / fs::u8path(AnsiToUtf8(name));
    std::ofstream(file) << "Anhang";
    const fs::path before = fs::current_path();
    fs::current_path(FFolder);
    MapiFileDesc attachment = Attachment(name.c_str());
    MapiMessage message{};
    message.lpszSubject = const_cast<char*>("Anhang");
    message.nFileCount = 1;
    message.lpFiles = &attachment;
    const MapiUlong status = Send(message);
    fs::current_path(before);
    ASSERT_EQ(status, SUCCESS_SUCCESS);
    const TMailtoFields received = ReceivedMessage();
    EXPECT_TRUE(received.To.empty());
    EXPECT_EQ(received.All("subject"), Args{"Anhang"});
    EXPECT_EQ(received.All("attach"), Args{fs::canonical(file).string()});

    const std::string missing = (FFolder / "fehlt.txt").string();
    attachment = Attachment(missing.c_str());
    EXPECT_EQ(Send(message), MAPI_E_ATTACHMENT_NOT_FOUND);
    const std::string escaped = (FFolder / "a\\cb").string();
    std::ofstream(FFolder / "a\\cb") << "Anhang";
    attachment = Attachment(escaped.c_str());
    EXPECT_EQ(Send(message), MAPI_E_ATTACHMENT_OPEN_FAILURE);
    EXPECT_TRUE(Received().empty());
}

TEST_F(RegisteredMailClient, ReportsAFailingOrMissingMailClient) {
    MapiMessage message{};
    FEnvironment.Set("VEXA_TEST_HANDLER_EXIT", "1");
    EXPECT_EQ(Send(message), MAPI_E_FAILURE);
    EXPECT_EQ(Received(), Args{"mailto:"});
    FEnvironment.Set("PATH", "/nonexistent");
    EXPECT_EQ(Send(message), MAPI_E_FAILURE);
    EXPECT_EQ(FSendMail(0, 0, nullptr, MAPI_DIALOG, 0), MAPI_E_FAILURE);
}

} // namespace
