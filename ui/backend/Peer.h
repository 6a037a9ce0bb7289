#pragma once

#include "ui/Types.h"

#include <memory>

class TControl;

// What of a control the model changed; the peer reads the control's state again.
enum class TPeerChange {
    Bounds,
    Visible,
    Enabled,
    Text,
    Font,
    Color,
    Hint,
    // Anything particular to the kind of control: read-only, lines, picture, default button,
    // window state, modality.
    Content,
};

// The platform's side of one control, owned by the control while its platform window exists.
class TControlPeer {
public:
    virtual ~TControlPeer() = default;
    virtual void Changed(TPeerChange change) = 0;
    virtual void SetFocus() {}
    // Paints what is pending now rather than at the platform's next opportunity.
    virtual void Repaint() {}
    virtual TWindowHandle Handle() const = 0;
};

// Implemented by each backend. The parent's peer exists when a child's is created.
std::unique_ptr<TControlPeer> CreatePeer(TControl& control);
