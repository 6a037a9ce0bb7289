#include "runtime/Strings.h"

#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {

TEST(Strings, Utf8AndUtf16ConvertWithoutLoss) {
    const std::pair<const char*, std::u16string> cases[] = {
        {"", u""},
        {"abc", u"abc"},
        {"Länge über Puffer", u"L\u00E4nge \u00FCber Puffer"},
        {"€ …", u"\u20AC \u2026"},
        {"\xF0\x9F\x9A\x86", u"\U0001F686"},
    };
    for (const auto& [utf8, wide] : cases) {
        EXPECT_EQ(Utf8ToWide(utf8), wide) << utf8;
        EXPECT_EQ(WideToUtf8(wide), utf8) << utf8;
    }
}

TEST(Strings, MalformedUtf8BecomesReplacementCharacters) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"\xC3", u"\uFFFD"},
        {"a\xC3z", u"a\uFFFDz"},
        {"\xFF\xFE", u"\uFFFD\uFFFD"},
        {"\xC0\x80", u"\uFFFD"},         // overlong
        {"\xED\xA0\x80", u"\uFFFD"},     // surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD"}, // beyond U+10FFFF
    };
    for (const auto& [utf8, wide] : cases) {
        EXPECT_EQ(Utf8ToWide(utf8), wide);
    }
}

TEST(Strings, CaseIsFoldedInAsciiOnly) {
    EXPECT_TRUE(SameText("enu", "ENU"));
    EXPECT_TRUE(SameText(u"Deu", u"dEU"));
    EXPECT_FALSE(SameText("\xE4", "\xC4"));
    EXPECT_FALSE(SameText("ab", "abc"));
    EXPECT_EQ(LowerCase("FormPlacementReset"), "formplacementreset");
    EXPECT_EQ(UpperCase(u"enu"), u"ENU");
    EXPECT_EQ(Trim(" \t key \r\n"), "key");
    EXPECT_EQ(Trim("   "), "");
}

TEST(CodePage, AnsiTextRoundTripsThroughWide) {
    std::string every;
    for (int byte = 1; byte < 256; ++byte) {
        every.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(WideToAnsi(AnsiToWide(every)), every);
}

TEST(CodePage, TextsOfTheTablesConvert) {
    EXPECT_EQ(Utf8ToAnsi("Länge über Puffer"), "L\xE4nge \xFC"
                                               "ber Puffer");
    EXPECT_EQ(AnsiToUtf8("Stra\xDF"
                         "e \x80 \x85"),
              "Straße € …");
    EXPECT_EQ(WideToAnsi(u"\u0416"), "?"); // Cyrillic: not in the code page
    // A character outside the basic plane is lost; Windows may write one "?" per code unit.
    const AnsiString lost = WideToAnsi(u"\U0001F686x");
    EXPECT_TRUE(lost == "?x" || lost == "??x") << lost;
}

} // namespace
