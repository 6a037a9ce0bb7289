#pragma once

#include "ui/Bitmap.h"
#include "ui/Control.h"

// A flat button that shows only a picture, centred. It never takes the keyboard focus; a click
// reaches it only while it is enabled, and disabled it draws its picture greyed.
class TToolButton : public TControl {
public:
    explicit TToolButton(TComponent* owner);
    TControlKind Kind() const override { return TControlKind::ToolButton; }

    const TBitmap& Picture() const { return FPicture; }
    void SetPicture(TBitmap picture);
    // The picture as it is drawn now.
    TRgbaImage RenderedPicture() const { return RenderButtonPicture(FPicture, !Enabled()); }

private:
    TBitmap FPicture;
};
