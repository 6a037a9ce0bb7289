#include "ui/backend/FormEvents.h"

#include "ui/Form.h"

void TFormEvents::Resized(TForm& form, int clientWidth, int clientHeight) {
    form.PlatformResized(clientWidth, clientHeight);
}

void TFormEvents::Moved(TForm& form, int left, int top) {
    form.PlatformMoved(left, top);
}

void TFormEvents::Activated(TForm& form) {
    form.PlatformActivated();
}

void TFormEvents::FocusChanged(TForm& form, TWinControl* control) {
    form.PlatformFocusChanged(control);
}

void TFormEvents::CloseCommand(TForm& form) {
    form.CloseCommand();
}

bool TFormEvents::KeyDown(TForm& form, TKeyCode key, TShiftState shift) {
    return form.KeyDown(key, shift);
}
