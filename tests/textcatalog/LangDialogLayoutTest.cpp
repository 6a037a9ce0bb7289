#include "textcatalog/LangDialogLayout.h"

#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/uDefStrings.h"

#include <gtest/gtest.h>

namespace {

class LangDialogLayout : public ::testing::Test {
protected:
    void SetUp() override {
        FillDefStrings();
        CreateBabelFishAdmin();
        BabelFishAdmin()->SelectLanguage("ENU");
        ButtonWidthCache().fill(0);
    }
    void TearDown() override {
        ButtonWidthCache().fill(0);
        FreeBabelFishAdmin();
        ClearDefStrings();
    }
};

struct TInput {
    int FontSize;
    AnsiString Text;
    TLangDlgType Type;
    TLangDlgButtons Buttons;
    int CachedNoWidth; // 0: not measured yet
};

struct TExpected {
    TDialogUnits Units;
    TSize Button;
    TSize Client;
    TRect Icon;
    TRect Message;
    TPoint FirstButton;
};

// Headless metrics: 8 points give W = 6 and H = 13, so margins 12 and 13, spacings 15 and 16,
// buttons 75 by 23 at least, 6 apart; 12 points give W = 8 and H = 18.
TEST_F(LangDialogLayout, QuantitiesFollowFromTheFontTextAndButtons) {
    const TLangDlgButtons yesNo = LangDlgButtons({lbYes, lbNo});
    const TLangDlgButtons ok = LangDlgButtons({lbOK});
    struct Case {
        const char* Name;
        TInput In;
        TExpected Out;
    };
    const Case cases[] = {
        {"buttons wider than icon and message",
         {8, "x", dtInformation, LangDlgButtons({lbYes, lbNo, lbCancel}), 0},
         {{6, 13},
          {75, 23},
          {237 + 24, 32 + 23 + 16 + 26},
          {12, 13, 44, 45},
          {59, 13, 65, 26},
          {12, 61}}},
        // 10 * 18 / 8 and 14 * 18 / 8 end in a half, which rounds up.
        {"a larger font rounds its units",
         {12, "Hallo", dtCustom, ok, 0},
         {{8, 18}, {100, 32}, {100 + 32, 18 + 32 + 23 + 36}, {}, {16, 18, 56, 36}, {16, 59}}},
        {"a cached caption wider than the minimum widens every button",
         {8, "x", dtCustom, yesNo, 120},
         {{6, 13}, {120, 23}, {246 + 24, 13 + 23 + 16 + 26}, {}, {12, 13, 18, 26}, {12, 42}}},
        // (120 - 75) / 2 truncates.
        {"a message wider than the buttons",
         {8, "abcdefghijklmnop", dtCustom, ok, 0},
         {{6, 13}, {75, 23}, {96 + 24, 13 + 23 + 16 + 26}, {}, {12, 13, 108, 26}, {22, 42}}},
        {"a message taller than the icon",
         {8, "a\r\nb\r\nc", dtWarning, ok, 0},
         {{6, 13},
          {75, 23},
          {75 + 24, 39 + 23 + 16 + 26},
          {12, 13, 44, 45},
          {59, 13, 65, 52},
          {12, 68}}},
        {"no buttons",
         {8, "x", dtError, 0, 0},
         {{6, 13},
          {75, 23},
          {53 + 24, 32 + 23 + 16 + 26},
          {12, 13, 44, 45},
          {59, 13, 65, 26},
          {38, 61}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ButtonWidthCache().fill(0);
        ButtonWidthCache()[lbNo] = c.In.CachedNoWidth;
        TFont font;
        font.Size = c.In.FontSize;
        const TLangMessageLayout layout =
            MeasureLangMessage(font, c.In.Text, c.In.Type, c.In.Buttons, 512);
        EXPECT_EQ(layout.Units.W, c.Out.Units.W);
        EXPECT_EQ(layout.Units.H, c.Out.Units.H);
        EXPECT_EQ(layout.Button, c.Out.Button);
        EXPECT_EQ(layout.Client, c.Out.Client);
        EXPECT_EQ(layout.Icon, c.Out.Icon);
        EXPECT_EQ(layout.Message, c.Out.Message);
        EXPECT_EQ(layout.FirstButton, c.Out.FirstButton);
    }
}

TEST_F(LangDialogLayout, CaptionsAreMeasuredOnlyForTheSetAndOnlyOnce) {
    TFont font;
    ButtonWidthCache()[lbNo] = 30;
    MeasureLangMessage(font, "x", dtConfirmation, LangDlgButtons({lbYes, lbNo, lbYesToAll}), 512);
    EXPECT_EQ(ButtonWidthCache()[lbYes], 3 * 6 + 8);       // "Yes"
    EXPECT_EQ(ButtonWidthCache()[lbNo], 30);               // kept, not measured again
    EXPECT_EQ(ButtonWidthCache()[lbYesToAll], 10 * 6 + 8); // "Yes to all"
    EXPECT_EQ(ButtonWidthCache()[lbOK], 0);
}

} // namespace
