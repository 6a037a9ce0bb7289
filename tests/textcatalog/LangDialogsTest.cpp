#include "platform/CodePage.h"
#include "runtime/Exception.h"
#include "runtime/MulDiv.h"
#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/uDefStrings.h"
#include "textcatalog/uLangDialogs.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Screen.h"
#include "ui/headless/HeadlessBackend.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// Headless metrics: the form's 8-point font is 6 pixels per character and 13 per line, so the
// layout quantities are margins 12 and 13, spacings 15 and 16, buttons at least 75 by 23 with 6
// between them. A dialog frame adds 3 pixels left, right and below and 26 above.
class LangDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        FillDefStrings();
        CreateBabelFishAdmin();
        BabelFishAdmin()->SelectLanguage("ENU");
        SetHeadlessScreenSize({1024, 768});
        ButtonWidthCache().fill(0);
        HeadlessMessageBoxes().clear();
    }
    void TearDown() override {
        FreeBabelFishAdmin();
        ClearDefStrings();
    }
    static std::unique_ptr<TMessageForm> Build(const AnsiString& text, TLangDlgType type,
                                               TLangDlgButtons buttons) {
        return std::unique_ptr<TMessageForm>(CreateLangMessageForm(text, type, buttons));
    }
    static TButton* ButtonOf(TForm& form, const char* name) {
        return dynamic_cast<TButton*>(form.FindComponent(name));
    }
};

const AnsiString kMailFailure = "E-Mail not sended (Status code -1).";

TEST(MulDivRounding, HalvesGoAwayFromZero) {
    EXPECT_EQ(MulDiv(10, 13, 8), 16); // 16.25
    EXPECT_EQ(MulDiv(14, 13, 8), 23); // 22.75
    EXPECT_EQ(MulDiv(1, 5, 2), 3);    // 2.5
    EXPECT_EQ(MulDiv(-1, 5, 2), -3);  // -2.5
    EXPECT_EQ(MulDiv(1, 5, -2), -3);
    EXPECT_EQ(MulDiv(1 << 30, 8, 4), -1); // does not fit
    EXPECT_EQ(MulDiv(3, 4, 0), -1);
}

TEST_F(LangDialogs, MailFailureDialogHasTheComputedLayout) {
    auto form = Build(kMailFailure, dtError, LangDlgButtons({lbOK}));
    EXPECT_EQ(form->Caption(), "Error");
    EXPECT_EQ(form->ClientWidth(), 210 + 15 + 32 + 2 * 12);
    EXPECT_EQ(form->ClientHeight(), 32 + 23 + 16 + 2 * 13);
    EXPECT_EQ(form->Left(), 512 - (281 + 6) / 2);
    EXPECT_EQ(form->Top(), 384 - (97 + 29) / 2);
    EXPECT_TRUE(form->KeyPreview());
    EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::Dialog);

    auto* image = dynamic_cast<TImage*>(form->FindComponent("Image"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->StockIcon(), TStockIcon::Error);
    EXPECT_EQ(image->BoundsRect(), (TRect{12, 13, 12 + 32, 13 + 32}));
    ASSERT_NE(form->Message, nullptr);
    EXPECT_EQ(form->Message->Name(), "Message");
    EXPECT_TRUE(form->Message->WordWrap());
    EXPECT_EQ(form->Message->BoundsRect(), (TRect{59, 13, 59 + 210, 13 + 13}));

    TButton* ok = ButtonOf(*form, "OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->Caption(), "OK");
    EXPECT_EQ(ok->BoundsRect(), (TRect{103, 61, 103 + 75, 61 + 23}));
    EXPECT_TRUE(ok->Default());
    EXPECT_TRUE(ok->Cancel());
    EXPECT_EQ(ok->ModalResult(), mrOk);
    EXPECT_EQ(form->ActiveControl(), ok);
    EXPECT_EQ(ButtonWidthCache()[lbOK], 2 * 6 + 8);
}

TEST_F(LangDialogs, RightToLeftMessageMirrorsItsLeftEdgeOnly) {
    Application().BiDiMode = TBiDiMode::RightToLeft;
    auto rightToLeft = Build(kMailFailure, dtError, LangDlgButtons({lbOK}));
    Application().BiDiMode = TBiDiMode::RightToLeftReadingOnly;
    auto readingOnly = Build(kMailFailure, dtError, LangDlgButtons({lbOK}));
    Application().BiDiMode = TBiDiMode::LeftToRight;
    EXPECT_EQ(rightToLeft->Message->BoundsRect(), (TRect{281 - 59 - 210, 13, 281 - 59, 13 + 13}));
    EXPECT_EQ(readingOnly->Message->BoundsRect(), (TRect{59, 13, 59 + 210, 13 + 13}));
    EXPECT_EQ(ButtonOf(*rightToLeft, "OK")->BoundsRect(), (TRect{103, 61, 103 + 75, 61 + 23}));
}

TEST_F(LangDialogs, LongMessageWrapsAtHalfTheScreenWidthAndGrowsInHeight) {
    AnsiString text;
    for (int i = 0; i < 40; ++i) {
        text += "Lichtraumprofil ";
    }
    auto form = Build(text, dtWarning, LangDlgButtons({lbOK}));
    EXPECT_LE(form->Message->Width(), 512);
    EXPECT_GT(form->Message->Width(), 400);
    EXPECT_EQ(form->Message->Height() % 13, 0);
    EXPECT_GE(form->Message->Height(), 4 * 13);
    EXPECT_EQ(form->ClientHeight(), form->Message->Height() + 23 + 16 + 26);
}

TEST_F(LangDialogs, ButtonSetsChooseDefaultAndCancelByTheirRules) {
    struct Case {
        TLangDlgButtons Buttons;
        const char* Default; // null: none
        const char* Cancel;
        std::vector<const char*> Order;
    };
    const Case cases[] = {
        {LangDlgButtons({lbYes, lbNo}), "Yes", "No", {"Yes", "No"}},
        {LangDlgButtons({lbAbort, lbIgnore}), nullptr, nullptr, {"Abort", "Ignore"}},
        {LangDlgButtons({lbRetry, lbCancel}), "Retry", "Cancel", {"Cancel", "Retry"}},
        {LangDlgButtons({lbHelp, lbOK, lbCancel, lbYes}),
         "OK",
         "Cancel",
         {"Yes", "OK", "Cancel", "Help"}},
        {static_cast<TLangDlgButtons>(0xF800 | LangDlgButtons({lbNo})), nullptr, "No", {"No"}},
    };
    for (const Case& c : cases) {
        auto form = Build("?", dtConfirmation, c.Buttons);
        std::vector<const char*> order;
        int lastLeft = -1;
        for (int i = 0; i < form->ComponentCount(); ++i) {
            if (auto* button = dynamic_cast<TButton*>(form->Components(i))) {
                EXPECT_GT(button->Left(), lastLeft);
                lastLeft = button->Left();
                EXPECT_EQ(button->Default(), c.Default && button->Name() == c.Default)
                    << button->Name();
                EXPECT_EQ(button->Cancel(), c.Cancel && button->Name() == c.Cancel)
                    << button->Name();
                order.push_back(c.Order.at(order.size()));
                EXPECT_EQ(button->Name(), order.back());
            }
        }
        EXPECT_EQ(order.size(), c.Order.size());
    }
}

TEST_F(LangDialogs, EmptySetAndCustomType) {
    Application().Title = "VEXA Mail";
    auto custom = Build("Nur Text", dtCustom, 0);
    EXPECT_EQ(custom->Caption(), "VEXA Mail");
    EXPECT_EQ(custom->FindComponent("Image"), nullptr);
    EXPECT_EQ(custom->ComponentCount(), 1);
    EXPECT_EQ(custom->ClientWidth(), 8 * 6 + 2 * 12);
    EXPECT_EQ(custom->Message->Left(), 12);
    EXPECT_EQ(custom->ClientHeight(), 13 + 23 + 16 + 2 * 13);
}

TEST_F(LangDialogs, WidthCacheSurvivesAChangeOfLanguage) {
    Build("x", dtInformation, LangDlgButtons({lbCancel}));
    EXPECT_EQ(ButtonWidthCache()[lbCancel], 6 * 6 + 8); // "Cancel"
    BabelFishAdmin()->SelectLanguage("DEU");
    auto german = Build("x", dtInformation, LangDlgButtons({lbCancel}));
    EXPECT_EQ(ButtonOf(*german, "Cancel")->Caption(), "Abbrechen");
    EXPECT_EQ(ButtonWidthCache()[lbCancel], 6 * 6 + 8);
    EXPECT_EQ(german->Caption(), "Information");
}

TEST_F(LangDialogs, ResultsOfKeysButtonsAndTheCloseCommand) {
    struct Case {
        TLangDlgButtons Buttons;
        std::function<void(TMessageForm&)> Act;
        TModalResult Expected;
    };
    const Case cases[] = {
        {LangDlgButtons({lbOK}), [](TMessageForm& f) { HeadlessPressKey(f, kKeyReturn); }, mrOk},
        {LangDlgButtons({lbOK}), [](TMessageForm& f) { HeadlessPressKey(f, kKeyEscape); }, mrOk},
        {LangDlgButtons({lbOK}), [](TMessageForm& f) { HeadlessCloseCommand(f); }, mrCancel},
        {LangDlgButtons({lbYes, lbNo}), [](TMessageForm& f) { HeadlessPressKey(f, kKeyEscape); },
         mrNo},
        {LangDlgButtons({lbYes, lbNo, lbYesToAll}),
         [](TMessageForm& f) { HeadlessClick(*ButtonOf(f, "YesToAll")); }, mrYesToAll},
    };
    for (const Case& c : cases) {
        PostHeadlessEvent([&c] {
            auto* dialog = dynamic_cast<TMessageForm*>(Screen().ActiveForm());
            ASSERT_NE(dialog, nullptr);
            c.Act(*dialog);
        });
        EXPECT_EQ(ShowLangMessage(kMailFailure, dtError, c.Buttons, 0), c.Expected);
    }
    EXPECT_EQ(Screen().ActiveForm(), nullptr);
}

TEST_F(LangDialogs, HelpButtonAsksForContextHelpAndKeepsTheDialogOpen) {
    std::vector<int> asked;
    Application().OnHelp = [&asked](int context) {
        asked.push_back(context);
        return true;
    };
    bool stillOpen = false;
    PostHeadlessEvent([] {
        auto* dialog = dynamic_cast<TMessageForm*>(Screen().ActiveForm());
        ASSERT_NE(dialog, nullptr);
        HeadlessClick(*ButtonOf(*dialog, "Help"));
    });
    PostHeadlessEvent([&stillOpen] {
        auto* dialog = dynamic_cast<TMessageForm*>(Screen().ActiveForm());
        stillOpen = dialog != nullptr;
        if (dialog) {
            HeadlessPressKey(*dialog, kKeyReturn);
        }
    });
    EXPECT_EQ(ShowLangMessage("?", dtInformation, LangDlgButtons({lbOK, lbHelp}), 4711), mrOk);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(asked, std::vector<int>{4711});
    Application().OnHelp = nullptr;
}

TEST_F(LangDialogs, PlacedAtXAndYOrCentred) {
    auto* centred = Build("x", dtError, LangDlgButtons({lbOK})).release();
    const int top = centred->Top();
    TPosition position = TPosition::Designed;
    PostHeadlessEvent([&position] {
        position = Screen().ActiveForm()->Position();
        HeadlessPressKey(*Screen().ActiveForm(), kKeyReturn);
    });
    RunLangMessageForm(centred, 0, -1, -1, "");
    EXPECT_EQ(position, TPosition::ScreenCenter);

    auto* placed = Build("x", dtError, LangDlgButtons({lbOK})).release();
    int left = 0;
    int placedTop = 0;
    PostHeadlessEvent([&] {
        left = Screen().ActiveForm()->Left();
        placedTop = Screen().ActiveForm()->Top();
        HeadlessPressKey(*Screen().ActiveForm(), kKeyReturn);
    });
    EXPECT_EQ(RunLangMessageForm(placed, 0, 10, -1, ""), mrOk);
    EXPECT_EQ(left, 10);
    EXPECT_EQ(placedTop, top);
}

TEST_F(LangDialogs, CtrlCCopiesTheDialogAsText) {
    auto form = Build(kMailFailure, dtError, LangDlgButtons({lbOK}));
    const AnsiString expected = "---------------------------\r\n"
                                "Error\r\n"
                                "---------------------------\r\n"
                                "E-Mail not sended (Status code -1).\r\n"
                                "---------------------------\r\n"
                                "OK   \r\n"
                                "---------------------------\r\n";
    EXPECT_EQ(form->BuildDialogText(), expected);
    const int beeps = HeadlessBeepCount();
    TKeyCode key = 'C';
    form->HandleDialogKey(*form, key, ssCtrl);
    EXPECT_EQ(HeadlessBeepCount(), beeps + 1);
    EXPECT_EQ(HeadlessClipboardText(), expected);

    key = 'C';
    form->HandleDialogKey(*form, key, ssCtrl | ssShift); // not exactly Ctrl: nothing
    EXPECT_EQ(HeadlessBeepCount(), beeps + 1);

    SetHeadlessClipboardBusy(true);
    try {
        form->HandleDialogKey(*form, key = 'C', ssCtrl);
        FAIL() << "no error raised";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), Utf8ToAnsi("Zwischenablage kann nicht geöffnet werden"));
    }
    SetHeadlessClipboardBusy(false);
}

TEST_F(LangDialogs, ButtonLineLosesItsAccelerators) {
    auto form = Build("x", dtCustom, LangDlgButtons({lbYes, lbNo}));
    ButtonOf(*form, "Yes")->SetCaption("&Ja");
    EXPECT_NE(form->BuildDialogText().find("\r\nJa   No   \r\n"), AnsiString::npos);
}

} // namespace
