#include "ui/gtk/GtkKeys.h"

TKeyCode KeyCodeOf(const GdkEventKey& event) {
    const guint key = event.keyval;
    switch (key) {
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab:
    case GDK_KEY_KP_Tab:
        return kKeyTab;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter:
        return kKeyReturn;
    case GDK_KEY_Escape:
        return kKeyEscape;
    case GDK_KEY_BackSpace:
        return kKeyBack;
    case GDK_KEY_Delete:
    case GDK_KEY_KP_Delete:
        return kKeyDelete;
    case GDK_KEY_space:
        return kKeySpace;
    case GDK_KEY_Left:
        return kKeyLeft;
    case GDK_KEY_Up:
        return kKeyUp;
    case GDK_KEY_Right:
        return kKeyRight;
    case GDK_KEY_Down:
        return kKeyDown;
    default:
        break;
    }
    if (key >= GDK_KEY_F1 && key <= GDK_KEY_F12) {
        return static_cast<TKeyCode>(kKeyF1 + (key - GDK_KEY_F1));
    }
    const guint upper = gdk_keyval_to_upper(key);
    if ((upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9')) {
        return static_cast<TKeyCode>(upper);
    }
    return 0;
}

TShiftState ShiftStateOf(guint state) {
    TShiftState shift = 0;
    if (state & GDK_SHIFT_MASK) {
        shift |= ssShift;
    }
    if (state & GDK_CONTROL_MASK) {
        shift |= ssCtrl;
    }
    if (state & GDK_MOD1_MASK) {
        shift |= ssAlt;
    }
    return shift;
}
