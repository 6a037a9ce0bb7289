#include "ui/backend/TextMetrics.h"
#include "ui/gtk/GtkBackend.h"

namespace {

// A layout in the screen's Pango context, as widgets draw text.
class TMeasuringLayout {
public:
    TMeasuringLayout(const TFont& font, std::string_view text) {
        EnsureGtk();
        FContext = gdk_pango_context_get();
        FLayout = pango_layout_new(FContext);
        PangoFontDescription* description = NewFontDescription(font);
        pango_layout_set_font_description(FLayout, description);
        pango_font_description_free(description);
        const std::string utf8 = ToUtf8(text);
        pango_layout_set_text(FLayout, utf8.c_str(), static_cast<int>(utf8.size()));
    }
    ~TMeasuringLayout() {
        g_object_unref(FLayout);
        g_object_unref(FContext);
    }
    TMeasuringLayout(const TMeasuringLayout&) = delete;
    TMeasuringLayout& operator=(const TMeasuringLayout&) = delete;

    PangoLayout* Get() const { return FLayout; }
    TSize Size() const {
        PangoRectangle logical{};
        pango_layout_get_pixel_extents(FLayout, nullptr, &logical);
        return {logical.width, logical.height};
    }

private:
    PangoContext* FContext = nullptr;
    PangoLayout* FLayout = nullptr;
};

} // namespace

TSize TextExtent(const TFont& font, std::string_view text) {
    TMeasuringLayout layout(font, text);
    pango_layout_set_single_paragraph_mode(layout.Get(), TRUE);
    return layout.Size();
}

TSize WrappedTextExtent(const TFont& font, std::string_view text, int maxWidth) {
    TMeasuringLayout layout(font, text);
    pango_layout_set_width(layout.Get(), std::max(0, maxWidth) * PANGO_SCALE);
    pango_layout_set_wrap(layout.Get(), PANGO_WRAP_WORD);
    return layout.Size();
}
