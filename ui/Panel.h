#pragma once

#include "ui/Control.h"

enum class TPanelBorder { None, Flat };

// A container. A flat border is a one-pixel line in the button-shadow colour inside the bounds;
// the client area lies within it.
class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);
    TControlKind Kind() const override { return TControlKind::Panel; }

    TPanelBorder Border() const { return FBorder; }
    void SetBorder(TPanelBorder border);
    TRect BorderInsets() const override;

private:
    TPanelBorder FBorder = TPanelBorder::None;
};
