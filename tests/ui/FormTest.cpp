#include "runtime/Exception.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Panel.h"
#include "ui/Screen.h"
#include "ui/WindowPlacement.h"
#include "ui/headless/HeadlessBackend.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string>& Steps() {
    static std::vector<std::string> steps;
    return steps;
}

class TStepForm : public TForm {
public:
    explicit TStepForm(const TFormCreation& creation) : TForm(creation) {
        Steps().push_back(InState(csLoading) ? "design loading" : "design");
        OnCreate = [](TComponent& form) {
            Steps().push_back(form.InState(csLoading) ? "create loading" : "create");
        };
    }

protected:
    void Constructed() override { Steps().push_back("constructed"); }
};

TEST(Form, IsDesignedWhileLoadingThenConstructedThenCreated) {
    Steps().clear();
    TComponent root(nullptr);
    TForm* form = CreateForm<TStepForm>(&root);
    EXPECT_EQ(Steps(), (std::vector<std::string>{"design loading", "constructed", "create"}));
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->HandleAllocated());
    EXPECT_EQ(Screen().Forms(Screen().FormCount() - 1), form);
    delete form;
    EXPECT_EQ(Screen().IndexOf(*form), -1);
}

class TFailingCreateForm : public TForm {
public:
    explicit TFailingCreateForm(const TFormCreation& creation) : TForm(creation) {
        OnCreate = [](TComponent&) {
            throw Exception("Kein Zugriff");
        };
    }
};

TEST(Form, AFailingCreationHandlerIsShownAndTheFormStays) {
    HeadlessMessageBoxes().clear();
    TComponent root(nullptr);
    TForm* form = CreateForm<TFailingCreateForm>(&root);
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(HeadlessMessageBoxes().size(), 1u);
    EXPECT_EQ(HeadlessMessageBoxes()[0].Text, "Kein Zugriff.");
}

// A dialog: two edits, a multi-line edit, a disabled edit and OK and Cancel buttons, in a panel
// that takes no focus of its own.
class TDialog : public TForm {
public:
    explicit TDialog(const TFormCreation& creation) : TForm(creation) {
        SetClientSize(300, 200);
        auto* panel = new TPanel(this);
        panel->SetParent(this);
        First = Add<TEdit>(panel);
        Second = Add<TEdit>(panel);
        Notes = Add<TMemo>(panel);
        Disabled = Add<TEdit>(panel);
        Disabled->SetEnabled(false);
        Ok = Add<TButton>(this);
        Ok->SetDefault(true);
        Ok->SetModalResult(mrOk);
        Cancel = Add<TButton>(this);
        Cancel->SetCancel(true);
        Cancel->SetModalResult(mrCancel);
        Ok->OnClick = [this](TComponent&) {
            ++OkClicks;
        };
    }
    template <class T>
    T* Add(TWinControl* parent) {
        T* control = new T(this);
        control->SetParent(parent);
        return control;
    }
    TEdit* First;
    TEdit* Second;
    TMemo* Notes;
    TEdit* Disabled;
    TButton* Ok;
    TButton* Cancel;
    int OkClicks = 0;
};

struct Dialog : ::testing::Test {
    TComponent Root{nullptr};
    TDialog* Form = CreateForm<TDialog>(&Root);
};

TEST_F(Dialog, TabCyclesThroughWhatCanTakeTheFocusInTabOrder) {
    Form->Show();
    EXPECT_EQ(Form->ActiveControl(), Form->First); // the first in tab order when shown
    std::vector<TWinControl*> seen;
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(HeadlessPressKey(*Form, kKeyTab));
        seen.push_back(Form->ActiveControl());
    }
    EXPECT_EQ(seen, (std::vector<TWinControl*>{Form->Second, Form->Notes, Form->Ok, Form->Cancel,
                                               Form->First}));
    HeadlessPressKey(*Form, kKeyTab, ssShift);
    EXPECT_EQ(Form->ActiveControl(), Form->Cancel);
    Form->Second->SetTabOrder(0);
    HeadlessPressKey(*Form, kKeyTab);
    EXPECT_EQ(Form->ActiveControl(), Form->Second);
}

TEST_F(Dialog, EnterClicksTheDefaultButtonUnlessTheFocusedControlTakesIt) {
    Form->Show();
    EXPECT_TRUE(HeadlessPressKey(*Form, kKeyReturn));
    EXPECT_EQ(Form->OkClicks, 1);
    EXPECT_EQ(Form->ModalResult(), mrOk);

    Form->Notes->SetFocus();
    EXPECT_FALSE(HeadlessPressKey(*Form, kKeyReturn)); // a new line in the memo
    EXPECT_EQ(Form->OkClicks, 1);

    Form->Cancel->SetFocus(); // a focused button takes Enter itself
    Form->SetModalResult(mrNone);
    EXPECT_TRUE(HeadlessPressKey(*Form, kKeyReturn));
    EXPECT_EQ(Form->ModalResult(), mrCancel);
    EXPECT_EQ(Form->OkClicks, 1);

    Form->First->SetFocus();
    Form->Ok->SetEnabled(false); // a disabled default button takes nothing
    EXPECT_FALSE(HeadlessPressKey(*Form, kKeyReturn));
}

TEST_F(Dialog, EscapeClicksTheCancelButtonAndKeyPreviewSeesKeysFirst) {
    Form->Show();
    Form->SetModalResult(mrNone);
    EXPECT_TRUE(HeadlessPressKey(*Form, kKeyEscape));
    EXPECT_EQ(Form->ModalResult(), mrCancel);

    std::vector<std::pair<TKeyCode, TShiftState>> previewed;
    Form->OnKeyDown = [&](TComponent&, TKeyCode& key, TShiftState shift) {
        previewed.emplace_back(key, shift);
        if (key == 'C') {
            key = 0;
        }
    };
    EXPECT_FALSE(HeadlessPressKey(*Form, 'C', ssCtrl)); // no key preview: not seen
    Form->SetKeyPreview(true);
    EXPECT_TRUE(HeadlessPressKey(*Form, 'C', ssCtrl));
    Form->SetModalResult(mrNone);
    EXPECT_TRUE(HeadlessPressKey(*Form, kKeyEscape));
    EXPECT_EQ(Form->ModalResult(), mrCancel);
    EXPECT_EQ(previewed,
              (std::vector<std::pair<TKeyCode, TShiftState>>{{'C', ssCtrl}, {kKeyEscape, 0}}));
}

TEST_F(Dialog, FocusSkipsWhatIsHiddenOrDisabledAndGoesWithIt) {
    Form->Show();
    EXPECT_THROW(Form->Disabled->SetFocus(), Exception);
    Form->Second->SetFocus();
    Form->Second->SetVisible(false);
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    Form->SelectNext(nullptr, true);
    EXPECT_EQ(Form->ActiveControl(), Form->First);
    delete Form->First;
    EXPECT_EQ(Form->ActiveControl(), nullptr);
}

TEST_F(Dialog, ShowModalEndsWithTheResultOfTheButtonClicked) {
    PostHeadlessEvent([this] { HeadlessClick(*Form->Ok); });
    EXPECT_EQ(Form->ShowModal(), mrOk);
    EXPECT_FALSE(Form->Visible());
    EXPECT_FALSE(Form->Modal());

    // A disabled button cannot be clicked; with nothing left to answer it the form is closed.
    Form->Ok->SetEnabled(false);
    PostHeadlessEvent([this] { HeadlessClick(*Form->Ok); });
    EXPECT_EQ(Form->ShowModal(), mrCancel);
    EXPECT_EQ(Form->OkClicks, 1);

    PostHeadlessEvent([this] { HeadlessCloseCommand(*Form); });
    EXPECT_EQ(Form->ShowModal(), mrCancel);

    Form->Show();
    EXPECT_THROW(Form->ShowModal(), Exception);
}

TEST(Application, TheFirstFormCreatedIsTheMainFormUntilItGoes) {
    TApplication application;
    TForm* main = application.CreateForm<TDialog>();
    TForm* second = application.CreateForm<TDialog>();
    EXPECT_EQ(application.MainForm(), main);
    EXPECT_EQ(application.Handle(), 0u); // no window yet
    delete main;
    EXPECT_EQ(application.MainForm(), nullptr);
    EXPECT_EQ(application.ComponentCount(), 1);
    EXPECT_EQ(application.Components(0), second);
    application.DestroyComponents();
    EXPECT_EQ(Screen().IndexOf(*second), -1);
}

TEST(Application, RunShowsTheMainFormCentredAndTerminateEndsTheLoop) {
    SetHeadlessScreenSize({1280, 1024});
    TDialog* form = Application().CreateForm<TDialog>();
    form->SetPosition(TPosition::ScreenCenter);
    bool ranAfterTerminate = false;
    PostHeadlessEvent([form] { form->Close(); }); // the main form's close terminates
    PostHeadlessEvent([&] { ranAfterTerminate = true; });
    Application().Run();
    EXPECT_TRUE(Application().Terminated());
    EXPECT_FALSE(ranAfterTerminate);
    EXPECT_TRUE(form->Visible());
    // Centred by its outer size: 300 by 200 inside a frame of 8, 31, 8 and 8.
    EXPECT_EQ(form->BoundsRect(), MakeBounds((1280 - 316) / 2, (1024 - 239) / 2, 316, 239));
    EXPECT_EQ(Application().Handle(), form->Handle());
    Application().DestroyComponents();
}

TEST(WindowPlacement, CarriesTheShowCommandAndTheNormalPosition) {
    TComponent root(nullptr);
    TForm* form = CreateForm<TDialog>(&root);
    form->SetBounds(10, 20, 300, 200);
    form->SetWindowState(TWindowState::Maximized);
    TWindowPlacement placement = GetWindowPlacement(*form);
    EXPECT_EQ(placement.Length, kWindowPlacementLength);
    EXPECT_EQ(placement.ShowCmd, unsigned(kShowMaximized));
    EXPECT_EQ(placement.NormalPosition, MakeBounds(10, 20, 300, 200));

    placement.ShowCmd = kShowNormal;
    placement.NormalPosition = MakeBounds(50, 60, 400, 300);
    EXPECT_TRUE(SetWindowPlacement(*form, placement));
    EXPECT_EQ(form->WindowState(), TWindowState::Normal);
    EXPECT_EQ(form->BoundsRect(), MakeBounds(50, 60, 400, 300));
    EXPECT_TRUE(form->Visible());

    placement.ShowCmd = kShowHide;
    EXPECT_TRUE(SetWindowPlacement(*form, placement));
    EXPECT_FALSE(form->Visible());

    placement.Length = 40;
    placement.NormalPosition = MakeBounds(0, 0, 10, 10);
    EXPECT_FALSE(SetWindowPlacement(*form, placement));
    EXPECT_EQ(form->BoundsRect(), MakeBounds(50, 60, 400, 300));
}

} // namespace
