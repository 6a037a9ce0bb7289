#include "ui/Label.h"

TLabel::TLabel(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 65, 13);
}

void TLabel::SetWordWrap(bool wordWrap) {
    if (wordWrap != FWordWrap) {
        FWordWrap = wordWrap;
        Changed(TPeerChange::Content);
    }
}
