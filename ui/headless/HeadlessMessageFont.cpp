#include "ui/backend/MessageFont.h"

// Without a window system there is no message font: dialogs keep the form's default font, whose
// metrics the headless backend fixes.
bool PlatformMessageFont(TFont&) {
    return false;
}
