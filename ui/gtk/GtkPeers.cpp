#include "runtime/Format.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/GroupHeader.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/ToolButton.h"
#include "ui/gtk/GtkBackend.h"
#include "ui/gtk/GtkFormPeer.h"
#include "ui/gtk/GtkStyle.h"

namespace {

GtkLayout* NewLayout() {
    return GTK_LAYOUT(gtk_layout_new(nullptr, nullptr));
}

// A panel: a layout for its children on its colour, with the flat border drawn inside.
class TGtkPanelPeer final : public TGtkPeer {
public:
    explicit TGtkPanelPeer(TPanel& panel) : TGtkPeer(panel, GTK_WIDGET(NewLayout())) {
        Connect(Outer(), "draw", G_CALLBACK(OnDraw));
        Synchronise();
    }
    GtkLayout* Container() override { return GTK_LAYOUT(Outer()); }
    TPoint ChildOffset() const override {
        const TRect insets = Control().BorderInsets();
        return {insets.Left, insets.Top};
    }

protected:
    void ApplyContent() override { gtk_widget_queue_draw(Outer()); }

private:
    static gboolean OnDraw(GtkWidget* widget, cairo_t* cairo, gpointer data) noexcept {
        auto& panel = static_cast<TPanel&>(static_cast<TGtkPanelPeer*>(data)->Control());
        PaintBackground(cairo, widget, panel.Color());
        if (panel.Border() == TPanelBorder::Flat) {
            const GdkRGBA line = ToGdkColor(clBtnShadow);
            gdk_cairo_set_source_rgba(cairo, &line);
            cairo_set_line_width(cairo, 1);
            cairo_rectangle(cairo, 0.5, 0.5, panel.Width() - 1, panel.Height() - 1);
            cairo_stroke(cairo);
        }
        return FALSE;
    }
};

// A single-line edit: an entry that takes no width of its own from its text.
class TGtkEditPeer final : public TGtkPeer {
public:
    explicit TGtkEditPeer(TEdit& edit) : TGtkPeer(edit, gtk_entry_new()) {
        GtkEntry* entry = GTK_ENTRY(Outer());
        gtk_entry_set_width_chars(entry, 0);
        gtk_style_context_add_class(gtk_widget_get_style_context(Outer()), kStyleEntry);
        SetFocusWidget(Outer());
        Connect(Outer(), "changed", G_CALLBACK(OnChanged));
        Synchronise();
    }

protected:
    std::string StyleRules() const override {
        return "entry { {font} background-color: " + CssColor(Control().Color()) + "; }";
    }
    void ApplyText() override {
        const std::string text = ToUtf8(Control().Caption());
        if (text != gtk_entry_get_text(GTK_ENTRY(Outer()))) {
            FSetting = true;
            gtk_entry_set_text(GTK_ENTRY(Outer()), text.c_str());
            FSetting = false;
        }
    }
    void ApplyContent() override {
        gtk_editable_set_editable(GTK_EDITABLE(Outer()),
                                  !static_cast<TEdit&>(Control()).ReadOnly());
    }

private:
    static void OnChanged(GtkEditable* editable, gpointer data) noexcept {
        auto* peer = static_cast<TGtkEditPeer*>(data);
        if (peer->FSetting) {
            return;
        }
        const AnsiString text = FromUtf8(gtk_entry_get_text(GTK_ENTRY(editable)));
        RunGuarded([peer, &text] { peer->Control().SetCaption(text); });
    }

    bool FSetting = false;
};

// A multi-line edit: a text view in a scrolled window with a frame.
class TGtkMemoPeer final : public TGtkPeer {
public:
    explicit TGtkMemoPeer(TMemo& memo)
        : TGtkPeer(memo, gtk_scrolled_window_new(nullptr, nullptr)), FView(gtk_text_view_new()) {
        GtkScrolledWindow* scrolled = GTK_SCROLLED_WINDOW(Outer());
        gtk_scrolled_window_set_shadow_type(scrolled, GTK_SHADOW_IN);
        gtk_scrolled_window_set_overlay_scrolling(scrolled, FALSE);
        gtk_scrolled_window_set_min_content_width(scrolled, 0);
        gtk_scrolled_window_set_min_content_height(scrolled, 0);
        gtk_container_add(GTK_CONTAINER(Outer()), FView);
        gtk_widget_show(FView);
        gtk_style_context_add_class(gtk_widget_get_style_context(FView), kStyleMemo);
        SetStyledWidget(FView);
        SetFocusWidget(FView);
        Connect(gtk_text_view_get_buffer(GTK_TEXT_VIEW(FView)), "changed", G_CALLBACK(OnChanged));
        Synchronise();
    }
    ~TGtkMemoPeer() override {
        g_signal_handlers_disconnect_matched(gtk_text_view_get_buffer(GTK_TEXT_VIEW(FView)),
                                             G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr, this);
    }

protected:
    std::string StyleRules() const override {
        return "textview { {font} } textview text { background-color: " +
               CssColor(Control().Color()) + "; color: " + CssColor(Control().Font().Color) + "; }";
    }
    void ApplyContent() override {
        auto& memo = static_cast<TMemo&>(Control());
        GtkTextView* view = GTK_TEXT_VIEW(FView);
        gtk_text_view_set_editable(view, !memo.ReadOnly());
        gtk_text_view_set_wrap_mode(view, memo.WordWrap() ? GTK_WRAP_WORD_CHAR : GTK_WRAP_NONE);
        const TScrollStyle bars = memo.ScrollBars();
        // Without a scroll bar the text still scrolls; it never widens the field.
        const bool horizontal = bars == TScrollStyle::Horizontal || bars == TScrollStyle::Both;
        const bool vertical = bars == TScrollStyle::Vertical || bars == TScrollStyle::Both;
        gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(Outer()),
                                       horizontal ? GTK_POLICY_ALWAYS : GTK_POLICY_EXTERNAL,
                                       vertical ? GTK_POLICY_ALWAYS : GTK_POLICY_EXTERNAL);
        if (FSetting) {
            return; // the buffer itself told the model
        }
        std::string text;
        for (std::size_t i = 0; i < memo.Lines().size(); ++i) {
            text += (i ? "\n" : "") + ToUtf8(memo.Lines()[i]);
        }
        GtkTextBuffer* buffer = gtk_text_view_get_buffer(view);
        GtkTextIter start;
        GtkTextIter end;
        gtk_text_buffer_get_bounds(buffer, &start, &end);
        gchar* current = gtk_text_buffer_get_text(buffer, &start, &end, FALSE);
        const bool same = text == current;
        g_free(current);
        if (!same) {
            FSetting = true;
            gtk_text_buffer_set_text(buffer, text.c_str(), static_cast<gint>(text.size()));
            FSetting = false;
        }
    }

private:
    static void OnChanged(GtkTextBuffer* buffer, gpointer data) noexcept {
        auto* peer = static_cast<TGtkMemoPeer*>(data);
        if (peer->FSetting) {
            return;
        }
        GtkTextIter start;
        GtkTextIter end;
        gtk_text_buffer_get_bounds(buffer, &start, &end);
        gchar* text = gtk_text_buffer_get_text(buffer, &start, &end, FALSE);
        const AnsiString ansi = FromUtf8(text);
        g_free(text);
        peer->FSetting = true;
        RunGuarded([peer, &ansi] { static_cast<TMemo&>(peer->Control()).SetText(ansi); });
        peer->FSetting = false;
    }

    GtkWidget* FView;
    bool FSetting = false;
};

// The model writes accelerators as "&x" and a literal ampersand as "&&"; GTK marks them with "_".
std::string MnemonicLabel(const AnsiString& caption) {
    std::string label;
    const std::string utf8 = ToUtf8(caption);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '_') {
            label += "__";
        } else if (utf8[i] == '&' && i + 1 < utf8.size()) {
            label += utf8[i + 1] == '&' ? "&" : "_";
            if (utf8[i + 1] == '&') {
                ++i;
            }
        } else {
            label += utf8[i];
        }
    }
    return label;
}

class TGtkButtonPeer final : public TGtkPeer {
public:
    explicit TGtkButtonPeer(TButton& button) : TGtkPeer(button, gtk_button_new_with_label("")) {
        gtk_style_context_add_class(gtk_widget_get_style_context(Outer()), kStyleButton);
        gtk_button_set_use_underline(GTK_BUTTON(Outer()), TRUE);
        gtk_widget_set_can_default(Outer(), TRUE);
        SetFocusWidget(Outer());
        Connect(Outer(), "clicked", G_CALLBACK(OnClicked));
        Synchronise();
    }

protected:
    std::string StyleRules() const override { return "button { {font} }"; }
    void ApplyText() override {
        gtk_button_set_label(GTK_BUTTON(Outer()), MnemonicLabel(Control().Caption()).c_str());
    }
    void ApplyContent() override {
        GtkStyleContext* style = gtk_widget_get_style_context(Outer());
        if (static_cast<TButton&>(Control()).Default()) {
            gtk_style_context_add_class(style, GTK_STYLE_CLASS_DEFAULT);
        } else {
            gtk_style_context_remove_class(style, GTK_STYLE_CLASS_DEFAULT);
        }
    }

private:
    static void OnClicked(GtkButton*, gpointer data) noexcept {
        auto* peer = static_cast<TGtkButtonPeer*>(data);
        RunGuarded([peer] { peer->Control().Click(); });
    }
};

GdkPixbuf* NewPixbuf(const TRgbaImage& image) {
    if (image.Width <= 0 || image.Height <= 0) {
        return nullptr;
    }
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, image.Width, image.Height);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    for (int y = 0; y < image.Height; ++y) {
        std::copy_n(image.Rgba.data() + static_cast<std::size_t>(y) * image.Width * 4,
                    image.Width * 4, pixels + static_cast<std::size_t>(y) * stride);
    }
    return pixbuf;
}

// A flat button that never takes the focus and shows the picture the model renders.
class TGtkToolButtonPeer final : public TGtkPeer {
public:
    explicit TGtkToolButtonPeer(TToolButton& button)
        : TGtkPeer(button, gtk_button_new()), FImage(gtk_image_new()) {
        GtkButton* widget = GTK_BUTTON(Outer());
        gtk_button_set_relief(widget, GTK_RELIEF_NONE);
        gtk_widget_set_can_focus(Outer(), FALSE);
        gtk_widget_set_focus_on_click(Outer(), FALSE);
        gtk_style_context_add_class(gtk_widget_get_style_context(Outer()), kStyleTool);
        gtk_container_add(GTK_CONTAINER(Outer()), FImage);
        gtk_widget_show(FImage);
        Connect(Outer(), "clicked", G_CALLBACK(OnClicked));
        Synchronise();
    }

protected:
    void ApplyContent() override {
        GdkPixbuf* pixbuf = NewPixbuf(static_cast<TToolButton&>(Control()).RenderedPicture());
        gtk_image_set_from_pixbuf(GTK_IMAGE(FImage), pixbuf);
        if (pixbuf) {
            g_object_unref(pixbuf);
        }
    }

private:
    static void OnClicked(GtkButton*, gpointer data) noexcept {
        auto* peer = static_cast<TGtkToolButtonPeer*>(data);
        RunGuarded([peer] {
            if (peer->Control().CanClick()) {
                peer->Control().Click();
            }
        });
    }

    GtkWidget* FImage;
};

PangoLayout* NewTextLayout(GtkWidget* widget, const TControl& control, const AnsiString& text) {
    PangoLayout* layout = gtk_widget_create_pango_layout(widget, ToUtf8(text).c_str());
    PangoFontDescription* description = NewFontDescription(control.Font());
    pango_layout_set_font_description(layout, description);
    pango_font_description_free(description);
    return layout;
}

void SetSource(cairo_t* cairo, TColor color) {
    const GdkRGBA rgba = ToGdkColor(color);
    gdk_cairo_set_source_rgba(cairo, &rgba);
}

// Controls that draw themselves on their parent's colour.
class TGtkDrawnPeer : public TGtkPeer {
public:
    explicit TGtkDrawnPeer(TControl& control) : TGtkPeer(control, gtk_drawing_area_new()) {
        Connect(Outer(), "draw", G_CALLBACK(OnDraw));
    }

protected:
    void ApplyText() override { gtk_widget_queue_draw(Outer()); }
    void ApplyContent() override { gtk_widget_queue_draw(Outer()); }
    virtual void Draw(cairo_t* cairo) = 0;

private:
    static gboolean OnDraw(GtkWidget* widget, cairo_t* cairo, gpointer data) noexcept {
        auto* peer = static_cast<TGtkDrawnPeer*>(data);
        PaintBackground(cairo, widget, peer->Control().Color());
        peer->Draw(cairo);
        return FALSE;
    }
};

class TGtkGroupHeaderPeer final : public TGtkDrawnPeer {
public:
    explicit TGtkGroupHeaderPeer(TGroupHeader& header) : TGtkDrawnPeer(header) { Synchronise(); }

protected:
    void Draw(cairo_t* cairo) override {
        auto& header = static_cast<TGroupHeader&>(Control());
        PangoLayout* layout = NewTextLayout(Outer(), header, header.Caption());
        int width = 0;
        int height = 0;
        pango_layout_get_pixel_size(layout, &width, &height);
        const TGroupHeader::TGeometry geometry = header.Geometry({width, height});
        SetSource(cairo, header.Enabled() ? header.Font().Color : clGrayText);
        cairo_move_to(cairo, geometry.CaptionOrigin.X, geometry.CaptionOrigin.Y);
        pango_cairo_show_layout(cairo, layout);
        g_object_unref(layout);
        if (geometry.HasRule()) {
            const int length = geometry.RuleRight - geometry.RuleLeft + 1;
            SetSource(cairo, clBtnShadow);
            cairo_rectangle(cairo, geometry.RuleLeft, geometry.RuleTop, length, 1);
            cairo_fill(cairo);
            SetSource(cairo, clBtnHighlight);
            cairo_rectangle(cairo, geometry.RuleLeft, geometry.RuleTop + 1, length, 1);
            cairo_fill(cairo);
        }
    }
};

class TGtkLabelPeer final : public TGtkDrawnPeer {
public:
    explicit TGtkLabelPeer(TLabel& label) : TGtkDrawnPeer(label) { Synchronise(); }

protected:
    void Draw(cairo_t* cairo) override {
        auto& label = static_cast<TLabel&>(Control());
        PangoLayout* layout = NewTextLayout(Outer(), label, label.Caption());
        if (label.WordWrap()) {
            pango_layout_set_width(layout, label.Width() * PANGO_SCALE);
            pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
        }
        if (label.UseRightToLeftAlignment()) {
            pango_layout_set_width(layout, label.Width() * PANGO_SCALE);
            pango_layout_set_alignment(layout, PANGO_ALIGN_RIGHT);
        }
        SetSource(cairo, label.Enabled() ? label.Font().Color : clGrayText);
        cairo_move_to(cairo, 0, 0);
        pango_cairo_show_layout(cairo, layout);
        g_object_unref(layout);
    }
};

const char* IconName(TStockIcon icon) {
    switch (icon) {
    case TStockIcon::Error:
        return "dialog-error";
    case TStockIcon::Warning:
        return "dialog-warning";
    case TStockIcon::Information:
        return "dialog-information";
    case TStockIcon::Question:
        return "dialog-question";
    default:
        return nullptr;
    }
}

class TGtkImagePeer final : public TGtkPeer {
public:
    explicit TGtkImagePeer(TImage& image) : TGtkPeer(image, gtk_image_new()) {
        gtk_widget_set_halign(Outer(), GTK_ALIGN_START);
        gtk_widget_set_valign(Outer(), GTK_ALIGN_START);
        Synchronise();
    }

protected:
    void ApplyContent() override {
        GtkImage* image = GTK_IMAGE(Outer());
        if (const char* name = IconName(static_cast<TImage&>(Control()).StockIcon())) {
            gtk_image_set_from_icon_name(image, name, GTK_ICON_SIZE_DIALOG);
            gtk_image_set_pixel_size(image, 32);
        } else {
            gtk_image_clear(image);
        }
    }
};

} // namespace

std::unique_ptr<TControlPeer> CreatePeer(TControl& control) {
    switch (control.Kind()) {
    case TControlKind::Form:
        return std::make_unique<TGtkFormPeer>(static_cast<TForm&>(control));
    case TControlKind::Panel:
        return std::make_unique<TGtkPanelPeer>(static_cast<TPanel&>(control));
    case TControlKind::Edit:
        return std::make_unique<TGtkEditPeer>(static_cast<TEdit&>(control));
    case TControlKind::Memo:
        return std::make_unique<TGtkMemoPeer>(static_cast<TMemo&>(control));
    case TControlKind::Button:
        return std::make_unique<TGtkButtonPeer>(static_cast<TButton&>(control));
    case TControlKind::ToolButton:
        return std::make_unique<TGtkToolButtonPeer>(static_cast<TToolButton&>(control));
    case TControlKind::GroupHeader:
        return std::make_unique<TGtkGroupHeaderPeer>(static_cast<TGroupHeader&>(control));
    case TControlKind::Label:
        return std::make_unique<TGtkLabelPeer>(static_cast<TLabel&>(control));
    case TControlKind::Image:
        return std::make_unique<TGtkImagePeer>(static_cast<TImage&>(control));
    }
    return nullptr;
}
