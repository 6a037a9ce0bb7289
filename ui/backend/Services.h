#pragma once

#include "ui/Colors.h"
#include "ui/Types.h"

class TForm;

// Window-system services that each backend implements.

// Connects to the window system; raises when that is impossible. Called more than once.
void InitializeBackend();

TRgb PlatformSystemColor(int index);

// The size of the whole screen and of the part of it that windows may use.
TSize PlatformScreenSize();
TRect PlatformWorkArea();
// The whole desktop over every monitor, in the screen's coordinates (Windows: the virtual
// screen; GTK: the union of the monitors' geometry). It may begin left of or above the screen.
TRect PlatformDesktopRect();

// The frame the window system puts around a form's client area.
TRect PlatformFrameInsets(const TForm& form);

// Shows a form modally: dispatches messages until the form has a modal result or the
// application is asked to terminate.
void RunModalLoop(TForm& form);
