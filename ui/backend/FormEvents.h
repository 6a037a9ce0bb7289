#pragma once

#include "ui/Types.h"

class TForm;
class TWinControl;

// What the window system reports about a form. Backends call these, and nothing else of the
// model may: they are the only way into the form's own reactions to its window.
class TFormEvents {
public:
    TFormEvents() = delete;

    // The user resized the window to the given client size.
    static void Resized(TForm& form, int clientWidth, int clientHeight);
    // The window's top-left corner moved to the given screen position.
    static void Moved(TForm& form, int left, int top);
    // The window became the active one.
    static void Activated(TForm& form);
    // The window system moved the focus to Control (null: to none of the form's controls).
    static void FocusChanged(TForm& form, TWinControl* control);
    // The close command of the window (its close box, Alt+F4).
    static void CloseCommand(TForm& form);
    // A key went down while the form is active; true when the form used it, false when it is
    // the focused control's.
    static bool KeyDown(TForm& form, TKeyCode key, TShiftState shift);
};
