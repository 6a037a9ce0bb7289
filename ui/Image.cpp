#include "ui/Image.h"

TImage::TImage(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 32, 32);
}

void TImage::SetStockIcon(TStockIcon icon) {
    if (icon != FStockIcon) {
        FStockIcon = icon;
        Changed(TPeerChange::Content);
    }
}
