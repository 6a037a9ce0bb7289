#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/backend/FormEvents.h"
#include "ui/headless/HeadlessBackend.h"

bool HeadlessPressKey(TForm& form, TKeyCode key, TShiftState shift) {
    bool used = false;
    Application().Dispatch([&] { used = TFormEvents::KeyDown(form, key, shift); });
    return used;
}

void HeadlessClick(TControl& control) {
    if (control.CanClick()) {
        Application().Dispatch([&] { control.Click(); });
    }
}

void HeadlessResize(TForm& form, int clientWidth, int clientHeight) {
    Application().Dispatch([&] { TFormEvents::Resized(form, clientWidth, clientHeight); });
}

void HeadlessCloseCommand(TForm& form) {
    Application().Dispatch([&] { TFormEvents::CloseCommand(form); });
}
