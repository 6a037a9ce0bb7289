#include "ui/Form.h"
#include "ui/Panel.h"

#include <gtest/gtest.h>

namespace {

class TPlainForm : public TForm {
public:
    using TForm::TForm;
};

struct Layout : ::testing::Test {
    TComponent Root{nullptr};
    TPlainForm* Form = CreateForm<TPlainForm>(&Root);

    TPanel* Panel(TWinControl* parent, TRect bounds, TAlign align = TAlign::None) {
        auto* panel = new TPanel(&Root);
        panel->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        panel->SetAlign(align);
        panel->SetParent(parent);
        return panel;
    }
};

TEST_F(Layout, StacksFollowTheDesignedPositionsAndTheClientAreaTakesTheRest) {
    Form->SetClientSize(300, 200);
    // Added out of order in one batch: the stack goes by the designed tops, the bottom one by its
    // bottom.
    Form->DisableAlign();
    TPanel* second = Panel(Form, MakeBounds(0, 30, 10, 20), TAlign::Top);
    TPanel* first = Panel(Form, MakeBounds(0, 0, 10, 10), TAlign::Top);
    TPanel* bottom = Panel(Form, MakeBounds(0, 150, 10, 40), TAlign::Bottom);
    TPanel* client = Panel(Form, MakeBounds(5, 5, 5, 5), TAlign::Client);
    Form->EnableAlign();
    EXPECT_EQ(first->BoundsRect(), MakeBounds(0, 0, 300, 10));
    EXPECT_EQ(second->BoundsRect(), MakeBounds(0, 10, 300, 20));
    EXPECT_EQ(bottom->BoundsRect(), MakeBounds(0, 160, 300, 40));
    EXPECT_EQ(client->BoundsRect(), MakeBounds(0, 30, 300, 130));

    Form->SetClientSize(400, 100);
    EXPECT_EQ(bottom->BoundsRect(), MakeBounds(0, 60, 400, 40));
    EXPECT_EQ(client->BoundsRect(), MakeBounds(0, 30, 400, 30));
    Form->SetClientSize(400, 50); // less room than the stacks need: the rest is empty
    EXPECT_EQ(client->Height(), 0);

    second->SetVisible(false); // hidden controls take no room
    EXPECT_EQ(client->Top(), 10);
}

TEST_F(Layout, AnchorsKeepTheDistancesToTheAnchoredEdges) {
    TPanel* parent = Panel(Form, MakeBounds(0, 0, 200, 100));
    parent->SetBorder(TPanelBorder::Flat); // client area 198 by 98
    struct Case {
        TAnchors Anchors;
        TRect After; // once the parent has grown by 100 by 50
    };
    const Case cases[] = {
        {akLeft | akTop, MakeBounds(10, 10, 50, 20)},
        {akLeft | akTop | akRight, MakeBounds(10, 10, 150, 20)},
        {akTop | akRight, MakeBounds(110, 10, 50, 20)},
        {akAll, MakeBounds(10, 10, 150, 70)},
        {0, MakeBounds(60, 35, 50, 20)}, // neither edge: keeps its place in the middle
    };
    for (const Case& c : cases) {
        parent->SetBounds(0, 0, 200, 100);
        TPanel* child = Panel(parent, MakeBounds(10, 10, 50, 20));
        child->SetAnchors(c.Anchors);
        parent->SetBounds(0, 0, 300, 150);
        EXPECT_EQ(child->BoundsRect(), c.After) << int(c.Anchors);
        parent->SetBounds(0, 0, 200, 100);
        EXPECT_EQ(child->BoundsRect(), MakeBounds(10, 10, 50, 20)) << int(c.Anchors);
        delete child;
    }
}

TEST_F(Layout, AStretchedControlShrinksToNothingAndComesBackWhole) {
    TPanel* parent = Panel(Form, MakeBounds(0, 0, 200, 100));
    TPanel* child = Panel(parent, MakeBounds(8, 6, 180, 21));
    child->SetAnchors(akLeft | akTop | akRight);
    parent->SetWidth(20);
    EXPECT_EQ(child->Width(), 0);
    parent->SetWidth(200);
    EXPECT_EQ(child->BoundsRect(), MakeBounds(8, 6, 180, 21));
}

TEST_F(Layout, AFormsClientAreaLiesInsideTheWindowSystemsFrame) {
    // The headless frame of a sizeable form: 8 left, right and below, 31 above.
    Form->SetClientSize(554, 290);
    EXPECT_EQ(Form->Width(), 570);
    EXPECT_EQ(Form->Height(), 329);
    Form->SetBorderStyle(TFormBorderStyle::None);
    EXPECT_EQ(Form->ClientWidth(), 570);
}

TEST_F(Layout, ResizeHandlersRunAfterTheChildrenAreInPlace) {
    TPanel* parent = Panel(Form, MakeBounds(0, 0, 100, 50));
    TPanel* child = Panel(parent, MakeBounds(0, 0, 10, 10), TAlign::Client);
    int widthSeen = -1;
    int calls = 0;
    parent->OnResize = [&](TComponent&) {
        ++calls;
        widthSeen = child->Width();
    };
    parent->SetBounds(5, 5, 100, 50); // moved only
    EXPECT_EQ(calls, 0);
    parent->SetWidth(140);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(widthSeen, 140);
}

} // namespace
