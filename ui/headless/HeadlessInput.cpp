#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/headless/HeadlessBackend.h"

bool HeadlessPressKey(TForm& form, TKeyCode key, TShiftState shift) {
    bool used = false;
    Application().Dispatch([&] { used = form.KeyDown(key, shift); });
    return used;
}

void HeadlessClick(TControl& control) {
    if (control.CanClick()) {
        Application().Dispatch([&] { control.Click(); });
    }
}

void HeadlessResize(TForm& form, int clientWidth, int clientHeight) {
    Application().Dispatch([&] { form.PlatformResized(clientWidth, clientHeight); });
}

void HeadlessCloseCommand(TForm& form) {
    Application().Dispatch([&] { form.CloseCommand(); });
}
