#pragma once

#include "ui/Form.h"
#include "ui/gtk/GtkControlPeer.h"

// A form: a top-level window whose client area is a layout the model fills.
class TGtkFormPeer final : public TGtkPeer {
public:
    explicit TGtkFormPeer(TForm& form);

    GtkLayout* Container() override { return FClient; }
    void SetFocus() override;

protected:
    void ApplyText() override;
    void ApplyContent() override;
    void ApplyBounds() override;
    void ApplyVisible() override;

private:
    TForm& Form() const { return static_cast<TForm&>(Control()); }
    bool Resizable() const;
    static gboolean OnDraw(GtkWidget* widget, cairo_t* cairo, gpointer data) noexcept;
    static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer data) noexcept;
    static gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) noexcept;
    static gboolean OnConfigure(GtkWidget*, GdkEventConfigure* event, gpointer data) noexcept;
    static gboolean OnFocusIn(GtkWidget*, GdkEvent*, gpointer data) noexcept;

    GtkLayout* FClient;
    bool FApplyingBounds = false;
};
