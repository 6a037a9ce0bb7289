#include "ui/Panel.h"

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBorder(TPanelBorder border) {
    if (border == FBorder) {
        return;
    }
    FBorder = border;
    Changed(TPeerChange::Content);
    Realign();
}

TRect TPanel::BorderInsets() const {
    return FBorder == TPanelBorder::Flat ? TRect{1, 1, 1, 1} : TRect{};
}
