#include "platform/CodePage.h"
#include "runtime/Exception.h"
#include "shell/PreparedMailForm.h"
#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/uDefStrings.h"
#include "ui/Application.h"
#include "ui/Screen.h"
#include "ui/gtk/GtkControlPeer.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

namespace {

// The message window on the real window system, driven by real key events.
class MailWindowGtk : public ::testing::Test {
protected:
    void SetUp() override {
        FillDefStrings();
        CreateBabelFishAdmin();
        Application().Initialize();
        Form = Application().CreateForm<TPreparedMailForm>();
        Form->Show();
        gtk_test_widget_wait_for_draw(Widget(*Form));
        Settle();
    }
    void TearDown() override {
        Application().DestroyComponents();
        FreeBabelFishAdmin();
        ClearDefStrings();
    }

    static GtkWidget* Widget(const TControl& control) {
        return static_cast<TGtkPeer*>(control.Peer())->Outer();
    }
    // Lets the window system deliver what is pending.
    static void Settle() {
        for (int round = 0; round < 20; ++round) {
            while (gtk_events_pending()) {
                gtk_main_iteration_do(FALSE);
            }
            g_usleep(5000);
        }
    }
    // Where the model puts a control, in the window's client coordinates.
    static TPoint ModelOrigin(const TControl& control) {
        const TWinControl* parent = control.Parent();
        if (!parent) {
            return {};
        }
        TPoint origin = ModelOrigin(*parent);
        if (parent->Parent()) { // a form's client area is its window
            origin.X += parent->BorderInsets().Left;
            origin.Y += parent->BorderInsets().Top;
        }
        return {origin.X + control.Left(), origin.Y + control.Top()};
    }
    void ExpectPlacedAsTheModelSays() {
        TControl* controls[] = {Form->grphRecipient, Form->pnRecepient, Form->edRecipient,
                                Form->grphSubject,   Form->pnSubject,   Form->edSubject,
                                Form->grphBody,      Form->pnBody,      Form->memoBody,
                                Form->pnButtons,     Form->btnOk,       Form->btnMapi};
        for (TControl* control : controls) {
            GtkWidget* widget = Widget(*control);
            GtkAllocation area{};
            gtk_widget_get_allocation(widget, &area);
            int x = 0;
            int y = 0;
            ASSERT_TRUE(gtk_widget_translate_coordinates(widget, Widget(*Form), 0, 0, &x, &y));
            const TPoint origin = ModelOrigin(*control);
            EXPECT_EQ((TRect{x, y, x + area.width, y + area.height}),
                      MakeBounds(origin.X, origin.Y, control->Width(), control->Height()))
                << control->Name();
            // The designed size holds: the widget needs no more than it is given.
            int minimumHeight = 0;
            gtk_widget_get_preferred_height(widget, &minimumHeight, nullptr);
            EXPECT_LE(minimumHeight, control->Height()) << control->Name();
        }
    }

    TPreparedMailForm* Form = nullptr;
};

TEST_F(MailWindowGtk, EveryControlLiesExactlyWhereTheDesignPutsIt) {
    int width = 0;
    int height = 0;
    gtk_window_get_size(GTK_WINDOW(Widget(*Form)), &width, &height);
    EXPECT_EQ(width, 554);
    EXPECT_EQ(height, 290);
    ExpectPlacedAsTheModelSays();
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(Widget(*Form))), "VEXA – Message to support");
    EXPECT_STREQ(gtk_entry_get_text(GTK_ENTRY(Widget(*Form->edRecipient))),
                 "support@brenik.example");
    EXPECT_FALSE(gtk_editable_get_editable(GTK_EDITABLE(Widget(*Form->edSubject))));
    EXPECT_FALSE(gtk_widget_get_can_focus(Widget(*Form->btnMapi)));
    gchar* tooltip = gtk_widget_get_tooltip_text(Widget(*Form->btnMapi));
    EXPECT_STREQ(tooltip, "Send the message with your own e-mail program");
    g_free(tooltip);
}

TEST_F(MailWindowGtk, WideningTheWindowStretchesTheFieldsAndCentresOk) {
    gtk_window_resize(GTK_WINDOW(Widget(*Form)), 1000, 400);
    Settle();
    EXPECT_EQ(Form->ClientWidth(), 1000);
    EXPECT_EQ(Form->btnOk->Left(), 455);
    EXPECT_EQ(Form->memoBody->Height(), 221);
    ExpectPlacedAsTheModelSays();
    // Far below the design: everything shrinks or is cut off, and GTK does not complain.
    gtk_window_resize(GTK_WINDOW(Widget(*Form)), 60, 40);
    Settle();
    EXPECT_EQ(Form->ClientWidth(), 60);
    EXPECT_EQ(Form->btnOk->Left(), -15);
    EXPECT_EQ(Form->memoBody->Width(), 43); // 8 and 7 from the panel's inner edges
}

TEST_F(MailWindowGtk, TabMovesTheFocusInTabOrderAndEnterInTheBodyDoesNothing) {
    // A key event as the window system delivers it to the active window.
    auto press = [this](guint key, GdkModifierType modifiers) {
        GdkWindow* window = gtk_widget_get_window(Widget(*Form));
        GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(window));
        GdkKeymapKey* entries = nullptr;
        gint count = 0;
        gdk_keymap_get_entries_for_keyval(
            gdk_keymap_get_for_display(gdk_window_get_display(window)), key, &entries, &count);
        for (GdkEventType type : {GDK_KEY_PRESS, GDK_KEY_RELEASE}) {
            GdkEvent* event = gdk_event_new(type);
            event->key.window = GDK_WINDOW(g_object_ref(window));
            event->key.time = GDK_CURRENT_TIME;
            event->key.state = modifiers;
            event->key.keyval = key;
            event->key.hardware_keycode = count > 0 ? entries[0].keycode : 0;
            gdk_event_set_device(event, gdk_seat_get_keyboard(seat));
            gdk_event_put(event);
            gdk_event_free(event);
        }
        g_free(entries);
        Settle();
    };
    EXPECT_EQ(Form->ActiveControl(), Form->edRecipient);
    press(GDK_KEY_Tab, GdkModifierType(0));
    EXPECT_EQ(Form->ActiveControl(), Form->edSubject);
    EXPECT_TRUE(gtk_widget_has_focus(Widget(*Form->edSubject)));
    press(GDK_KEY_Tab, GdkModifierType(0));
    ASSERT_EQ(Form->ActiveControl(), Form->memoBody);
    const std::vector<AnsiString> lines = Form->memoBody->Lines();
    press(GDK_KEY_Return, GdkModifierType(0));
    EXPECT_FALSE(Application().Terminated());
    EXPECT_EQ(Form->memoBody->Lines(), lines);
    press(GDK_KEY_Tab, GdkModifierType(0));
    EXPECT_EQ(Form->ActiveControl(), Form->btnOk);
    press(GDK_KEY_ISO_Left_Tab, GDK_SHIFT_MASK);
    press(GDK_KEY_ISO_Left_Tab, GDK_SHIFT_MASK);
    EXPECT_EQ(Form->ActiveControl(), Form->edSubject);
    press(GDK_KEY_Return, GdkModifierType(0));
    EXPECT_TRUE(Application().Terminated());
}

TEST_F(MailWindowGtk, FailureOfAHandlerIsShownInAnErrorBoxAndTheWindowStays) {
    struct Shown {
        bool Found = false;
        std::string Title;
        std::string Text;
        GtkMessageType Type = GTK_MESSAGE_OTHER;
        bool OverTheWindow = false;
        GtkWidget* MainWindow = nullptr;
    } shown;
    shown.MainWindow = Widget(*Form);
    // Reads the box once it is up and answers it, which ends its modal loop.
    const guint watch = g_timeout_add(
        20,
        [](gpointer data) -> gboolean {
            auto& seen = *static_cast<Shown*>(data);
            GList* windows = gtk_window_list_toplevels();
            for (GList* item = windows; item; item = item->next) {
                if (!GTK_IS_MESSAGE_DIALOG(item->data) ||
                    !gtk_widget_get_mapped(GTK_WIDGET(item->data))) {
                    continue;
                }
                GtkWindow* box = GTK_WINDOW(item->data);
                gchar* text = nullptr;
                g_object_get(box, "text", &text, "message-type", &seen.Type, nullptr);
                seen.Found = true;
                seen.Title = gtk_window_get_title(box);
                seen.Text = text ? text : "";
                seen.OverTheWindow =
                    GTK_WIDGET(gtk_window_get_transient_for(box)) == seen.MainWindow;
                g_free(text);
                gtk_dialog_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
            }
            g_list_free(windows);
            return seen.Found ? G_SOURCE_REMOVE : G_SOURCE_CONTINUE;
        },
        &shown);
    Application().Title = "VEXA Mail";
    Form->btnOk->OnClick = [](TComponent&) {
        throw Exception(Utf8ToAnsi("Datei für Bezugslinie nicht gefunden"));
    };
    gtk_button_clicked(GTK_BUTTON(Widget(*Form->btnOk)));
    if (!shown.Found) {
        g_source_remove(watch);
    }
    ASSERT_TRUE(shown.Found);
    EXPECT_EQ(shown.Title, "VEXA Mail");
    EXPECT_EQ(shown.Text, "Datei für Bezugslinie nicht gefunden.");
    EXPECT_EQ(shown.Type, GTK_MESSAGE_ERROR);
    EXPECT_TRUE(shown.OverTheWindow);
    Settle();
    EXPECT_TRUE(gtk_widget_get_visible(Widget(*Form)));
    EXPECT_EQ(Screen().FormCount(), 1);
}

} // namespace
