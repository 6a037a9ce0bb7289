#include "ui/gtk/GtkStyle.h"

#include "ui/gtk/GtkBackend.h"

namespace {

constexpr const char* kStyleSheet = R"css(
.vexa-entry {
    min-height: 0;
    min-width: 0;
    padding: 1px 3px;
    border-width: 1px;
    border-radius: 0;
}
.vexa-memo {
    border-radius: 0;
}
.vexa-memo text {
    padding: 0 2px;
}
.vexa-button {
    min-height: 0;
    min-width: 0;
    padding: 1px 4px;
    border-radius: 2px;
}
.vexa-tool, .vexa-tool:hover, .vexa-tool:active, .vexa-tool:disabled {
    min-height: 0;
    min-width: 0;
    padding: 0;
    border-width: 0;
    border-radius: 0;
    background-image: none;
    background-color: transparent;
    box-shadow: none;
    outline-width: 0;
}
.vexa-tool:hover {
    box-shadow: inset 0 0 0 1px rgb(160, 160, 160);
}
.vexa-tool:active {
    box-shadow: inset 0 0 0 1px rgb(105, 105, 105);
}
.vexa-tool image, .vexa-tool:disabled image {
    -gtk-icon-effect: none;
    -gtk-icon-shadow: none;
    opacity: 1;
}
)css";

} // namespace

void InstallGtkStyleSheet() {
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kStyleSheet, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(),
                                              GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}
