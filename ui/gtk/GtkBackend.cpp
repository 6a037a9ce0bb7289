#include "ui/gtk/GtkBackend.h"

#include "platform/CodePage.h"
#include "runtime/Exception.h"
#include "runtime/Format.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Screen.h"
#include "ui/backend/Clipboard.h"
#include "ui/backend/MessageBox.h"
#include "ui/backend/MessageLoop.h"
#include "ui/backend/Services.h"
#include "ui/gtk/GtkStyle.h"

void EnsureGtk() {
    static bool ready = false;
    if (ready) {
        return;
    }
    if (!gtk_init_check(nullptr, nullptr)) {
        throw Exception("Cannot open the display");
    }
    InstallGtkStyleSheet();
    ready = true;
}

void InitializeBackend() {
    EnsureGtk();
}

std::string ToUtf8(std::string_view ansi) {
    return AnsiToUtf8(ansi);
}

AnsiString FromUtf8(const char* utf8) {
    return utf8 ? Utf8ToAnsi(utf8) : AnsiString();
}

void RunGuarded(const std::function<void()>& handler) noexcept {
    Application().Dispatch(handler);
}

GdkRGBA ToGdkColor(TColor color) {
    const TRgb rgb = ColorToRgb(color);
    return {rgb.R / 255.0, rgb.G / 255.0, rgb.B / 255.0, 1.0};
}

std::string CssColor(TColor color) {
    const TRgb rgb = ColorToRgb(color);
    return Format("rgb(%d, %d, %d)", {int(rgb.R), int(rgb.G), int(rgb.B)});
}

PangoFontDescription* NewFontDescription(const TFont& font) {
    PangoFontDescription* description = pango_font_description_new();
    pango_font_description_set_family(description, ToUtf8(font.Name).c_str());
    pango_font_description_set_size(description, font.Size * PANGO_SCALE);
    return description;
}

std::string CssFont(const TFont& font) {
    std::string family;
    for (char c : ToUtf8(font.Name)) {
        if (c != '"' && c != '\\' && c != ';' && c != '}') {
            family += c;
        }
    }
    return "font-family: \"" + family + "\"; font-size: " + std::to_string(font.Size) +
           "pt; font-weight: normal; font-style: normal; color: " + CssColor(font.Color) + ";";
}

void RunMessageLoop(TApplication& application) {
    while (!application.Terminated()) {
        gtk_main_iteration_do(TRUE);
    }
}

void RunModalLoop(TForm& form) {
    while (form.ModalResult() == mrNone && !Application().Terminated()) {
        gtk_main_iteration_do(TRUE);
    }
}

TRgb PlatformSystemColor(int index) {
    // GTK themes have no colours meant for these roles (a tooltip's background, for example, is
    // dark and translucent in the default theme); the classic desktop's serve every theme.
    return ClassicSystemColor(index);
}

namespace {

GdkMonitor* PrimaryMonitor() {
    EnsureGtk();
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
    return monitor ? monitor : gdk_display_get_monitor(display, 0);
}

GtkWindow* ActiveWindow() {
    TForm* form = Screen().ActiveForm();
    if (!form) {
        form = Application().MainForm();
    }
    return form && form->HandleAllocated() ? reinterpret_cast<GtkWindow*>(form->Handle()) : nullptr;
}

} // namespace

TSize PlatformScreenSize() {
    GdkRectangle area{};
    if (GdkMonitor* monitor = PrimaryMonitor()) {
        gdk_monitor_get_geometry(monitor, &area);
    }
    return {area.width, area.height};
}

TRect PlatformWorkArea() {
    GdkRectangle area{};
    if (GdkMonitor* monitor = PrimaryMonitor()) {
        gdk_monitor_get_workarea(monitor, &area);
    }
    return MakeBounds(area.x, area.y, area.width, area.height);
}

TRect PlatformDesktopRect() {
    EnsureGtk();
    GdkDisplay* display = gdk_display_get_default();
    TRect desktop;
    bool first = true;
    for (int i = 0; i < gdk_display_get_n_monitors(display); ++i) {
        GdkRectangle area{};
        gdk_monitor_get_geometry(gdk_display_get_monitor(display, i), &area);
        const TRect monitor = MakeBounds(area.x, area.y, area.width, area.height);
        desktop = first ? monitor : UnionRect(desktop, monitor);
        first = false;
    }
    return desktop;
}

TRect PlatformFrameInsets(const TForm&) {
    // The window manager's frame lies outside the window GTK gives us.
    return {};
}

void DefaultBeep() {
    EnsureGtk();
    gdk_display_beep(gdk_display_get_default());
}

void ShowPlatformMessageBox(const AnsiString& caption, const AnsiString& text,
                            TMessageBoxIcon icon) {
    EnsureGtk();
    GtkMessageType type = GTK_MESSAGE_OTHER;
    switch (icon) {
    case TMessageBoxIcon::Error:
        type = GTK_MESSAGE_ERROR;
        break;
    case TMessageBoxIcon::Warning:
        type = GTK_MESSAGE_WARNING;
        break;
    case TMessageBoxIcon::Information:
        type = GTK_MESSAGE_INFO;
        break;
    case TMessageBoxIcon::Question:
        type = GTK_MESSAGE_QUESTION;
        break;
    default:
        break;
    }
    GtkWidget* dialog = gtk_message_dialog_new(ActiveWindow(), GTK_DIALOG_MODAL, type,
                                               GTK_BUTTONS_OK, "%s", ToUtf8(text).c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), ToUtf8(caption).c_str());
    gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
}

bool TClipboard::Open() {
    EnsureGtk();
    return true;
}

void TClipboard::Close() {
    gtk_clipboard_store(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
}

void TClipboard::Clear() {
    gtk_clipboard_clear(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
}

void TClipboard::SetAsText(const AnsiString& text) {
    const std::string utf8 = ToUtf8(text);
    gtk_clipboard_set_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), utf8.c_str(),
                           static_cast<gint>(utf8.size()));
}

AnsiString TClipboard::AsText() {
    EnsureGtk();
    gchar* text = gtk_clipboard_wait_for_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
    AnsiString result = FromUtf8(text);
    g_free(text);
    return result;
}

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}
