#include "shell/PreparedMailForm.h"

#include "platform/CodePage.h"
#include "platform/DynamicLibrary.h"
#include "platform/SimpleMapi.h"
#include "shell/MailContent.h"
#include "shell/ProgramVersion.h"
#include "shell/StartupSequence.h"
#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/uDefStrings.h"
#include "ui/Application.h"
#include "ui/Screen.h"
#include "ui/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace {

// A catalog of another language, current before the window is created.
class TOtherCatalog : public TBabelFish {
public:
    using TBabelFish::GetLocale;
    using TBabelFish::GetString;
    WideString GetString(TTextId) override { return u"other"; }
    WideString GetLocale() override { return u"XXX"; }
};

class PreparedMailForm : public ::testing::Test {
protected:
    void SetUp() override {
        FillDefStrings();
        CreateBabelFishAdmin();
    }
    void TearDown() override {
        Application().DestroyComponents();
        FreeBabelFishAdmin();
        ClearDefStrings();
    }
    TPreparedMailForm& Create() {
        Form = Application().CreateForm<TPreparedMailForm>();
        return *Form;
    }
    TPreparedMailForm* Form = nullptr;
};

AnsiString Ansi(const char* utf8) {
    return Utf8ToAnsi(utf8);
}

TEST_F(PreparedMailForm, IsEnglishAfterCreationWhateverLanguageWasCurrent) {
    BabelFishAdmin()->SetCurrent(MakeIntf<TOtherCatalog>());
    TPreparedMailForm& form = Create();
    EXPECT_EQ(BabelFishAdmin()->GetLocale(), u"ENU");
    EXPECT_EQ(form.Caption(), Ansi("VEXA – Message to support"));
    EXPECT_EQ(form.grphRecipient->Caption(), "Recipient");
    EXPECT_EQ(form.grphSubject->Caption(), "Subject");
    EXPECT_EQ(form.grphBody->Caption(), "Message");
    EXPECT_EQ(form.edRecipient->Text(), "support@brenik.example");
    EXPECT_EQ(form.edSubject->Text(), "Request to VEXA support");
    EXPECT_EQ(form.btnOk->Caption(), "OK");
    EXPECT_EQ(form.btnMapi->Hint(), "Send the message with your own e-mail program");
    EXPECT_TRUE(form.btnMapi->ShowHint());
    EXPECT_EQ(form.memoBody->Lines(), SplitLines(MailBody(kBodyShownId)));
    ASSERT_GE(form.memoBody->Lines().size(), 4u);
    EXPECT_EQ(form.memoBody->Lines()[0], "Dear VEXA support team,");
}

TEST_F(PreparedMailForm, BodiesCarryTheVersionAndTheDateAndTheSentOneAsksForTheQuestion) {
    BabelFishAdmin()->SelectLanguage("ENU");
    const AnsiString shown = MailBody(kBodyShownId, "VEXA Mail 1.0", "2024-05-06");
    EXPECT_NE(shown.find("\r\rVEXA Mail 1.0\r\rDate: 2024-05-06\r\r"), AnsiString::npos);
    ASSERT_FALSE(ProgramVersionText().empty());
    EXPECT_NE(MailBody(kBodyShownId).find("\r\r" + ProgramVersionText() + "\r\r"),
              AnsiString::npos);
    const TPreparedMail mail = PreparedMail();
    EXPECT_EQ(mail.Subject, "Request to VEXA support");
    EXPECT_EQ(mail.Recipient, "support@brenik.example");
    EXPECT_NE(mail.Body.find("My question:\r\n"), AnsiString::npos);
    EXPECT_NE(mail.Body.find("Date: " + TodayText() + "\r\n"), AnsiString::npos);
    EXPECT_EQ(TodayText().size(), 10u);
    BabelFishAdmin()->SelectLanguage("DEU");
    EXPECT_NE(MailBody(kBodySentId).find("Meine Frage:"), AnsiString::npos);
}

TEST_F(PreparedMailForm, LaysOutTheDesignedControls) {
    TPreparedMailForm& form = Create();
    EXPECT_EQ(form.ClientWidth(), 554);
    EXPECT_EQ(form.ClientHeight(), 290);
    EXPECT_EQ(form.Position(), TPosition::ScreenCenter);
    EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::Sizeable);
    EXPECT_TRUE(form.HandleAllocated()); // building the body field created it
    struct Row {
        TControl* Control;
        TWinControl* Parent;
        TRect Bounds;
    };
    const Row rows[] = {
        {form.grphRecipient, &form, MakeBounds(0, 0, 554, 17)},
        {form.pnRecepient, &form, MakeBounds(0, 17, 554, 41)},
        {form.grphSubject, &form, MakeBounds(0, 58, 554, 17)},
        {form.pnSubject, &form, MakeBounds(0, 75, 554, 41)},
        {form.grphBody, &form, MakeBounds(0, 116, 554, 17)},
        {form.pnBody, &form, MakeBounds(0, 133, 554, 116)},
        {form.pnButtons, &form, MakeBounds(0, 249, 554, 41)},
        {form.edRecipient, form.pnRecepient, MakeBounds(8, 6, 537, 21)},
        {form.edSubject, form.pnSubject, MakeBounds(8, 6, 537, 21)},
        {form.memoBody, form.pnBody, MakeBounds(8, 0, 537, 111)},
        {form.btnOk, form.pnButtons, MakeBounds(232, 6, 90, 25)},
        {form.btnMapi, form.pnButtons, MakeBounds(8, 1, 36, 36)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.Control->BoundsRect(), row.Bounds) << row.Control->Name();
        EXPECT_EQ(row.Control->Parent(), row.Parent) << row.Control->Name();
    }
    // Declaration order is ownership order.
    const char* names[] = {"grphRecipient", "pnRecepient", "grphBody",    "pnBody",
                           "edRecipient",   "memoBody",    "grphSubject", "pnSubject",
                           "edSubject",     "pnButtons",   "btnOk",       "btnMapi"};
    ASSERT_EQ(form.ComponentCount(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(form.Components(i)->Name(), names[i]);
    }
    EXPECT_TRUE(form.edRecipient->ReadOnly());
    EXPECT_TRUE(form.memoBody->ReadOnly());
    EXPECT_EQ(form.memoBody->ScrollBars(), TScrollStyle::Vertical);
    EXPECT_EQ(form.edSubject->Color(), clInfoBk);
    EXPECT_EQ(form.memoBody->Color(), clInfoBk);
    EXPECT_EQ(form.pnRecepient->Border(), TPanelBorder::Flat);
    EXPECT_EQ(form.pnButtons->Border(), TPanelBorder::None);
    EXPECT_TRUE(form.btnOk->Default());
    EXPECT_EQ(form.btnOk->ModalResult(), mrOk);
    EXPECT_EQ(form.btnMapi->Picture().Width, 32);
    EXPECT_EQ(form.grphBody->Font().Name, "Tahoma"); // the headers keep their own font
    EXPECT_TRUE(form.edRecipient->ParentFont());
}

TEST_F(PreparedMailForm, ResizingKeepsHeadersAndFieldsAndCentresOkWithTruncatingDivision) {
    TPreparedMailForm& form = Create();
    HeadlessResize(form, 1000, 500);
    EXPECT_EQ(form.pnBody->BoundsRect(), MakeBounds(0, 133, 1000, 326));
    EXPECT_EQ(form.edRecipient->BoundsRect(), MakeBounds(8, 6, 983, 21));
    EXPECT_EQ(form.memoBody->BoundsRect(), MakeBounds(8, 0, 983, 321));
    EXPECT_EQ(form.pnButtons->Top(), 459);
    EXPECT_EQ(form.btnMapi->Left(), 8);
    const std::pair<int, int> cases[] = {{1000, 455}, {554, 232}, {89, 0}, {88, -1}, {60, -15}};
    for (const auto& [width, left] : cases) {
        HeadlessResize(form, width, 290);
        EXPECT_EQ(form.btnOk->Left(), left) << width;
    }
}

TEST_F(PreparedMailForm, SendButtonIsGreyedWithoutTheMailLibrary) {
    if (TDynamicLibrary(MailLibraryName()).Loaded()) {
        GTEST_SKIP() << "this system provides " << MailLibraryName();
    }
    TPreparedMailForm& form = Create();
    EXPECT_FALSE(form.btnMapi->Enabled());
    form.Show();
    EXPECT_FALSE(form.btnMapi->CanClick());
    HeadlessClick(*form.btnOk); // OK still closes the window
    EXPECT_TRUE(Application().Terminated());
}

TEST_F(PreparedMailForm, TabCyclesAddresseeSubjectBodyOkAndTheSendButtonTakesNoFocus) {
    TPreparedMailForm& form = Create();
    form.Show();
    std::vector<TControl*> order{form.ActiveControl()};
    for (int i = 0; i < 4; ++i) {
        HeadlessPressKey(form, kKeyTab);
        order.push_back(form.ActiveControl());
    }
    EXPECT_EQ(order, (std::vector<TControl*>{form.edRecipient, form.edSubject, form.memoBody,
                                             form.btnOk, form.edRecipient}));
    EXPECT_EQ(dynamic_cast<TWinControl*>(static_cast<TControl*>(form.btnMapi)), nullptr);
}

TEST_F(PreparedMailForm, EnterClosesTheWindowFromTheSingleLineFieldsButNotFromTheBody) {
    TPreparedMailForm& form = Create();
    form.Show();
    form.memoBody->SetFocus();
    EXPECT_FALSE(HeadlessPressKey(form, kKeyReturn));
    EXPECT_FALSE(Application().Terminated());
    form.edSubject->SetFocus();
    EXPECT_TRUE(HeadlessPressKey(form, kKeyReturn));
    EXPECT_TRUE(Application().Terminated());
}

TEST_F(PreparedMailForm, EnterInTheAddresseeFieldEndsTheProgramThroughTheWholeShutdown) {
    TearDown(); // the program brings everything up itself
    HeadlessMessageBoxes().clear();
    PostHeadlessEvent([] {
        auto& form = static_cast<TPreparedMailForm&>(*Application().MainForm());
        EXPECT_EQ(form.ActiveControl(), form.edRecipient);
        HeadlessPressKey(form, kKeyReturn);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(HeadlessMessageBoxes().empty());
    EXPECT_EQ(Application().MainForm(), nullptr);
    EXPECT_EQ(Screen().FormCount(), 0);
    EXPECT_EQ(BabelFishAdmin(), nullptr);
    SetUp();
}

} // namespace
