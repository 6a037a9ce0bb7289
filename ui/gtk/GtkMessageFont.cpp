#include "platform/CodePage.h"
#include "ui/backend/MessageFont.h"

#include <gtk/gtk.h>
#include <memory>

// The desktop's default font, as GTK's settings name it ("Cantarell 11").
bool PlatformMessageFont(TFont& font) {
    GtkSettings* settings = gtk_settings_get_default();
    if (!settings) {
        return false;
    }
    gchar* name = nullptr;
    g_object_get(settings, "gtk-font-name", &name, nullptr);
    const std::unique_ptr<gchar, decltype(&g_free)> owned(name, g_free);
    if (!name) {
        return false;
    }
    const std::unique_ptr<PangoFontDescription, decltype(&pango_font_description_free)> description(
        pango_font_description_from_string(name), pango_font_description_free);
    const char* family = pango_font_description_get_family(description.get());
    const int size = pango_font_description_get_size(description.get());
    if (!family || size <= 0 || pango_font_description_get_size_is_absolute(description.get())) {
        return false;
    }
    font.Name = Utf8ToAnsi(family);
    font.Size = (size + PANGO_SCALE / 2) / PANGO_SCALE;
    return true;
}
