#pragma once

#include "ui/Control.h"
#include "ui/backend/Peer.h"

#include <gtk/gtk.h>
#include <string>

// The GTK side of a control: one outer widget, placed by the model's bounds inside its parent's
// container, never sized by GTK's own layout.
class TGtkPeer : public TControlPeer {
public:
    // Takes a reference to Outer and puts it into the parent's container when there is a parent.
    TGtkPeer(TControl& control, GtkWidget* outer);
    ~TGtkPeer() override;
    TGtkPeer(const TGtkPeer&) = delete;
    TGtkPeer& operator=(const TGtkPeer&) = delete;

    void Changed(TPeerChange change) override;
    void SetFocus() override;
    void Repaint() override;
    TWindowHandle Handle() const override { return reinterpret_cast<TWindowHandle>(FOuter); }

    TControl& Control() const { return FControl; }
    GtkWidget* Outer() const { return FOuter; }
    // Where the children of this control go, and where their origin lies in it.
    virtual GtkLayout* Container() { return nullptr; }
    virtual TPoint ChildOffset() const { return {}; }

    // Reads the control's whole state; each kind calls it at the end of its constructor.
    void Synchronise();

    // The peer a widget belongs to, if any.
    static TGtkPeer* OfWidget(GtkWidget* widget);

protected:
    // The widget that takes the focus and whose signals tell the model of it.
    void SetFocusWidget(GtkWidget* widget);
    // The widget that receives the control's font and colours.
    void SetStyledWidget(GtkWidget* widget) { FStyled = widget; }
    // CSS rules for the control's font and colours; "{font}" stands for the font's declarations.
    virtual std::string StyleRules() const;
    virtual void ApplyText() {}
    virtual void ApplyContent() {}
    virtual void ApplyBounds();
    virtual void ApplyVisible();
    // Connects a signal with this peer as its data; it is disconnected with the peer.
    void Connect(gpointer instance, const char* signal, GCallback handler);

private:
    void ApplyStyle();
    void ApplyHint();

    TControl& FControl;
    GtkWidget* FOuter;
    GtkWidget* FFocus = nullptr;
    GtkWidget* FStyled = nullptr;
    GtkCssProvider* FProvider = nullptr;
    std::string FAppliedStyle;
};

// Fills the widget's area with a colour: the background of containers and drawn controls.
void PaintBackground(cairo_t* cairo, GtkWidget* widget, TColor color);
