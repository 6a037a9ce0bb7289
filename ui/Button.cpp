#include "ui/Button.h"

#include "ui/Form.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool isDefault) {
    if (isDefault != FDefault) {
        FDefault = isDefault;
        Changed(TPeerChange::Content);
    }
}

void TButton::Click() {
    if (TForm* form = ParentForm()) {
        form->SetModalResult(FModalResult);
    }
    TWinControl::Click();
}
