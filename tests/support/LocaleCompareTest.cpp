#include "platform/LocaleCompare.h"

#include <gtest/gtest.h>

namespace {

constexpr TLocaleId kGerman = 0x0407;
constexpr TLocaleId kEnglish = 0x0409;
constexpr TLocaleId kSwedish = 0x041D;
constexpr std::uint32_t kIgnoreCaseStringSort = kNormIgnoreCase | kSortStringSort;

constexpr int kLess = 1;
constexpr int kEqual = 2;
constexpr int kGreater = 3;

// The same table holds for CompareStringW and for the ICU collator, each with the locale given
// explicitly so that the machine's own locale plays no part.
TEST(LocaleCompare, OrdersByTheLocaleWithTheRequestedFlags) {
    struct Case {
        TLocaleId locale;
        std::uint32_t flags;
        std::u16string_view a;
        std::u16string_view b;
        int expected;
    };
    const Case cases[] = {
        {kGerman, kIgnoreCaseStringSort, u"Bremse", u"bremse", kEqual},
        {kGerman, kSortStringSort, u"bremse", u"Bremse", kLess},
        {kGerman, kIgnoreCaseStringSort, u"", u"", kEqual},
        {kGerman, kIgnoreCaseStringSort, u"", u"a", kLess},
        {kGerman, kIgnoreCaseStringSort, u"Zug", u"Achse", kGreater},
        // Accents still count when case does not.
        {kGerman, kIgnoreCaseStringSort, u"Apfel", u"\u00C4pfel", kLess},
        {kGerman, kIgnoreCaseStringSort, u"\u00E4pfel", u"\u00C4PFEL", kEqual},
        {kGerman, kIgnoreCaseStringSort, u"\u00C4pfel", u"Bremse", kLess},
        {kEnglish, kIgnoreCaseStringSort, u"\u00C4pfel", u"Bremse", kLess},
        // Swedish puts Ä after Z.
        {kSwedish, kIgnoreCaseStringSort, u"\u00C4pple", u"Zebra", kGreater},
        // String sort: hyphen and apostrophe sort as symbols, before the letters.
        {kGerman, kIgnoreCaseStringSort, u"a-c", u"ab", kLess},
        {kGerman, kIgnoreCaseStringSort, u"o'neil", u"oneal", kLess},
        {kEnglish, kIgnoreCaseStringSort, u"co-op", u"coop", kLess},
        // Word sort: they weigh only between otherwise equal strings.
        {kGerman, kNormIgnoreCase, u"a-c", u"ab", kGreater},
        {kGerman, kNormIgnoreCase, u"o'neil", u"oneal", kGreater},
        {kEnglish, kNormIgnoreCase, u"co-op", u"coop", kGreater},
        {kEnglish, kNormIgnoreCase, u"co-op", u"co-op", kEqual},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LocaleCompareString(c.locale, c.flags, c.a, c.b), c.expected)
            << std::hex << c.locale << " " << c.flags << " '" << std::string(c.a.begin(), c.a.end())
            << "' '" << std::string(c.b.begin(), c.b.end()) << "'";
    }
}

TEST(LocaleCompare, UnknownLocalesAreRefused) {
    EXPECT_EQ(LocaleCompareString(0x7FFF, kNormIgnoreCase, u"a", u"b"), 0);
}

TEST(LocaleCompare, StringsAreComparedToTheirGivenLength) {
    const std::u16string withNul(u"ab\0c", 4);
    EXPECT_EQ(LocaleCompareString(kGerman, kIgnoreCaseStringSort, withNul, u"ab"), kGreater);
    EXPECT_EQ(LocaleCompareString(kGerman, kIgnoreCaseStringSort, withNul.substr(0, 2), u"AB"),
              kEqual);
}

} // namespace
