#pragma once

#include "ui/Control.h"

// A push button. Clicking it gives its form the button's modal result, then runs the click
// handler. The default button takes Enter, the cancel button Escape.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    TControlKind Kind() const override { return TControlKind::Button; }

    bool Default() const { return FDefault; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool cancel) { FCancel = cancel; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult result) { FModalResult = result; }

    void Click() override;

private:
    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
};
