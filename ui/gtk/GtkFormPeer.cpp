#include "ui/gtk/GtkFormPeer.h"

#include "ui/Application.h"
#include "ui/backend/FormEvents.h"
#include "ui/gtk/GtkBackend.h"
#include "ui/gtk/GtkKeys.h"

TGtkFormPeer::TGtkFormPeer(TForm& form)
    : TGtkPeer(form, gtk_window_new(GTK_WINDOW_TOPLEVEL)),
      FClient(GTK_LAYOUT(gtk_layout_new(nullptr, nullptr))) {
    GtkWidget* window = Outer();
    gtk_container_add(GTK_CONTAINER(window), GTK_WIDGET(FClient));
    gtk_widget_show(GTK_WIDGET(FClient));
    Connect(GTK_WIDGET(FClient), "draw", G_CALLBACK(OnDraw));
    Connect(window, "delete-event", G_CALLBACK(OnDelete));
    Connect(window, "key-press-event", G_CALLBACK(OnKeyPress));
    Connect(window, "configure-event", G_CALLBACK(OnConfigure));
    Connect(window, "focus-in-event", G_CALLBACK(OnFocusIn));
    Synchronise();
}

bool TGtkFormPeer::Resizable() const {
    const TFormBorderStyle style = Form().BorderStyle();
    return style == TFormBorderStyle::Sizeable || style == TFormBorderStyle::SizeToolWin;
}

void TGtkFormPeer::SetFocus() {
    gtk_window_present(GTK_WINDOW(Outer()));
}

void TGtkFormPeer::ApplyText() {
    gtk_window_set_title(GTK_WINDOW(Outer()), ToUtf8(Form().Caption()).c_str());
}

void TGtkFormPeer::ApplyContent() {
    GtkWindow* window = GTK_WINDOW(Outer());
    TForm& form = Form();
    gtk_window_set_resizable(window, Resizable());
    gtk_window_set_decorated(window, form.BorderStyle() != TFormBorderStyle::None);
    gtk_window_set_deletable(window, form.BorderIcons().SystemMenu);
    gtk_window_set_type_hint(window, form.BorderStyle() == TFormBorderStyle::Dialog
                                         ? GDK_WINDOW_TYPE_HINT_DIALOG
                                         : GDK_WINDOW_TYPE_HINT_NORMAL);
    gtk_window_set_modal(window, form.Modal());
    TForm* main = Application().MainForm();
    gtk_window_set_transient_for(window,
                                 form.Modal() && main && main != &form && main->HandleAllocated()
                                     ? GTK_WINDOW(reinterpret_cast<GtkWidget*>(main->Handle()))
                                     : nullptr);
    switch (form.WindowState()) {
    case TWindowState::Maximized:
        gtk_window_deiconify(window);
        gtk_window_maximize(window);
        break;
    case TWindowState::Minimized:
        gtk_window_iconify(window);
        break;
    default:
        gtk_window_deiconify(window);
        gtk_window_unmaximize(window);
        break;
    }
    ApplyBounds();
}

void TGtkFormPeer::ApplyBounds() {
    GtkWindow* window = GTK_WINDOW(Outer());
    TForm& form = Form();
    FApplyingBounds = true;
    const int width = std::max(1, form.ClientWidth());
    const int height = std::max(1, form.ClientHeight());
    if (Resizable()) {
        // A fixed request would be the window's least size; resizable windows may shrink.
        gtk_widget_set_size_request(GTK_WIDGET(FClient), -1, -1);
        gtk_window_set_default_size(window, width, height);
        gtk_window_resize(window, width, height);
    } else {
        gtk_widget_set_size_request(GTK_WIDGET(FClient), width, height);
    }
    const TPosition position = form.Position();
    if (position != TPosition::Default && position != TPosition::DefaultPosOnly) {
        gtk_window_move(window, form.Left(), form.Top());
    }
    FApplyingBounds = false;
}

void TGtkFormPeer::ApplyVisible() {
    if (Form().Visible()) {
        ApplyBounds();
        gtk_widget_show(Outer());
    } else {
        gtk_widget_hide(Outer());
    }
}

gboolean TGtkFormPeer::OnDraw(GtkWidget* widget, cairo_t* cairo, gpointer data) noexcept {
    auto* peer = static_cast<TGtkFormPeer*>(data);
    PaintBackground(cairo, widget, peer->Form().Color());
    return FALSE;
}

gboolean TGtkFormPeer::OnDelete(GtkWidget*, GdkEvent*, gpointer data) noexcept {
    auto* peer = static_cast<TGtkFormPeer*>(data);
    RunGuarded([peer] { TFormEvents::CloseCommand(peer->Form()); });
    return TRUE; // the model decides what becomes of the window
}

gboolean TGtkFormPeer::OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) noexcept {
    auto* peer = static_cast<TGtkFormPeer*>(data);
    const TKeyCode key = KeyCodeOf(*event);
    if (key == 0) {
        return FALSE;
    }
    bool used = false;
    RunGuarded([&] {
        TForm& form = peer->Form();
        // The window knows best which widget has the focus.
        if (TGtkPeer* focused =
                TGtkPeer::OfWidget(gtk_window_get_focus(GTK_WINDOW(peer->Outer())))) {
            if (auto* control = dynamic_cast<TWinControl*>(&focused->Control())) {
                TFormEvents::FocusChanged(form, control);
            }
        }
        used = TFormEvents::KeyDown(form, key, ShiftStateOf(event->state));
    });
    return used ? TRUE : FALSE;
}

gboolean TGtkFormPeer::OnConfigure(GtkWidget*, GdkEventConfigure* event, gpointer data) noexcept {
    auto* peer = static_cast<TGtkFormPeer*>(data);
    if (peer->FApplyingBounds) {
        return FALSE;
    }
    const int x = event->x;
    const int y = event->y;
    const int width = event->width;
    const int height = event->height;
    RunGuarded([&] {
        TForm& form = peer->Form();
        if (form.WindowState() == TWindowState::Normal) {
            TFormEvents::Moved(form, x, y);
        }
        if (peer->Resizable()) {
            TFormEvents::Resized(form, width, height);
        }
    });
    return FALSE;
}

gboolean TGtkFormPeer::OnFocusIn(GtkWidget*, GdkEvent*, gpointer data) noexcept {
    auto* peer = static_cast<TGtkFormPeer*>(data);
    RunGuarded([peer] { TFormEvents::Activated(peer->Form()); });
    return FALSE;
}
