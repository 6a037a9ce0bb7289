#include "shell/SendMapiMail.h"

#include "platform/Environment.h"
#include "platform/ProgramPath.h"
#include "platform/SimpleMapi.h"
#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/uDefStrings.h"
#include "textcatalog/uLangDialogs.h"
#include "ui/Label.h"
#include "ui/Screen.h"
#include "ui/headless/HeadlessBackend.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The program finds the mail library by name. Each test puts the provider it needs where the
// loader looks first: on Windows beside the program, elsewhere in the folder that
// LD_LIBRARY_PATH names first.
class SendMapiMailTest : public ::testing::Test {
protected:
    void SetUp() override {
        FillDefStrings();
        CreateBabelFishAdmin();
        BabelFishAdmin()->SelectLanguage("ENU");
        fs::remove(ProviderFile());
        // Beside the provider: one build folder, one record, however many builds run at once.
        FRecord = ProviderFolder().parent_path() / "mapi-record.txt";
        fs::remove(FRecord);
        WriteEnvironmentVariable("VEXA_TEST_MAPI_RECORD", FRecord.string());
        WriteEnvironmentVariable("VEXA_TEST_MAPI_STATUS", std::nullopt);
    }
    void TearDown() override {
        fs::remove(ProviderFile());
        fs::remove(FRecord);
        FreeBabelFishAdmin();
        ClearDefStrings();
    }
    static fs::path ProviderFolder() {
#ifdef _WIN32
        return fs::path(ProgramFileName()).parent_path();
#else
        return MAIL_PROVIDER_DIR;
#endif
    }
    static fs::path ProviderFile() {
        return ProviderFolder() / MailLibraryName();
    }
    static void UseProvider(const char* library) {
        fs::copy_file(library, ProviderFile(), fs::copy_options::overwrite_existing);
    }
    std::string Recorded() const {
        std::ifstream in(FRecord);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    fs::path FRecord;
};

TEST_F(SendMapiMailTest, FillsTheRecordsAsTheMailClientExpectsThem) {
    UseProvider(RECORDING_PROVIDER);
    EXPECT_EQ(SendMapiMail("Anfrage", "Text", "", "", "", "", "support@brenik.example"), 0);
    EXPECT_EQ(Recorded(), "session=0 parent=0 flags=9 reserved=0\n"
                          "subject=Anfrage\n"
                          "body=Text\n"
                          "type=(null)\n"
                          "date=(null)\n"
                          "conversation=(null)\n"
                          "reserved=0 flags=0\n"
                          "sender=(none)\n"
                          "recipients=1\n"
                          "recipient.class=1\n"
                          "name=support@brenik.example\n"
                          "address=SMTP:support@brenik.example\n"
                          "eid=0 null\n"
                          "files=0\n");
}

TEST_F(SendMapiMailTest, EmptyTextsAreNullAndEveryOptionalPartIsFilledWhenGiven) {
    UseProvider(RECORDING_PROVIDER);
    EXPECT_EQ(SendMapiMail("", "", "/tmp/profil.txt", "", "ich@brenik.example", "Support",
                           "support@brenik.example"),
              0);
    EXPECT_EQ(Recorded(), "session=0 parent=0 flags=9 reserved=0\n"
                          "subject=(null)\n"
                          "body=(null)\n"
                          "type=(null)\n"
                          "date=(null)\n"
                          "conversation=(null)\n"
                          "reserved=0 flags=0\n"
                          "sender.class=0\n"
                          "name=ich@brenik.example\n"
                          "address=SMTP:ich@brenik.example\n"
                          "eid=0 null\n"
                          "recipients=1\n"
                          "recipient.class=1\n"
                          "name=Support\n"
                          "address=SMTP:support@brenik.example\n"
                          "eid=0 null\n"
                          "files=1\n"
                          "position=FFFFFFFF flags=0\n"
                          "path=/tmp/profil.txt\n"
                          "file=(null)\n");

    EXPECT_EQ(SendMapiMail("s", "b", "", "", "", "", ""), 0);
    EXPECT_NE(Recorded().find("recipients=0\nrecipient=(none)\n"), std::string::npos);
}

TEST_F(SendMapiMailTest, EveryFailureIsShownWithItsStatusAndReturned) {
    struct Case {
        const char* Provider; // null: no mail library at all
        const char* Status;
        std::int32_t Expected;
    };
    const Case cases[] = {
        {nullptr, nullptr, -1},       {EMPTY_PROVIDER, nullptr, 1},
        {RECORDING_PROVIDER, "1", 1}, // the user cancelled
        {RECORDING_PROVIDER, "2", 2}, {RECORDING_PROVIDER, "25", 25},
    };
    for (const Case& c : cases) {
        fs::remove(ProviderFile());
        if (c.Provider) {
            UseProvider(c.Provider);
        }
        if (c.Status) {
            WriteEnvironmentVariable("VEXA_TEST_MAPI_STATUS", c.Status);
        }
        std::string shown = "(no dialog)";
        PostHeadlessEvent([&shown] {
            auto* dialog = dynamic_cast<TMessageForm*>(Screen().ActiveForm());
            ASSERT_NE(dialog, nullptr);
            shown = dialog->Caption() + "|" + dialog->Message->Caption();
            EXPECT_EQ(dialog->ComponentCount(), 3); // icon, message, OK
            HeadlessPressKey(*dialog, kKeyReturn);
        });
        EXPECT_EQ(SendMapiMail("s", "b", "", "", "", "", "a@brenik.example"), c.Expected);
        EXPECT_EQ(shown,
                  "Error|E-Mail not sended (Status code " + std::to_string(c.Expected) + ").");
    }
}

} // namespace
