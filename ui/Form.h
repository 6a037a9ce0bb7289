#pragma once

#include "ui/Control.h"

#include <functional>
#include <memory>

class TForm;

// Only CreateForm constructs forms, so that every form goes through the same steps: its
// constructor builds its design in the loading state, then CreateForm ends the loading, lets
// the class finish its construction (Constructed) and runs the creation handler.
class TFormCreation {
public:
    TComponent* Owner() const { return FOwner; }

private:
    explicit TFormCreation(TComponent* owner) : FOwner(owner) {}
    template <class T, class... Args>
    friend T* CreateForm(TComponent* owner, Args&&... args);

    TComponent* FOwner;
};

using TKeyEvent = std::function<void(TComponent& sender, TKeyCode& key, TShiftState shift)>;

// A top-level window.
class TForm : public TWinControl {
public:
    explicit TForm(const TFormCreation& creation);
    ~TForm() override;

    TControlKind Kind() const override { return TControlKind::Form; }

    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState state);
    // The bounds the form has, or last had, in the normal state.
    TRect NormalBounds() const { return FNormalBounds; }

    // With key preview the form's key-down handler sees each key before the focused control.
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool preview) { FKeyPreview = preview; }

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult result) { FModalResult = result; }
    bool Modal() const { return FModal; }

    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int context) { FHelpContext = context; }
    const AnsiString& HelpFile() const { return FHelpFile; }
    void SetHelpFile(AnsiString file) { FHelpFile = std::move(file); }

    TNotifyEvent OnCreate;
    TKeyEvent OnKeyDown;

    void SetVisible(bool visible) override;
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Shows the form, dispatches messages until it has a modal result, hides it again and
    // returns the result.
    TModalResult ShowModal();
    // A modal form ends with mrCancel; the main form ends the application; any other form hides.
    void Close();

    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    // Moves the focus to the next (or previous) control in tab order that can take it.
    bool SelectNext(TWinControl* current, bool forward);

    TRect BorderInsets() const override;

protected:
    void BoundsChanged(bool sizeChanged) override;
    // The last step of the construction, after the design and before the creation handler.
    virtual void Constructed() {}

private:
    friend class TControl;
    // What the window system reports reaches the form only through the backend's events.
    friend class TFormEvents;
    template <class T, class... Args>
    friend T* CreateForm(TComponent* owner, Args&&... args);

    // A key goes down while the form is active; true when the form used it, false when it is
    // the focused control's.
    bool KeyDown(TKeyCode key, TShiftState shift);
    void CloseCommand() { Close(); }
    void PlatformResized(int clientWidth, int clientHeight);
    void PlatformMoved(int left, int top);
    void PlatformFocusChanged(TWinControl* control);
    void PlatformActivated();

    void FinishCreation();
    void PlaceOnFirstShow();
    bool DialogKey(TKeyCode key, TShiftState shift);
    void ControlRemoving(TControl& control);

    TPosition FPosition = TPosition::Designed;
    TFormBorderStyle FBorderStyle = TFormBorderStyle::Sizeable;
    TBorderIcons FBorderIcons;
    TWindowState FWindowState = TWindowState::Normal;
    TRect FNormalBounds;
    bool FKeyPreview = false;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    bool FPlaced = false;
    bool FSyncingFocus = false;
    int FHelpContext = 0;
    AnsiString FHelpFile;
    TWinControl* FActiveControl = nullptr;
};

// Creates a form of class T, owned by Owner (by the caller when Owner is null).
template <class T, class... Args>
T* CreateForm(TComponent* owner, Args&&... args) {
    std::unique_ptr<T> form(new T(TFormCreation(owner), std::forward<Args>(args)...));
    form->FinishCreation();
    return form.release();
}
