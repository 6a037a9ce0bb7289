#include "ui/Bitmap.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GroupHeader.h"
#include "ui/Panel.h"
#include "ui/TextMetrics.h"
#include "ui/ToolButton.h"

#include <gtest/gtest.h>

namespace {

class TPlainForm : public TForm {
public:
    using TForm::TForm;
};

TEST(Memo, SplitsTextAtEveryKindOfLineBreak) {
    const std::pair<const char*, std::vector<AnsiString>> cases[] = {
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\r", {"a", ""}}, // LF then CR: two breaks
        {"a\r\n", {"a"}},
        {"", {}},
        {"\r\n\r\n", {"", ""}},
    };
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(SplitLines(text), lines) << testing::PrintToString(text);
    }
    TComponent root(nullptr);
    TMemo memo(&root);
    memo.SetText("one\rtwo");
    EXPECT_EQ(memo.Text(), "one\r\ntwo\r\n");
}

TEST(Memo, LinesOnAFormCreateTheFormsWindow) {
    TComponent root(nullptr);
    TForm* form = CreateForm<TPlainForm>(&root);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* memo = new TMemo(form);
    memo->SetParent(panel);
    EXPECT_FALSE(form->HandleAllocated());
    memo->SetLines({"x"});
    EXPECT_TRUE(form->HandleAllocated());
    EXPECT_TRUE(panel->HandleAllocated());
    TMemo loose(&root); // on no form: nothing to create
    loose.SetLines({"y"});
    EXPECT_FALSE(loose.HandleAllocated());
}

TEST(Memo, TakesEnterAsANewLineButLeavesTabToTheForm) {
    TComponent root(nullptr);
    TMemo memo(&root);
    EXPECT_TRUE(memo.WantsKey(kKeyReturn, 0));
    EXPECT_FALSE(memo.WantsKey(kKeyTab, 0));
    memo.SetWantReturns(false);
    EXPECT_FALSE(memo.WantsKey(kKeyReturn, 0));
    TEdit edit(&root);
    EXPECT_FALSE(edit.WantsKey(kKeyReturn, 0));
}

TBitmap Picture(std::initializer_list<std::string_view> rows) {
    TBitmap picture{static_cast<int>(rows.begin()->size()), static_cast<int>(rows.size()), {}};
    for (std::string_view row : rows) {
        for (char c : row) {
            picture.Pixels.push_back(c == 'k'   ? TRgb{0, 0, 0}
                                     : c == 'w' ? TRgb{255, 255, 255}
                                     : c == 'r' ? TRgb{220, 0, 0}
                                                : TRgb{0, 0, 255});
        }
    }
    return picture;
}

TEST(ToolButton, BottomLeftColourIsTransparentAndDisabledPicturesAreEmbossed) {
    // Blue in the bottom-left corner: blue is transparent, black is not.
    const TBitmap picture = Picture({"kwr", "bkb", "bbb"});
    const TRgbaImage normal = RenderButtonPicture(picture, false);
    EXPECT_EQ(normal.Alpha(0, 0), 255);
    EXPECT_EQ(normal.Pixel(2, 0), (TRgb{220, 0, 0}));
    EXPECT_EQ(normal.Alpha(0, 1), 0);
    EXPECT_EQ(normal.Alpha(2, 2), 0);

    // Greyed: the dark pixels (black, red) in button shadow, their highlight one pixel down and
    // right; the white pixel vanishes.
    const TRgbaImage greyed = RenderButtonPicture(picture, true);
    const TRgb shadow = ColorToRgb(clBtnShadow);
    const TRgb highlight = ColorToRgb(clBtnHighlight);
    EXPECT_EQ(greyed.Pixel(0, 0), shadow);
    EXPECT_EQ(greyed.Pixel(2, 0), shadow);
    EXPECT_EQ(greyed.Alpha(1, 0), 0);
    EXPECT_EQ(greyed.Pixel(1, 1), shadow);    // the black centre
    EXPECT_EQ(greyed.Pixel(2, 2), highlight); // below and right of the centre
    EXPECT_EQ(greyed.Alpha(0, 2), 0);

    TComponent root(nullptr);
    TToolButton button(&root);
    button.SetPicture(picture);
    EXPECT_EQ(button.RenderedPicture().Rgba, normal.Rgba);
    button.SetEnabled(false);
    EXPECT_EQ(button.RenderedPicture().Rgba, greyed.Rgba);
}

TEST(GroupHeader, RuleRunsFromTwelveAfterTheCaptionToTheCaptionsWidthPlusTwelveFromTheEnd) {
    TComponent root(nullptr);
    TGroupHeader header(&root);
    header.SetBounds(0, 0, 554, 17);
    const TGroupHeader::TGeometry geometry = header.Geometry({50, 13});
    EXPECT_EQ(geometry.CaptionOrigin, (TPoint{4, 0}));
    EXPECT_EQ(geometry.RuleLeft, 66);
    EXPECT_EQ(geometry.RuleRight, 554 - 62 - 1); // the last column drawn
    EXPECT_EQ(geometry.RuleTop, 6);
    header.SetWidth(120); // too narrow for any rule
    EXPECT_FALSE(header.Geometry({50, 13}).HasRule());
}

TEST(TextMetrics, HeadlessMetricsAreTheDocumentedOnes) {
    TFont font; // 8 points: 11 pixels, characters 6 wide, lines 13 high
    EXPECT_EQ(TextExtent(font, "OK"), (TSize{12, 13}));
    EXPECT_EQ(TextExtent(font, ""), (TSize{0, 13}));
    // 60 pixels hold ten characters: "aaa bbb" fits, "ccc" goes on.
    EXPECT_EQ(WrappedTextExtent(font, "aaa bbb ccc", 60), (TSize{42, 26}));
    EXPECT_EQ(WrappedTextExtent(font, "a\r\nb\rc", 600), (TSize{6, 39}));
    EXPECT_EQ(WrappedTextExtent(font, "a\tb", 600), (TSize{54, 13}));
    EXPECT_EQ(WrappedTextExtent(font, "verylongword x", 30), (TSize{72, 26}));
}

} // namespace
