#include "ui/Control.h"

#include "runtime/Exception.h"
#include "ui/Form.h"

#include <algorithm>

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
    Destroying();
    if (TForm* form = ParentForm(); form && form != this) {
        form->ControlRemoving(*this);
    }
    FPeer.reset();
    if (FParent) {
        FParent->RemoveControl(*this);
    }
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) {
        return;
    }
    for (const TControl* above = parent; above; above = above->FParent) {
        if (above == this) {
            throw Exception("A control cannot be its own parent");
        }
    }
    if (FParent) {
        if (TForm* form = ParentForm(); form && form != this) {
            form->ControlRemoving(*this);
        }
        DestroyPeerTree();
        FParent->RemoveControl(*this);
    }
    FParent = parent;
    if (!parent) {
        return;
    }
    parent->InsertControl(*this);
    ParentFontChanged();
    ParentColorChanged();
    RememberAnchorBase();
    if (parent->HasPeer()) {
        CreatePeerTree();
    }
    parent->Realign();
}

TForm* TControl::ParentForm() const {
    const TControl* top = this;
    while (top->FParent) {
        top = top->FParent;
    }
    // A form under destruction is no longer one; its controls then have no form.
    return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}

void TControl::SetBounds(int left, int top, int width, int height) {
    const TRect bounds = MakeBounds(left, top, std::max(0, width), std::max(0, height));
    if (bounds != FBounds) {
        ApplyBounds(bounds);
    }
    RememberAnchorBase();
    if (FAlign != TAlign::None && FParent) {
        FParent->Realign();
    }
}

void TControl::PlaceByLayout(const TRect& bounds) {
    if (bounds != FBounds) {
        ApplyBounds(bounds);
    }
}

void TControl::ApplyBounds(const TRect& bounds) {
    const bool sizeChanged =
        bounds.Width() != FBounds.Width() || bounds.Height() != FBounds.Height();
    FBounds = bounds;
    Changed(TPeerChange::Bounds);
    BoundsChanged(sizeChanged);
    if (sizeChanged && !InState(csLoading | csDestroying)) {
        Resize();
    }
}

void TControl::BoundsChanged(bool) {}

void TControl::RememberAnchorBase() {
    FAnchorBounds = FBounds;
    FAnchorParentSize = FParent ? TSize{FParent->ClientWidth(), FParent->ClientHeight()} : TSize{};
}

TRect TControl::AnchoredBounds(TSize parentClient) const {
    auto place = [](int start, int extent, int growth, bool nearEdge, bool farEdge) {
        if (farEdge && nearEdge) {
            extent += growth;
        } else if (farEdge) {
            start += growth;
        } else if (!nearEdge) {
            start += growth / 2;
        }
        return std::pair{start, std::max(0, extent)};
    };
    const auto [left, width] = place(FAnchorBounds.Left, FAnchorBounds.Width(),
                                     parentClient.Width - FAnchorParentSize.Width,
                                     (FAnchors & akLeft) != 0, (FAnchors & akRight) != 0);
    const auto [top, height] = place(FAnchorBounds.Top, FAnchorBounds.Height(),
                                     parentClient.Height - FAnchorParentSize.Height,
                                     (FAnchors & akTop) != 0, (FAnchors & akBottom) != 0);
    return MakeBounds(left, top, width, height);
}

TRect TControl::ClientRect() const {
    const TRect insets = BorderInsets();
    return {0, 0, std::max(0, Width() - insets.Left - insets.Right),
            std::max(0, Height() - insets.Top - insets.Bottom)};
}

void TControl::SetClientSize(int width, int height) {
    const TRect insets = BorderInsets();
    SetBounds(Left(), Top(), width + insets.Left + insets.Right,
              height + insets.Top + insets.Bottom);
}

void TControl::SetAlign(TAlign align) {
    if (align == FAlign) {
        return;
    }
    FAlign = align;
    if (FParent) {
        FParent->Realign();
    }
}

void TControl::SetAnchors(TAnchors anchors) {
    FAnchors = anchors;
    RememberAnchorBase();
}

void TControl::SetVisible(bool visible) {
    if (visible == FVisible) {
        return;
    }
    FVisible = visible;
    if (!visible) {
        if (TForm* form = ParentForm(); form && form != this) {
            form->ControlRemoving(*this);
        }
    }
    Changed(TPeerChange::Visible);
    if (FParent && FAlign != TAlign::None) {
        FParent->Realign();
    }
}

bool TControl::Showing() const {
    return FVisible && (!FParent || FParent->Showing());
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == FEnabled) {
        return;
    }
    FEnabled = enabled;
    Changed(TPeerChange::Enabled);
}

bool TControl::EnabledInParents() const {
    return FEnabled && (!FParent || FParent->EnabledInParents());
}

void TControl::SetHint(AnsiString hint) {
    if (hint == FHint) {
        return;
    }
    FHint = std::move(hint);
    Changed(TPeerChange::Hint);
}

void TControl::SetShowHint(bool showHint) {
    if (showHint == FShowHint) {
        return;
    }
    FShowHint = showHint;
    Changed(TPeerChange::Hint);
}

void TControl::SetFont(const TFont& font) {
    if (font == FFont) {
        return;
    }
    FFont = font;
    FParentFont = false;
    FontChanged();
}

void TControl::SetParentFont(bool parentFont) {
    FParentFont = parentFont;
    ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (FParentFont && FParent && FFont != FParent->Font()) {
        FFont = FParent->Font();
        FontChanged();
    }
}

void TControl::FontChanged() {
    Changed(TPeerChange::Font);
}

void TControl::SetColor(TColor color) {
    FParentColor = false;
    if (color == FColor) {
        return;
    }
    FColor = color;
    ColorChanged();
}

void TControl::SetParentColor(bool parentColor) {
    FParentColor = parentColor;
    ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (FParentColor && FParent && FColor != FParent->Color()) {
        FColor = FParent->Color();
        ColorChanged();
    }
}

void TControl::ColorChanged() {
    Changed(TPeerChange::Color);
}

void TControl::SetCaption(AnsiString caption) {
    if (caption == FCaption) {
        return;
    }
    FCaption = std::move(caption);
    Changed(TPeerChange::Text);
}

void TControl::Click() {
    if (OnClick) {
        OnClick(*this);
    }
}

void TControl::Update() {
    if (FPeer) {
        FPeer->Repaint();
    }
}

void TControl::Changed(TPeerChange change) {
    if (FPeer) {
        FPeer->Changed(change);
    }
}

void TControl::Resize() {
    if (OnResize) {
        OnResize(*this);
    }
}

void TControl::Loaded() {}

void TControl::CreatePeerTree() {
    if (!FPeer) {
        FPeer = CreatePeer(*this);
    }
}

void TControl::DestroyPeerTree() {
    FPeer.reset();
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    Destroying();
    // Children go with their parent, whoever owns them; each leaves the lists as it goes.
    while (!FControls.empty()) {
        delete FControls.back();
    }
    DestroyPeerTree();
}

void TWinControl::HandleNeeded() {
    if (HasPeer()) {
        return;
    }
    if (Parent()) {
        Parent()->HandleNeeded();
        return; // the parent's window brings its children's with it
    }
    if (!dynamic_cast<TForm*>(this)) {
        throw Exception("Control '" + Name() + "' has no parent window");
    }
    CreatePeerTree();
}

TWindowHandle TWinControl::Handle() {
    HandleNeeded();
    return Peer()->Handle();
}

int TWinControl::TabOrder() const {
    if (!Parent()) {
        return -1;
    }
    const auto& list = Parent()->FTabList;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent()) {
        return;
    }
    auto& list = Parent()->FTabList;
    list.erase(std::find(list.begin(), list.end(), this));
    const int position = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + position, this);
}

bool TWinControl::CanFocus() const {
    const TForm* form = ParentForm();
    return form && form->Visible() && Showing() && EnabledInParents();
}

bool TWinControl::Focused() const {
    const TForm* form = ParentForm();
    return form && form->ActiveControl() == this;
}

void TWinControl::SetFocus() {
    TForm* form = ParentForm();
    if (!form || !CanFocus()) {
        throw Exception("Cannot focus a disabled or invisible window");
    }
    form->SetActiveControl(this);
}

bool TWinControl::WantsKey(TKeyCode, TShiftState) const {
    return false;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* control : FTabList) {
        list.push_back(control);
        control->GetTabOrderList(list);
    }
}

void TWinControl::EnableAlign() {
    if (FAlignLock > 0 && --FAlignLock == 0) {
        Realign();
    }
}

void TWinControl::Realign() {
    if (FAlignLock > 0 || FRealigning || InState(csLoading | csDestroying)) {
        return;
    }
    FRealigning = true;
    const TRect client = ClientRect();
    TRect rest = client;
    auto width = [&] {
        return std::max(0, rest.Width());
    };
    auto height = [&] {
        return std::max(0, rest.Height());
    };
    for (TAlign align :
         {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        std::vector<TControl*> aligned;
        for (TControl* control : FControls) {
            if (control->Align() == align && control->Visible()) {
                aligned.push_back(control);
            }
        }
        // The designed order of the stack is the order of the controls' positions.
        std::stable_sort(aligned.begin(), aligned.end(), [align](TControl* a, TControl* b) {
            switch (align) {
            case TAlign::Top:
                return a->Top() < b->Top();
            case TAlign::Bottom:
                return a->Top() + a->Height() > b->Top() + b->Height();
            case TAlign::Left:
                return a->Left() < b->Left();
            case TAlign::Right:
                return a->Left() + a->Width() > b->Left() + b->Width();
            default:
                return false;
            }
        });
        for (TControl* control : aligned) {
            switch (align) {
            case TAlign::Top:
                control->PlaceByLayout(MakeBounds(rest.Left, rest.Top, width(), control->Height()));
                rest.Top += control->Height();
                break;
            case TAlign::Bottom:
                control->PlaceByLayout(MakeBounds(rest.Left, rest.Bottom - control->Height(),
                                                  width(), control->Height()));
                rest.Bottom -= control->Height();
                break;
            case TAlign::Left:
                control->PlaceByLayout(MakeBounds(rest.Left, rest.Top, control->Width(), height()));
                rest.Left += control->Width();
                break;
            case TAlign::Right:
                control->PlaceByLayout(MakeBounds(rest.Right - control->Width(), rest.Top,
                                                  control->Width(), height()));
                rest.Right -= control->Width();
                break;
            default:
                control->PlaceByLayout(MakeBounds(rest.Left, rest.Top, width(), height()));
                break;
            }
        }
    }
    for (TControl* control : FControls) {
        if (control->Align() == TAlign::None) {
            control->PlaceByLayout(control->AnchoredBounds({client.Width(), client.Height()}));
        }
    }
    FRealigning = false;
}

void TWinControl::CreatePeerTree() {
    TControl::CreatePeerTree();
    for (TControl* control : FControls) {
        control->CreatePeerTree();
    }
}

void TWinControl::DestroyPeerTree() {
    for (TControl* control : FControls) {
        control->DestroyPeerTree();
    }
    TControl::DestroyPeerTree();
}

void TWinControl::BoundsChanged(bool sizeChanged) {
    if (sizeChanged) {
        Realign();
    }
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (TControl* control : FControls) {
        control->ParentFontChanged();
    }
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    for (TControl* control : FControls) {
        control->ParentColorChanged();
    }
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
}

void TWinControl::InsertControl(TControl& control) {
    FControls.push_back(&control);
    if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
        FTabList.push_back(windowed);
    }
}

void TWinControl::RemoveControl(TControl& control) {
    std::erase(FControls, &control);
    std::erase(FTabList, &control);
    if (!InState(csDestroying)) {
        Realign();
    }
}
