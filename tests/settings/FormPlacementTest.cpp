#include "SettingsFixtures.h"
#include "runtime/Exception.h"
#include "settings/uFormPlacement.h"
#include "ui/Form.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class TPlainForm : public TForm {
public:
    using TForm::TForm;
};

TWindowPlacement StoredAt(TRect normal, std::uint32_t showCmd) {
    TWindowPlacement placement;
    placement.Length = kWindowPlacementLength;
    placement.ShowCmd = showCmd;
    placement.NormalPosition = normal;
    return placement;
}

class PlacementRules : public testing::Test {
protected:
    TTempFolder Folder;
    // No bootstrap file: the registry back-end, which stores nothing.
    TRegIniData Store{Folder.File("none.ini")};
    TComponent Root{nullptr};
    TVexaFormPlacement Placement{Store};
};

struct TModeCase {
    TPlacementOptions Options;
    TPosition Before;
    TPosition After;
};

TEST_F(PlacementRules, AdjustsThePositionModeThenAppliesTheStoredPlacement) {
    const TModeCase cases[] = {
        {plSize | plPosition, TPosition::ScreenCenter, TPosition::Designed},
        {plAllPlacementOptions, TPosition::Default, TPosition::Designed},
        {plSize, TPosition::ScreenCenter, TPosition::ScreenCenter},
        {plSize, TPosition::Default, TPosition::DefaultPosOnly},
        {plSize, TPosition::DefaultSizeOnly, TPosition::DefaultSizeOnly},
        {plPosition, TPosition::ScreenCenter, TPosition::Designed},
        {plPosition, TPosition::Default, TPosition::DefaultSizeOnly},
        {plPosition, TPosition::DefaultPosOnly, TPosition::Designed},
        {plPosition, TPosition::Designed, TPosition::Designed},
        {0, TPosition::ScreenCenter, TPosition::ScreenCenter},
        {plReserved, TPosition::Default, TPosition::Default},
    };
    const TRect normal = MakeBounds(40, 50, 300, 200);
    for (const TModeCase& mode : cases) {
        TForm* form = CreateForm<TPlainForm>(&Root);
        form->SetPosition(mode.Before);
        TFormPlacementEntry& entry = Placement.AddEntry("Window" + std::to_string(&mode - cases));
        entry.EntryForm = form;
        entry.StoredPlacement = StoredAt(normal, kShowMaximized);
        Placement.PlacementOptions = mode.Options;
        Placement.ApplyPlacement(entry);
        EXPECT_EQ(form->Position(), mode.After) << int(mode.Options) << " " << int(mode.Before);
        // The show state comes from the record, whatever the options.
        EXPECT_EQ(form->WindowState(), TWindowState::Maximized);
        EXPECT_EQ(form->NormalBounds(), normal);
        EXPECT_TRUE(form->Visible());
        EXPECT_FALSE(form->InState(csDesigning));
        EXPECT_FALSE(entry.ResetPending);
        entry.EntryForm = nullptr;
    }
}

TEST_F(PlacementRules, AWindowInDesignStateKeepsItsModeAndItsDesignState) {
    TForm* form = CreateForm<TPlainForm>(&Root);
    form->SetPosition(TPosition::ScreenCenter);
    form->SetDesigning(true);
    TFormPlacementEntry& entry = Placement.AddEntry("Main");
    entry.EntryForm = form;
    entry.StoredPlacement = StoredAt(MakeBounds(1, 2, 30, 40), kShowNormal);
    Placement.PlacementOptions = plAllPlacementOptions;
    Placement.ApplyPlacement(entry);
    EXPECT_EQ(form->Position(), TPosition::ScreenCenter);
    EXPECT_TRUE(form->InState(csDesigning));
    // The placement is applied, and the kept mode centres the window when it is shown.
    EXPECT_EQ(form->NormalBounds().Width(), 30);
    EXPECT_EQ(form->NormalBounds().Height(), 40);
    EXPECT_NE(form->NormalBounds().Left, 1);
}

TEST_F(PlacementRules, WithoutAWindowOrAStoredPlacementOnlyTheRequestIsKept) {
    TFormPlacementEntry& closed = Placement.AddEntry("Closed");
    closed.StoredPlacement = StoredAt(MakeBounds(1, 2, 30, 40), kShowNormal);
    TForm* form = CreateForm<TPlainForm>(&Root);
    form->SetPosition(TPosition::ScreenCenter);
    const TRect before = form->NormalBounds();
    TFormPlacementEntry& unstored = Placement.AddEntry("Unstored");
    unstored.EntryForm = form;
    Placement.PlacementOptions = plAllPlacementOptions;
    Placement.ResetPlacement("closed");
    Placement.ResetPlacement("UNSTORED");
    EXPECT_TRUE(closed.ResetPending);
    EXPECT_TRUE(unstored.ResetPending);
    EXPECT_EQ(form->Position(), TPosition::ScreenCenter);
    EXPECT_EQ(form->NormalBounds(), before);
    EXPECT_FALSE(form->Visible());
}

TEST_F(PlacementRules, ResettingAnUnknownNameChangesNothing) {
    TForm* form = CreateForm<TPlainForm>(&Root);
    TFormPlacementEntry& entry = Placement.AddEntry("Main");
    entry.EntryForm = form;
    entry.StoredPlacement = StoredAt(MakeBounds(1, 2, 30, 40), kShowNormal);
    Placement.ResetPlacement("Other");
    Placement.ResetPlacement("");
    EXPECT_FALSE(form->Visible());
    Placement.ResetPlacement("MAIN");
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->NormalBounds(), MakeBounds(1, 2, 30, 40));
}

TEST_F(PlacementRules, EntriesAreSortedWithoutRegardToCaseAndNamesAreUnique) {
    Placement.AddEntry("Main");
    Placement.AddEntry("about");
    EXPECT_THROW(Placement.AddEntry("MAIN"), EListError);
    ASSERT_EQ(Placement.Entries().Count(), 2);
    EXPECT_EQ(Placement.Entries().Strings(0), "about");
    EXPECT_EQ(Placement.FindEntry("ABOUT")->EntryForm, nullptr);
    EXPECT_EQ(&Placement.FindEntry("main")->EntryOwner, &Placement);
    EXPECT_EQ(Placement.FindEntry("none"), nullptr);
}

TEST(FormPlacementStore, RegistersAndUnregistersWithTheStore) {
    TTempFolder folder;
    TRegIniData store(folder.File("none.ini"));
    {
        TVexaFormPlacement placement(store);
        EXPECT_EQ(placement.ConfigStore(), &store);
        EXPECT_EQ(store.Clients(), std::vector<TRegIniDataClient*>{&placement});
        EXPECT_EQ(placement.Entries().Count(), 0);
        placement.AddEntry("Main");
    }
    EXPECT_TRUE(store.Clients().empty());
}

TEST(FormPlacementStore, TheStoresReleaseFreesTheEntriesAndForgetsTheStore) {
    TTempFolder folder;
    auto store = std::make_unique<TRegIniData>(folder.File("none.ini"));
    auto placement = std::make_unique<TVexaFormPlacement>(*store);
    placement->AddEntry("Main");
    placement->AddEntry("Dialog");
    store.reset();
    EXPECT_EQ(placement->ConfigStore(), nullptr);
    EXPECT_EQ(placement->Entries().Count(), 0);
    // Its own release now touches neither the store nor any entry.
    placement.reset();
}

TEST(FormPlacementGlobal, StartsRegisteredWithAllOptionsAndNoEntries) {
    FreeRegIniData();
    EXPECT_THROW(FormPlacement(), Exception);
    CreateFormPlacement();
    ASSERT_TRUE(FormPlacementExists());
    EXPECT_EQ(FormPlacement().PlacementOptions, 7);
    EXPECT_EQ(FormPlacement().Entries().Count(), 0);
    ASSERT_TRUE(RegIniDataExists());
    EXPECT_EQ(FormPlacement().ConfigStore(), &RegIniData());
    EXPECT_NE(RegIniData().RegistryStorage(), nullptr);
    FreeRegIniData();
    EXPECT_EQ(FormPlacement().ConfigStore(), nullptr);
    FreeFormPlacement();
    EXPECT_FALSE(FormPlacementExists());
    EXPECT_FALSE(RegIniDataExists());
}

} // namespace
