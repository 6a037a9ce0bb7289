#include "ui/Form.h"

#include "runtime/Exception.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Screen.h"
#include "ui/backend/Services.h"

#include <algorithm>
#include <vector>

TForm::TForm(const TFormCreation& creation) : TWinControl(creation.Owner()) {
    BeginLoading();
    InitVisible(false);
    SetParentFont(false);
    SetColor(clBtnFace);
    Screen().AddForm(*this);
}

TForm::~TForm() {
    // The owned components go while the form is still whole, so that they may still ask it.
    Destroying();
    DestroyComponents();
    Screen().RemoveForm(*this);
}

void TForm::FinishCreation() {
    EndLoading();
    Constructed();
    if (OnCreate) {
        // A failing creation handler leaves the form as far as it got; the failure is shown.
        Application().Dispatch([this] { OnCreate(*this); });
    }
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    if (style != FBorderStyle) {
        FBorderStyle = style;
        Changed(TPeerChange::Content);
    }
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    if (icons != FBorderIcons) {
        FBorderIcons = icons;
        Changed(TPeerChange::Content);
    }
}

void TForm::SetWindowState(TWindowState state) {
    if (state != FWindowState) {
        FWindowState = state;
        Changed(TPeerChange::Content);
    }
}

void TForm::BoundsChanged(bool sizeChanged) {
    if (FWindowState == TWindowState::Normal) {
        FNormalBounds = BoundsRect();
    }
    TWinControl::BoundsChanged(sizeChanged);
}

void TForm::SetVisible(bool visible) {
    if (visible == Visible()) {
        return;
    }
    if (visible) {
        HandleNeeded();
        if (!FPlaced) {
            PlaceOnFirstShow();
            FPlaced = true;
        }
        InitVisible(true);
        Changed(TPeerChange::Visible);
        Screen().SetActiveForm(this);
        if (FActiveControl && FActiveControl->CanFocus()) {
            if (Peer() && FActiveControl->Peer()) {
                FActiveControl->Peer()->SetFocus();
            }
        } else {
            FActiveControl = nullptr;
            SelectNext(nullptr, true);
        }
    } else {
        InitVisible(false);
        Changed(TPeerChange::Visible);
        if (Screen().ActiveForm() == this) {
            Screen().SetActiveForm(nullptr);
        }
    }
}

void TForm::PlaceOnFirstShow() {
    auto centreOn = [this](const TRect& area) {
        SetBounds(area.Left + (area.Width() - Width()) / 2,
                  area.Top + (area.Height() - Height()) / 2, Width(), Height());
    };
    const TSize screen = PlatformScreenSize();
    const TRect screenRect{0, 0, screen.Width, screen.Height};
    switch (FPosition) {
    case TPosition::ScreenCenter:
        centreOn(screenRect);
        break;
    case TPosition::DesktopCenter:
        centreOn(PlatformWorkArea());
        break;
    case TPosition::MainFormCenter:
    case TPosition::OwnerFormCenter: {
        const TForm* over = FPosition == TPosition::MainFormCenter
                                ? Application().MainForm()
                                : dynamic_cast<const TForm*>(Owner());
        centreOn(over && over != this ? over->BoundsRect() : screenRect);
        break;
    }
    default: // designed, or the window system's choice
        break;
    }
}

TModalResult TForm::ShowModal() {
    if (Visible() || FModal) {
        throw Exception("Cannot make a visible window modal");
    }
    TForm* const previous = Screen().ActiveForm();
    FModal = true;
    FModalResult = mrNone;
    Changed(TPeerChange::Content);
    // Whatever ends the loop, the form leaves its modal state and the previous form is active.
    struct Restore {
        TForm& Form;
        TForm* Previous;
        ~Restore() {
            Form.Hide();
            Form.FModal = false;
            Form.Changed(TPeerChange::Content);
            if (Previous && Screen().IndexOf(*Previous) >= 0) {
                Screen().SetActiveForm(Previous);
            }
        }
    } restore{*this, previous};
    Show();
    RunModalLoop(*this);
    if (FModalResult == mrNone) {
        FModalResult = mrCancel; // the application ended the loop
    }
    return FModalResult;
}

void TForm::Close() {
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (Application().MainForm() == this) {
        Application().Terminate();
        return;
    }
    Hide();
}

void TForm::SetActiveControl(TWinControl* control) {
    if (control == FActiveControl) {
        return;
    }
    if (control && control->ParentForm() != this) {
        throw Exception("Invalid property value: the control lies on another form");
    }
    FActiveControl = control;
    if (control && !FSyncingFocus && Visible() && control->Peer() && control->CanFocus()) {
        control->Peer()->SetFocus();
    }
}

bool TForm::SelectNext(TWinControl* current, bool forward) {
    std::vector<TWinControl*> order;
    GetTabOrderList(order);
    std::erase_if(order, [current](TWinControl* control) {
        return control != current && !(control->TabStop() && control->CanFocus());
    });
    if (order.empty() || (order.size() == 1 && order.front() == current)) {
        return false;
    }
    const auto found = std::find(order.begin(), order.end(), current);
    std::size_t index = 0;
    if (found == order.end()) {
        index = forward ? 0 : order.size() - 1;
    } else {
        const std::size_t at = static_cast<std::size_t>(found - order.begin());
        index = forward ? (at + 1) % order.size() : (at + order.size() - 1) % order.size();
    }
    SetActiveControl(order[index]);
    return true;
}

TRect TForm::BorderInsets() const {
    return PlatformFrameInsets(*this);
}

bool TForm::KeyDown(TKeyCode key, TShiftState shift) {
    if (FKeyPreview && OnKeyDown) {
        OnKeyDown(*this, key, shift);
        if (key == 0) {
            return true;
        }
    }
    if (FActiveControl && FActiveControl->WantsKey(key, shift)) {
        return false;
    }
    return DialogKey(key, shift);
}

bool TForm::DialogKey(TKeyCode key, TShiftState shift) {
    if (key == kKeyTab && (shift & (ssCtrl | ssAlt)) == 0) {
        SelectNext(FActiveControl, (shift & ssShift) == 0);
        return true;
    }
    if (key != kKeyReturn && key != kKeyEscape) {
        return false;
    }
    // Enter clicks the focused push button, or else the default button; Escape the cancel
    // button.
    auto* const focusedButton = dynamic_cast<TButton*>(FActiveControl);
    std::vector<TWinControl*> controls;
    GetTabOrderList(controls);
    for (TWinControl* control : controls) {
        auto* const button = dynamic_cast<TButton*>(control);
        if (!button || !button->CanClick()) {
            continue;
        }
        const bool takes = key == kKeyReturn
                               ? button == focusedButton || (!focusedButton && button->Default())
                               : button->Cancel();
        if (takes) {
            button->Click();
            return true;
        }
    }
    return false;
}

void TForm::PlatformResized(int clientWidth, int clientHeight) {
    if (clientWidth != ClientWidth() || clientHeight != ClientHeight()) {
        SetClientSize(clientWidth, clientHeight);
    }
}

void TForm::PlatformMoved(int left, int top) {
    if (left != Left() || top != Top()) {
        SetBounds(left, top, Width(), Height());
    }
}

void TForm::PlatformFocusChanged(TWinControl* control) {
    FSyncingFocus = true;
    try {
        SetActiveControl(control);
    } catch (...) {
        FSyncingFocus = false;
        throw;
    }
    FSyncingFocus = false;
}

void TForm::PlatformActivated() {
    Screen().SetActiveForm(this);
}

void TForm::ControlRemoving(TControl& control) {
    for (const TControl* active = FActiveControl; active; active = active->Parent()) {
        if (active == &control) {
            FActiveControl = nullptr;
            return;
        }
    }
}
