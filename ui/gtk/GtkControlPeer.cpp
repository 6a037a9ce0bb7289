#include "ui/gtk/GtkControlPeer.h"

#include "ui/Form.h"
#include "ui/backend/FormEvents.h"
#include "ui/gtk/GtkBackend.h"

namespace {

constexpr const char* kPeerKey = "vexa-peer";

gboolean FocusIn(GtkWidget*, GdkEvent*, gpointer data) noexcept {
    auto* peer = static_cast<TGtkPeer*>(data);
    RunGuarded([peer] {
        auto* control = dynamic_cast<TWinControl*>(&peer->Control());
        if (TForm* form = peer->Control().ParentForm(); form && control) {
            TFormEvents::FocusChanged(*form, control);
        }
    });
    return FALSE;
}

} // namespace

TGtkPeer::TGtkPeer(TControl& control, GtkWidget* outer) : FControl(control), FOuter(outer) {
    EnsureGtk();
    g_object_ref_sink(FOuter);
    g_object_set_data(G_OBJECT(FOuter), kPeerKey, this);
    FStyled = FOuter;
    if (TWinControl* parent = control.Parent()) {
        auto* parentPeer = static_cast<TGtkPeer*>(parent->Peer());
        const TPoint offset = parentPeer->ChildOffset();
        gtk_layout_put(parentPeer->Container(), FOuter, control.Left() + offset.X,
                       control.Top() + offset.Y);
    }
}

TGtkPeer::~TGtkPeer() {
    // Nothing GTK emits while the widget goes may reach a control that is going too.
    g_signal_handlers_disconnect_matched(FOuter, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr, this);
    if (FFocus && FFocus != FOuter) {
        g_signal_handlers_disconnect_matched(FFocus, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr,
                                             this);
        g_object_set_data(G_OBJECT(FFocus), kPeerKey, nullptr);
    }
    g_object_set_data(G_OBJECT(FOuter), kPeerKey, nullptr);
    if (FProvider) {
        gtk_style_context_remove_provider(gtk_widget_get_style_context(FStyled),
                                          GTK_STYLE_PROVIDER(FProvider));
        g_object_unref(FProvider);
    }
    gtk_widget_destroy(FOuter);
    g_object_unref(FOuter);
}

TGtkPeer* TGtkPeer::OfWidget(GtkWidget* widget) {
    return widget ? static_cast<TGtkPeer*>(g_object_get_data(G_OBJECT(widget), kPeerKey)) : nullptr;
}

void TGtkPeer::Connect(gpointer instance, const char* signal, GCallback handler) {
    g_signal_connect(instance, signal, handler, this);
}

void TGtkPeer::SetFocusWidget(GtkWidget* widget) {
    FFocus = widget;
    g_object_set_data(G_OBJECT(widget), kPeerKey, this);
    Connect(widget, "focus-in-event", G_CALLBACK(FocusIn));
}

void TGtkPeer::Synchronise() {
    ApplyBounds();
    ApplyStyle();
    ApplyHint();
    gtk_widget_set_sensitive(FOuter, FControl.Enabled());
    ApplyText();
    ApplyContent();
    ApplyVisible();
}

void TGtkPeer::Changed(TPeerChange change) {
    switch (change) {
    case TPeerChange::Bounds:
        ApplyBounds();
        break;
    case TPeerChange::Visible:
        ApplyVisible();
        break;
    case TPeerChange::Enabled:
        gtk_widget_set_sensitive(FOuter, FControl.Enabled());
        ApplyContent();
        break;
    case TPeerChange::Text:
        ApplyText();
        break;
    case TPeerChange::Font:
    case TPeerChange::Color:
        ApplyStyle();
        gtk_widget_queue_draw(FOuter);
        break;
    case TPeerChange::Hint:
        ApplyHint();
        break;
    case TPeerChange::Content:
        ApplyContent();
        break;
    }
}

void TGtkPeer::SetFocus() {
    if (FFocus) {
        gtk_widget_grab_focus(FFocus);
    }
}

void TGtkPeer::Repaint() {
    gtk_widget_queue_draw(FOuter);
    gdk_display_flush(gdk_display_get_default());
}

void TGtkPeer::ApplyBounds() {
    gtk_widget_set_size_request(FOuter, FControl.Width(), FControl.Height());
    if (TWinControl* parent = FControl.Parent()) {
        auto* parentPeer = static_cast<TGtkPeer*>(parent->Peer());
        const TPoint offset = parentPeer->ChildOffset();
        gtk_layout_move(parentPeer->Container(), FOuter, FControl.Left() + offset.X,
                        FControl.Top() + offset.Y);
    }
}

void TGtkPeer::ApplyVisible() {
    gtk_widget_set_visible(FOuter, FControl.Visible());
}

std::string TGtkPeer::StyleRules() const {
    return {};
}

void TGtkPeer::ApplyStyle() {
    std::string rules = StyleRules();
    const std::string font = CssFont(FControl.Font());
    for (std::size_t at = rules.find("{font}"); at != std::string::npos;
         at = rules.find("{font}", at + font.size())) {
        rules.replace(at, 6, font);
    }
    if (rules.empty() || rules == FAppliedStyle) {
        return;
    }
    FAppliedStyle = rules;
    if (!FProvider) {
        FProvider = gtk_css_provider_new();
        gtk_style_context_add_provider(gtk_widget_get_style_context(FStyled),
                                       GTK_STYLE_PROVIDER(FProvider),
                                       GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
    }
    gtk_css_provider_load_from_data(FProvider, rules.c_str(), -1, nullptr);
}

void TGtkPeer::ApplyHint() {
    const bool show = FControl.ShowHint() && !FControl.Hint().empty();
    gtk_widget_set_tooltip_text(FOuter, show ? ToUtf8(FControl.Hint()).c_str() : nullptr);
}

void PaintBackground(cairo_t* cairo, GtkWidget* widget, TColor color) {
    // The clip GTK gives may reach beyond the widget; the colour must not.
    GtkAllocation area{};
    gtk_widget_get_allocation(widget, &area);
    const GdkRGBA rgba = ToGdkColor(color);
    cairo_save(cairo);
    cairo_rectangle(cairo, 0, 0, area.width, area.height);
    cairo_clip(cairo);
    gdk_cairo_set_source_rgba(cairo, &rgba);
    cairo_paint(cairo);
    cairo_restore(cairo);
}
