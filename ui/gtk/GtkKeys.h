#pragma once

#include "ui/Types.h"

#include <gtk/gtk.h>

// The virtual key code of a GDK key event, 0 for keys the model does not name.
TKeyCode KeyCodeOf(const GdkEventKey& event);
TShiftState ShiftStateOf(guint state);
