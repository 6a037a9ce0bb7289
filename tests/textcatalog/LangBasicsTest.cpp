#include "platform/CodePage.h"
#include "platform/FontDefaults.h"
#include "runtime/Exception.h"
#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/uDefStrings.h"
#include "textcatalog/uLangBasics.h"
#include "ui/Font.h"

#include <gtest/gtest.h>

namespace {

// The built-in texts and the administrator, as start-up leaves them.
class LangBasics : public ::testing::Test {
protected:
    void SetUp() override {
        FillDefStrings();
        CreateBabelFishAdmin();
    }
    void TearDown() override {
        FreeBabelFishAdmin();
        ClearDefStrings();
    }
};

WideString W(const char* utf8) {
    return Utf8ToWide(utf8);
}

TEST_F(LangBasics, DefaultArrayAnswersInsideItsRangeOnly) {
    const std::pair<TTextId, const char*> cases[] = {
        {999, ""},     {17001, ""},          {0, ""},     {1000, "Länge über Puffer"},
        {10030, "OK"}, {10031, "Abbrechen"}, {5600, ""},  {5601, ""},
        {15012, ""},   {16000, ""},          {17000, ""},
    };
    for (const auto& [id, text] : cases) {
        EXPECT_EQ(GetDefString(id), Utf8ToAnsi(text)) << id;
    }
}

TEST_F(LangBasics, GermanLookupsThroughTheAdministrator) {
    const std::pair<TTextId, const char*> cases[] = {
        {1000, "Länge über Puffer"},
        {10030, "OK"},
        {10031, "Abbrechen"},
        {10032, "Hilfe"},
        {10156, "Fehler"},
        {10251, "Warnung"},
        {11303, "E-Mail wurde nicht versandt (Statuscode %d)."},
        {9009, "Wert muss zwischen %.*f und %.*f liegen"},
        {16000, ""},
    };
    for (const auto& [id, text] : cases) {
        EXPECT_EQ(GetLangString(id), W(text)) << id;
    }
}

TEST_F(LangBasics, AdministratorStartsGermanAndAnswersWithoutCatalogAsGerman) {
    TBabelFishAdmin& admin = *BabelFishAdmin();
    EXPECT_EQ(admin.GetLocale(), u"DEU");
    EXPECT_EQ(admin.GetCharset(), kDefaultCharset);
    EXPECT_EQ(admin.GetFontName(), DefaultFontFaceName());

    admin.Current.Reset();
    EXPECT_EQ(admin.GetLocale(), u"DEU");
    EXPECT_EQ(admin.GetCharset(), kDefaultCharset);
    EXPECT_EQ(admin.GetFontName(), DefaultFontFaceName());
    EXPECT_EQ(admin.GetString(1000), W("Länge über Puffer"));
}

TEST_F(LangBasics, DefaultCatalogDescribesGerman) {
    const auto fish = MakeIntf<TDefaultBabelFish>();
    WideString text = u"stale";
    ASSERT_EQ(fish->GetDescription(text), kStatusOk);
    EXPECT_EQ(text, u"Deutsch (Deutschland)");
    ASSERT_EQ(fish->GetLocale(text), kStatusOk);
    EXPECT_EQ(text, u"DEU");
    std::uint8_t charset = 0;
    ASSERT_EQ(fish->GetCharset(charset), kStatusOk);
    EXPECT_EQ(charset, kDefaultCharset);
    ASSERT_EQ(fish->GetFontName(text), kStatusOk);
    EXPECT_EQ(text, DefaultFontFaceName());
    EXPECT_TRUE(Supports<IBabelFish>(fish));
    EXPECT_FALSE(Supports<ILangUpdate>(fish));
}

// A catalog that fails: its interface reports the failure status instead of raising.
class TFailingBabelFish : public TBabelFish {
public:
    using TBabelFish::GetString;
    WideString GetString(TTextId) override { throw Exception("catalog broken"); }
};

class TAbstractBabelFish : public TBabelFish {};

TEST_F(LangBasics, FailureInsideACatalogReachesTheCallerAsAnErrorAndNoText) {
    const auto failing = MakeIntf<TFailingBabelFish>();
    WideString text = u"stale";
    EXPECT_EQ(static_cast<IBabelFish*>(failing.Get())->GetString(1000, text), kStatusUnexpected);
    EXPECT_TRUE(text.empty());

    BabelFishAdmin()->Current = failing;
    WideString result = u"untouched";
    try {
        result = GetLangString(1000);
        FAIL() << "no error raised";
    } catch (const EOSError& e) {
        EXPECT_EQ(e.ErrorCode(), kStatusUnexpected);
    }
    EXPECT_EQ(result, u"untouched");
}

TEST_F(LangBasics, AbstractGetStringRaisesTheAbstractErrorInsideAndFailsAtTheBoundary) {
    const auto fish = MakeIntf<TAbstractBabelFish>();
    EXPECT_THROW(fish->GetString(TTextId{1000}), EAbstractError);
    BabelFishAdmin()->Current = fish;
    EXPECT_THROW(GetLangString(1000), EOSError);
}

TEST_F(LangBasics, CatalogLivesAsLongAsItsLastReference) {
    IntfPtr<IBabelFish> held = BabelFishAdmin()->Current;
    FreeBabelFishAdmin();
    EXPECT_EQ(BabelFishAdmin(), nullptr);
    WideString text;
    ASSERT_EQ(held->GetLocale(text), kStatusOk);
    EXPECT_EQ(text, u"DEU");
    // Without an administrator the lookup still answers in German.
    EXPECT_EQ(GetLangString(10031), u"Abbrechen");
}

TEST_F(LangBasics, CreatingTheAdministratorTwiceKeepsTheFirst) {
    TBabelFishAdmin* first = BabelFishAdmin();
    CreateBabelFishAdmin();
    EXPECT_EQ(BabelFishAdmin(), first);
}

TEST_F(LangBasics, AdaptFontFollowsTheCurrentCatalog) {
    const AnsiString face = WideToAnsi(DefaultFontFaceName());
    struct Case {
        TFont Before;
        TFont After;
    };
    const Case cases[] = {
        // A symbol font is left alone.
        {{"Symbol", kSymbolCharset, 8}, {"Symbol", kSymbolCharset, 8}},
        // Already fitting, in another letter case: unchanged.
        {{UpperCase(face), kDefaultCharset, 9}, {UpperCase(face), kDefaultCharset, 9}},
        // Another face or character set: both set, size kept.
        {{"Tahoma", kDefaultCharset, 8}, {face, kDefaultCharset, 8}},
        {{face, 0, 10}, {face, kDefaultCharset, 10}},
        {{"Courier", 238, 12}, {face, kDefaultCharset, 12}},
    };
    for (const Case& c : cases) {
        TFont font = c.Before;
        AdaptLangFont(&font);
        EXPECT_EQ(font, c.After) << c.Before.Name;
    }
    AdaptLangFont(nullptr);
}

} // namespace
