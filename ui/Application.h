#pragma once

#include "runtime/Strings.h"

#include <exception>
#include <functional>

// The application object: initialisation, title, the message loop and the display of failures
// that reach the loop.
class TApplication {
public:
    void Initialize();
    bool Initialized() const { return FInitialized; }

    // The main window owns the taskbar button, not a hidden application window.
    bool MainFormOnTaskBar = false;
    AnsiString Title;

    // Whether a main window exists; the loop runs only while one does.
    std::function<bool()> HasMainForm;

    // Dispatches messages until termination is requested; returns at once without a main window.
    void Run();
    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }

    // Shows a failure that reached the loop: error icon, the title as caption, the message with
    // "." appended when its last character sorts after "."; the silent abort shows nothing.
    void ShowException(const std::exception& failure);
    // Runs one handler call the way the loop does: whatever it raises is shown, and the loop goes
    // on.
    void Dispatch(const std::function<void()>& handler);

private:
    bool FInitialized = false;
    bool FTerminated = false;
};

TApplication& Application();

// The text shown for a failure: the message, with "." appended when its last character sorts
// after ".".
AnsiString FailureText(const AnsiString& message);
