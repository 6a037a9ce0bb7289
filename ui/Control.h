#pragma once

#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Types.h"
#include "ui/backend/Peer.h"

#include <memory>
#include <vector>

class TWinControl;
class TForm;

enum class TControlKind { Form, Panel, Edit, Memo, Button, ToolButton, GroupHeader, Label, Image };

// A visible element inside a parent control. Bounds are in the parent's client coordinates.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    virtual TControlKind Kind() const = 0;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    // The form this control lies on, or the control itself when it is a form.
    TForm* ParentForm() const;

    int Left() const { return FBounds.Left; }
    int Top() const { return FBounds.Top; }
    int Width() const { return FBounds.Width(); }
    int Height() const { return FBounds.Height(); }
    TRect BoundsRect() const { return FBounds; }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    void SetBounds(int left, int top, int width, int height);

    // The area inside the control's own border, in its own coordinates from (0, 0).
    TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientSize(int width, int height);
    // The border between the bounds and the client area.
    virtual TRect BorderInsets() const { return {}; }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors anchors);

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    // Visible, and so is every parent.
    bool Showing() const;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    // Enabled, and so is every parent.
    bool EnabledInParents() const;

    const AnsiString& Hint() const { return FHint; }
    void SetHint(AnsiString hint);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool showHint);

    const TFont& Font() const { return FFont; }
    // A font that differs from the current one is the control's own from then on.
    void SetFont(const TFont& font);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool parentFont);

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool parentColor);

    const AnsiString& Caption() const { return FCaption; }
    void SetCaption(AnsiString caption);

    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode mode) { FBiDiMode = mode; }
    bool UseRightToLeftAlignment() const { return FBiDiMode == TBiDiMode::RightToLeft; }

    // Whether a click reaches the control: shown and enabled, and so is every parent.
    bool CanClick() const { return Showing() && EnabledInParents(); }
    virtual void Click();

    TNotifyEvent OnClick;
    TNotifyEvent OnResize;

    TControlPeer* Peer() const { return FPeer.get(); }
    // Paints the control now rather than at the window system's next opportunity.
    void Update();

protected:
    // The designed visibility, set before anything is shown.
    void InitVisible(bool visible) { FVisible = visible; }
    // Tells the platform window of a change, when it exists.
    void Changed(TPeerChange change);
    virtual void Resize();
    void Loaded() override;

    // Creates the platform window, and those of the children; the parent's exists.
    virtual void CreatePeerTree();
    virtual void DestroyPeerTree();
    bool HasPeer() const { return FPeer != nullptr; }

    // Called for the children when the parent's font or colour changes.
    void ParentFontChanged();
    void ParentColorChanged();
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void BoundsChanged(bool sizeChanged);

private:
    friend class TWinControl;
    // Bounds decided by the parent's layout; the designed bounds stay the anchor's reference.
    void PlaceByLayout(const TRect& bounds);
    void ApplyBounds(const TRect& bounds);
    void RememberAnchorBase();
    TRect AnchoredBounds(TSize parentClient) const;

    TWinControl* FParent = nullptr;
    TRect FBounds;
    TAlign FAlign = TAlign::None;
    TAnchors FAnchors = akLeft | akTop;
    // The bounds and the parent's client size at the last explicit placement.
    TRect FAnchorBounds;
    TSize FAnchorParentSize;
    bool FVisible = true;
    bool FEnabled = true;
    AnsiString FHint;
    bool FShowHint = false;
    TFont FFont;
    bool FParentFont = true;
    TColor FColor = clBtnFace;
    bool FParentColor = true;
    AnsiString FCaption;
    TBiDiMode FBiDiMode = TBiDiMode::LeftToRight;
    std::unique_ptr<TControlPeer> FPeer;
};

// A control with a platform window of its own: it parents other controls and takes the focus.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // Children in the order they were added.
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(index); }

    bool HandleAllocated() const { return HasPeer(); }
    // Creates the platform window now, with those of its parents and children.
    void HandleNeeded();
    TWindowHandle Handle();

    // Position among the parent's windowed children when the tab key moves the focus.
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool tabStop) { FTabStop = tabStop; }

    virtual bool CanFocus() const;
    bool Focused() const;
    void SetFocus();
    // Whether the control takes this key itself rather than leaving it to the form's dialog keys
    // (tab, Enter, Escape).
    virtual bool WantsKey(TKeyCode key, TShiftState shift) const;
    // The children that take part in the tab order, in tab order, their own children after them.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;

    // Places the aligned and anchored children inside the client area.
    void Realign();
    // Children are laid out once, at the end, rather than after each change.
    void DisableAlign() { ++FAlignLock; }
    void EnableAlign();

protected:
    void CreatePeerTree() override;
    void DestroyPeerTree() override;
    void BoundsChanged(bool sizeChanged) override;
    void FontChanged() override;
    void ColorChanged() override;
    void Loaded() override;

private:
    friend class TControl;
    void InsertControl(TControl& control);
    void RemoveControl(TControl& control);

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    int FAlignLock = 0;
    bool FRealigning = false;
};
