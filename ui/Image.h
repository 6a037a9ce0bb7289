#pragma once

#include "ui/Control.h"

// The window system's icons for messages, numbered as the Windows family numbers them.
enum class TStockIcon {
    None = 0,
    Error = 32513,       // IDI_HAND
    Question = 32514,    // IDI_QUESTION
    Warning = 32515,     // IDI_EXCLAMATION
    Information = 32516, // IDI_ASTERISK
};

// An image showing a stock icon, 32 by 32 pixels, at the image's top left.
class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);
    TControlKind Kind() const override { return TControlKind::Image; }

    TStockIcon StockIcon() const { return FStockIcon; }
    void SetStockIcon(TStockIcon icon);

private:
    TStockIcon FStockIcon = TStockIcon::None;
};
