#include "ui/ToolButton.h"

TToolButton::TToolButton(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 23, 22);
}

void TToolButton::SetPicture(TBitmap picture) {
    FPicture = std::move(picture);
    Changed(TPeerChange::Content);
}
