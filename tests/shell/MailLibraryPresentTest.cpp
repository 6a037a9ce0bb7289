#include "shell/PreparedMailForm.h"
#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/uDefStrings.h"
#include "ui/Application.h"

#include <gtest/gtest.h>

namespace {

// Run with a mail library first in the loader's search order.
TEST(PreparedMailFormWithMailLibrary, SendButtonIsEnabledWhenTheMailLibraryLoads) {
    FillDefStrings();
    CreateBabelFishAdmin();
    auto* form = Application().CreateForm<TPreparedMailForm>();
    EXPECT_TRUE(form->btnMapi->Enabled());
    EXPECT_TRUE(form->btnMapi->CanClick() || !form->Visible());
    Application().DestroyComponents();
    FreeBabelFishAdmin();
    ClearDefStrings();
}

} // namespace
