#pragma once

#include "ui/Types.h"
#include "ui/backend/MessageBox.h"

#include <functional>
#include <optional>
#include <vector>

class TControl;
class TForm;

// The headless backend runs no window system. Tests use it to see what would have been shown and
// to act as a user would.
//
// Its fixed metrics:
// - the screen is 1024 by 768 pixels unless a test sets another size, all of it work area; the
//   desktop is the screen unless a test sets one over several monitors;
// - a form's frame is 8 pixels left, right and below and 31 above its client area when it is
//   sizeable, 3 and 26 for the other framed styles, none without a border;
// - text: every character of a font PixelHeight pixels high is (PixelHeight + 1) / 2 pixels
//   wide, a tab reaches the next multiple of 8 characters, and a line is PixelHeight + 2 pixels
//   high (8 points: 6 by 13 pixels). Wrapping breaks between words, at blanks.
struct THeadlessMessageBox {
    AnsiString Caption;
    AnsiString Text;
    TMessageBoxIcon Icon;
};

std::vector<THeadlessMessageBox>& HeadlessMessageBoxes();

// Events the headless loop dispatches in order, as the window system would deliver them. A
// modal form that has no event left to answer it is closed, as a user would close it.
void PostHeadlessEvent(std::function<void()> event);

void SetHeadlessScreenSize(TSize size);
// The desktop over every monitor; without one set (nullopt), the screen alone.
void SetHeadlessDesktopRect(std::optional<TRect> desktop);

// What a user does. Each goes through the application's dispatch as an event would.
// A key pressed while Form is active; true when the form used it.
bool HeadlessPressKey(TForm& form, TKeyCode key, TShiftState shift = 0);
// A mouse click; it reaches only a control that is shown and enabled.
void HeadlessClick(TControl& control);
// The user resizes the form's window to the given client size.
void HeadlessResize(TForm& form, int clientWidth, int clientHeight);
// The close command of the form's window.
void HeadlessCloseCommand(TForm& form);

// The clipboard: its text, and whether another program holds it open.
AnsiString HeadlessClipboardText();
void SetHeadlessClipboardBusy(bool busy);

int HeadlessBeepCount();
