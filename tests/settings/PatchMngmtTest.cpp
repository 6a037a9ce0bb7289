#include "SettingsFixtures.h"
#include "settings/uFormPlacement.h"
#include "settings/uVexaPatchMngmt.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

namespace {

int GAnotherPatchesFreed = 0;

class TAnotherPatch : public TVexaIniUpdatePatch {
public:
    ~TAnotherPatch() override { ++GAnotherPatchesFreed; }
    AnsiString PatchName() const override { return "AnotherPatch"; }
    bool ApplyPatch(const TStringArray&) override { return false; }
};

class PatchRegistry : public testing::Test {
protected:
    void SetUp() override { FreeUpdatePatches(); }
    void TearDown() override { FreeUpdatePatches(); }
};

TEST_F(PatchRegistry, HoldsOneInstanceUnderTheLowerCasedName) {
    EXPECT_EQ(UpdatePatches(), nullptr);
    TVexaIniUpdatePatch::RegisterPatch<TVexaIniUpdatePatchFormPlcmtReset>();
    TStringList* patches = UpdatePatches();
    ASSERT_NE(patches, nullptr);
    EXPECT_TRUE(patches->Sorted());
    EXPECT_TRUE(patches->CaseSensitive());
    EXPECT_GE(patches->Capacity(), 16);
    ASSERT_EQ(patches->Count(), 1);
    EXPECT_EQ(patches->Strings(0), "formplacementreset");
    EXPECT_NE(dynamic_cast<TVexaIniUpdatePatchFormPlcmtReset*>(patches->Objects(0)), nullptr);
}

TEST_F(PatchRegistry, ANameRegisteredAgainKeepsItsFirstInstance) {
    TVexaIniUpdatePatch::RegisterPatch<TVexaIniUpdatePatchFormPlcmtReset>();
    TObject* first = UpdatePatches()->Objects(0);
    TVexaIniUpdatePatch::RegisterPatch<TVexaIniUpdatePatchFormPlcmtReset>();
    TVexaIniUpdatePatch::RegisterPatch<TAnotherPatch>();
    GAnotherPatchesFreed = 0;
    TVexaIniUpdatePatch::RegisterPatch<TAnotherPatch>();
    EXPECT_EQ(GAnotherPatchesFreed, 1) << "the refused instance is freed";
    ASSERT_EQ(UpdatePatches()->Count(), 2);
    EXPECT_EQ(UpdatePatches()->Strings(0), "anotherpatch");
    EXPECT_EQ(UpdatePatches()->Strings(1), "formplacementreset");
    EXPECT_EQ(UpdatePatches()->Objects(1), first);
}

TEST_F(PatchRegistry, ReleaseFreesEveryInstanceAndTheRegistry) {
    TVexaIniUpdatePatch::RegisterPatch<TAnotherPatch>();
    TVexaIniUpdatePatch::RegisterPatch<TVexaIniUpdatePatchFormPlcmtReset>();
    GAnotherPatchesFreed = 0;
    FreeUpdatePatches();
    EXPECT_EQ(GAnotherPatchesFreed, 1);
    EXPECT_EQ(UpdatePatches(), nullptr);
    FreeUpdatePatches();
}

class TPlainForm : public TForm {
public:
    using TForm::TForm;
};

TEST(FormPlacementResetPatch, ResetsTheNamedWindowsAndAlwaysSucceeds) {
    TVexaIniUpdatePatchFormPlcmtReset patch;
    EXPECT_EQ(patch.PatchName(), "FormPlacementReset");
    // No placement object: nothing to reset.
    EXPECT_TRUE(patch.ApplyPatch({"Main"}));

    CreateFormPlacement();
    TComponent root(nullptr);
    TForm* form = CreateForm<TPlainForm>(&root);
    TFormPlacementEntry& entry = FormPlacement().AddEntry("Main");
    entry.EntryForm = form;
    entry.StoredPlacement.Length = kWindowPlacementLength;
    entry.StoredPlacement.ShowCmd = 1;
    entry.StoredPlacement.NormalPosition = MakeBounds(5, 6, 70, 80);
    TFormPlacementEntry& closed = FormPlacement().AddEntry("Closed");

    EXPECT_TRUE(patch.ApplyPatch({}));
    EXPECT_TRUE(patch.ApplyPatch({"Unknown", ""}));
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(patch.ApplyPatch({"Unknown", "main", "Closed"}));
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->NormalBounds(), MakeBounds(5, 6, 70, 80));
    EXPECT_TRUE(closed.ResetPending);
    entry.EntryForm = nullptr;
    FreeRegIniData();
    FreeFormPlacement();
}

} // namespace
