// The least GTK 3 program that maps a window with the message window's controls: three headers,
// four panels, two entries, a text view with a scroll bar, a push button and a picture button.
// The yardstick of the window-mapped benchmark.
#include <gtk/gtk.h>

namespace {

GtkWidget* Put(GtkLayout* layout, GtkWidget* widget, int x, int y, int width, int height) {
    gtk_widget_set_size_request(widget, width, height);
    gtk_layout_put(layout, widget, x, y);
    return widget;
}

gboolean DrawHeader(GtkWidget* widget, cairo_t* cairo, gpointer text) {
    PangoLayout* layout = gtk_widget_create_pango_layout(widget, static_cast<const char*>(text));
    cairo_move_to(cairo, 4, 0);
    pango_cairo_show_layout(cairo, layout);
    g_object_unref(layout);
    cairo_rectangle(cairo, 80, 7, 300, 1);
    cairo_fill(cairo);
    return FALSE;
}

GtkLayout* Panel(GtkLayout* client, int y, int height) {
    auto* panel = GTK_LAYOUT(gtk_layout_new(nullptr, nullptr));
    Put(client, GTK_WIDGET(panel), 0, y, 554, height);
    return panel;
}

void Header(GtkLayout* client, int y, const char* text) {
    GtkWidget* header = Put(client, gtk_drawing_area_new(), 0, y, 554, 17);
    g_signal_connect(header, "draw", G_CALLBACK(DrawHeader), const_cast<char*>(text));
}

GtkWidget* Entry(GtkLayout* panel, const char* text) {
    GtkWidget* entry = gtk_entry_new();
    gtk_entry_set_width_chars(GTK_ENTRY(entry), 0);
    gtk_entry_set_text(GTK_ENTRY(entry), text);
    return Put(panel, entry, 9, 7, 537, 21);
}

} // namespace

int main(int argc, char** argv) {
    gtk_init(&argc, &argv);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "Minimal message window");
    gtk_window_set_default_size(GTK_WINDOW(window), 554, 290);
    auto* client = GTK_LAYOUT(gtk_layout_new(nullptr, nullptr));
    gtk_container_add(GTK_CONTAINER(window), GTK_WIDGET(client));

    Header(client, 0, "Recipient");
    Entry(Panel(client, 17, 41), "support@brenik.example");
    Header(client, 58, "Subject");
    Entry(Panel(client, 75, 41), "Request to VEXA support");
    Header(client, 116, "Message");
    GtkWidget* scrolled = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scrolled), GTK_POLICY_EXTERNAL,
                                   GTK_POLICY_ALWAYS);
    GtkWidget* view = gtk_text_view_new();
    gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view)),
                             "Dear VEXA support team,\n\nI have a question.", -1);
    gtk_container_add(GTK_CONTAINER(scrolled), view);
    Put(Panel(client, 133, 116), scrolled, 9, 1, 537, 111);

    GtkLayout* buttons = Panel(client, 249, 41);
    Put(buttons, gtk_button_new_with_label("OK"), 232, 6, 90, 25);
    GdkPixbuf* picture = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, 32, 32);
    gdk_pixbuf_fill(picture, 0x5A5A5AFF);
    GtkWidget* tool = gtk_button_new();
    gtk_button_set_relief(GTK_BUTTON(tool), GTK_RELIEF_NONE);
    gtk_container_add(GTK_CONTAINER(tool), gtk_image_new_from_pixbuf(picture));
    g_object_unref(picture);
    Put(buttons, tool, 8, 1, 36, 36);

    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
    gtk_widget_show_all(window);
    gtk_main();
    return 0;
}
