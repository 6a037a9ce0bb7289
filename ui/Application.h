#pragma once

#include "runtime/Strings.h"
#include "ui/Component.h"
#include "ui/Form.h"
#include "ui/Types.h"

#include <exception>
#include <functional>

// The application object: owns the forms created through it, the first of them being the main
// form; runs the message loop and shows the failures that reach it.
class TApplication : public TComponent {
public:
    TApplication() : TComponent(nullptr) {}

    // Connects to the window system.
    void Initialize();
    bool Initialized() const { return FInitialized; }

    // The main window owns the taskbar button, not a hidden application window.
    bool MainFormOnTaskBar = false;
    AnsiString Title;
    TBiDiMode BiDiMode = TBiDiMode::LeftToRight;
    bool UseRightToLeftReading() const { return BiDiMode != TBiDiMode::LeftToRight; }

    // The help system: the file, and the handler asked to show a topic. Without a handler
    // there is no help system and nothing is shown.
    AnsiString HelpFile;
    std::function<bool(int context)> OnHelp;
    bool HelpContext(int context);

    // Creates a form owned by the application; the first one becomes the main form.
    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        T* form = ::CreateForm<T>(this, std::forward<Args>(args)...);
        if (!FMainForm) {
            FMainForm = form;
        }
        return form;
    }
    TForm* MainForm() const { return FMainForm; }
    // The application's window: that of the main form, which owns the taskbar button; 0 while
    // it does not exist.
    TWindowHandle Handle() const;

    // Shows the main form in the state the process was started with, then dispatches messages
    // until termination is requested; returns at once without a main form.
    void Run();
    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }

    // Shows a failure that reached the loop: error icon, the title as caption, the message with
    // "." appended when its last character sorts after "."; the silent abort shows nothing.
    void ShowException(const std::exception& failure);
    // Runs one handler call the way the loop does: whatever it raises is shown, and the loop goes
    // on.
    void Dispatch(const std::function<void()>& handler);

protected:
    void Notification(TComponent& component, TOperation operation) override;

private:
    bool FInitialized = false;
    bool FTerminated = false;
    TForm* FMainForm = nullptr;
};

TApplication& Application();

// The text shown for a failure: the message, with "." appended when its last character sorts
// after ".".
AnsiString FailureText(const AnsiString& message);
