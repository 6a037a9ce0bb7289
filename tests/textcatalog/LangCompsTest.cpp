#include "textcatalog/LangComps.h"

#include "platform/CodePage.h"
#include "runtime/Exception.h"
#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/uDefStrings.h"
#include "textcatalog/uLangBasics.h"
#include "ui/GroupHeader.h"
#include "ui/Panel.h"
#include "ui/Screen.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A catalog that answers "<code>:<id>", counts its lookups and fails when told to.
class TTestCatalog : public TBabelFish {
public:
    TTestCatalog(WideString code, int* lookups = nullptr, bool fails = false)
        : FCode(std::move(code)), FLookups(lookups), FFails(fails) {}
    using TBabelFish::GetLocale;
    using TBabelFish::GetString;
    WideString GetString(TTextId id) override {
        if (FFails) {
            throw Exception("catalog broken");
        }
        if (FLookups) {
            ++*FLookups;
        }
        return FCode + u":" + AnsiToWide(std::to_string(id));
    }
    WideString GetLocale() override { return FCode; }

private:
    WideString FCode;
    int* FLookups;
    bool FFails;
};

void Switch(const char16_t* code, int* lookups = nullptr, bool fails = false) {
    BabelFishAdmin()->SetCurrent(MakeIntf<TTestCatalog>(code, lookups, fails));
}

struct TDesign {
    TTextId CaptionId = 0;
    TTextId ButtonLangId = 0;
    TTextId ButtonHintId = 0;
};

// A window as a design builds it: a designed caption, a translated button with designed texts,
// and a group header with a font of its own.
class TTestForm : public TVexaForm {
public:
    TTestForm(const TFormCreation& creation, TDesign design) : TVexaForm(creation) {
        SetCaption("Designed window");
        SetCaptionID(design.CaptionId);
        Button = new TLangButton(this);
        Button->SetParent(this);
        Button->SetCaption("Designed button");
        Button->SetHint("Designed hint");
        Button->SetShowHint(true);
        Button->SetLangID(design.ButtonLangId);
        Button->SetHintID(design.ButtonHintId);
        Header = new TGroupHeader(this);
        Header->SetParent(this);
        TFont own;
        own.Name = "Tahoma";
        Header->SetFont(own);
    }
    void LanguageChanged(const WideString& code) override {
        Changes.push_back(code);
        MessageSeen = ValueRangeMessage;
    }

    TLangButton* Button;
    TGroupHeader* Header;
    std::vector<WideString> Changes;
    AnsiString MessageSeen;
};

class LangComps : public ::testing::Test {
protected:
    void SetUp() override {
        FillDefStrings();
        CreateBabelFishAdmin();
    }
    void TearDown() override {
        Root.DestroyComponents();
        FreeBabelFishAdmin();
        ClearDefStrings();
    }
    TTestForm* Create(TDesign design) { return CreateForm<TTestForm>(&Root, design); }

    TComponent Root{nullptr};
};

TEST_F(LangComps, ConstructionRefreshesOnceAndCaptionIdZeroKeepsTheDesignedCaption) {
    TTestForm* form = Create({0, 10030, 0});
    EXPECT_EQ(form->Changes, std::vector<WideString>{u"DEU"});
    EXPECT_EQ(form->Caption(), "Designed window");
    EXPECT_EQ(form->Button->Caption(), "OK");
    Switch(u"XXX");
    Switch(u"YYY");
    EXPECT_EQ(form->Caption(), "Designed window");
    EXPECT_EQ(form->Button->Caption(), "YYY:10030");
    EXPECT_EQ(form->Changes, (std::vector<WideString>{u"DEU", u"XXX", u"YYY"}));
}

TEST_F(LangComps, TheWindowsFontFollowsTheCatalogAndAHeaderKeepsItsOwn) {
    TTestForm* form = Create({});
    const AnsiString face = WideToAnsi(DefaultFontFaceName());
    EXPECT_EQ(form->Font().Name, face);
    EXPECT_EQ(form->Button->Font().Name, face);
    EXPECT_TRUE(form->Button->ParentFont());
    EXPECT_EQ(form->Header->Font().Name, "Tahoma");
}

TEST_F(LangComps, ACaptionIdSetBeforeTheWindowExistsWaitsForTheNextRefresh) {
    TTestForm* form = Create({});
    ASSERT_FALSE(form->HandleAllocated());
    form->SetCaptionID(10031);
    EXPECT_EQ(form->CaptionID(), 10031u);
    EXPECT_EQ(form->Caption(), "Designed window");
    Switch(u"XXX");
    EXPECT_EQ(form->Caption(), "XXX:10031");

    form->HandleNeeded(); // from now on an id applies at once
    form->SetCaptionID(10030);
    EXPECT_EQ(form->Caption(), "XXX:10030");
    form->SetCaptionID(0);
    EXPECT_EQ(form->Caption(), "XXX:10030");
}

TEST_F(LangComps, ButtonIdsZeroKeepTheDesignedCaptionAndShowNoHint) {
    TTestForm* plain = Create({});
    EXPECT_EQ(plain->Button->Caption(), "Designed button");
    EXPECT_FALSE(plain->Button->ShowHint()); // although a hint was designed
    TTestForm* hinted = Create({0, 0, 10032});
    EXPECT_TRUE(hinted->Button->ShowHint());
    EXPECT_EQ(hinted->Button->Hint(), "Hilfe");
    EXPECT_EQ(hinted->Button->Caption(), "Designed button");
}

TEST_F(LangComps, AssigningTheCurrentLangIdLooksNothingUpAndANewOneAppliesAtOnce) {
    TTestForm* form = Create({0, 10030, 0});
    int lookups = 0;
    Switch(u"XXX", &lookups);
    ASSERT_EQ(lookups, 1);
    form->Button->SetLangID(10030);
    EXPECT_EQ(lookups, 1);
    form->Button->SetLangID(10031);
    EXPECT_EQ(lookups, 2);
    EXPECT_EQ(form->Button->Caption(), "XXX:10031");
    form->Button->SetHintID(10032);
    EXPECT_EQ(form->Button->Hint(), "XXX:10032");
    EXPECT_TRUE(form->Button->ShowHint());
}

TEST_F(LangComps, ALockedWindowStaysInItsLanguageUntilTheNextChangeAfterTheLock) {
    TTestForm* form = Create({10030, 10031, 0});
    form->UnlockLangUpdate(); // more unlocks than locks leave the count at 0
    form->UnlockLangUpdate();
    form->LockLangUpdate();
    EXPECT_TRUE(form->LangUpdateLocked());
    Switch(u"XXX");
    EXPECT_EQ(form->Caption(), "OK");
    EXPECT_EQ(form->Button->Caption(), "Abbrechen");
    form->UnlockLangUpdate();
    EXPECT_FALSE(form->LangUpdateLocked());
    EXPECT_EQ(form->Caption(), "OK"); // unlocking does not refresh
    Switch(u"YYY");
    EXPECT_EQ(form->Caption(), "YYY:10030");
    EXPECT_EQ(form->Button->Caption(), "YYY:10031");

    form->Updating(); // a batch of changes locks too
    Switch(u"ZZZ");
    EXPECT_EQ(form->Caption(), "YYY:10030");
    form->Updated();
}

// Changes the language while its window frees it, and notes the window's button then.
class TSwitchingComponent : public TComponent {
public:
    TSwitchingComponent(TTestForm* form, AnsiString& seen)
        : TComponent(form), FButton(form->Button), FSeen(seen) {}
    ~TSwitchingComponent() override {
        Switch(u"XXX");
        FSeen = FButton->Caption();
    }

private:
    TLangButton* FButton;
    AnsiString& FSeen;
};

TEST_F(LangComps, AChangeOfLanguageDuringTheWindowsDestructionDoesNotTouchIt) {
    TTestForm* form = Create({10030, 10031, 0});
    AnsiString seen;
    new TSwitchingComponent(form, seen); // freed first, while the window still lists as open
    delete form;
    EXPECT_EQ(BabelFishAdmin()->GetLocale(), u"XXX");
    EXPECT_EQ(seen, "Abbrechen");
}

TEST_F(LangComps, OwnedComponentsAreRefreshedByOwnershipDepthFirst) {
    TTestForm* form = Create({});
    // Owned by the window through a panel that parents nothing of it, and parented elsewhere.
    auto* holder = new TPanel(form);
    auto* inner = new TLangButton(holder);
    inner->SetParent(form);
    inner->SetLangID(10030);
    Switch(u"XXX");
    EXPECT_EQ(inner->Caption(), "XXX:10030");
}

TEST_F(LangComps, ValueRangeMessageIsEnglishUntilTheFirstChangeThenFollowsTheLanguage) {
    EXPECT_EQ(ValueRangeMessage, "Value must be between %.*f and %.*f");
    RegisterLangRessourceUpdater();
    ASSERT_EQ(BabelFishAdmin()->Listeners().size(), 1u);
    TTestForm* form = Create({});
    BabelFishAdmin()->SelectLanguage("ENU");
    EXPECT_EQ(ValueRangeMessage, "Value must be between %.*f and %.*f");
    BabelFishAdmin()->SelectLanguage("DEU");
    EXPECT_EQ(ValueRangeMessage, Utf8ToAnsi("Wert muss zwischen %.*f und %.*f liegen"));
    // Listeners first: the window, refreshed after them, sees the new message.
    Switch(u"XXX");
    EXPECT_EQ(ValueRangeMessage, "XXX:9009");
    EXPECT_EQ(form->MessageSeen, "XXX:9009");
}

TEST_F(LangComps, ACatalogFailureFailsTheConstructionButNotAButtonsOwnRefresh) {
    TTestForm* form = Create({0, 10030, 10032});
    const int formsBefore = Screen().FormCount();
    Switch(u"BAD", nullptr, true); // the button swallows its failure
    EXPECT_EQ(form->Button->Caption(), "OK");
    EXPECT_THROW(Create({10031, 0, 0}), EOSError); // the caption's lookup fails

    EXPECT_EQ(Screen().FormCount(), formsBefore);
    EXPECT_EQ(Root.ComponentCount(), 1);

    EXPECT_NO_THROW(form->Button->SetLangID(10031));
    EXPECT_EQ(form->Button->Caption(), "OK"); // what it had before
    EXPECT_EQ(form->Button->UpdateLanguage(), kStatusOk);
}

TEST_F(LangComps, AFailingListenerStopsTheNotificationBeforeTheWindows) {
    TTestForm* form = Create({10030, 0, 0});
    RegisterLangRessourceUpdater();
    try {
        Switch(u"BAD", nullptr, true);
        FAIL() << "the updater's failure must reach the caller";
    } catch (const EOSError& failure) {
        EXPECT_EQ(failure.ErrorCode(), kStatusUnexpected);
    }
    EXPECT_EQ(form->Caption(), "OK");
}

} // namespace
