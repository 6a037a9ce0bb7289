#pragma once

#include "ui/Control.h"

// Text on its parent's background, word-wrapped within the label's width when asked to.
class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);
    TControlKind Kind() const override { return TControlKind::Label; }

    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);

private:
    bool FWordWrap = false;
};
