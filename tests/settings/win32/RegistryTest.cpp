#include "../SettingsFixtures.h"
#include "settings/uVexaRegIniStorage.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

bool KeyExists(HKEY root, const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

TEST(RegistryRoots, AreThePredefinedKeys) {
    const HKEY expected[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,     HKEY_LOCAL_MACHINE,
                             HKEY_USERS,        HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG,
                             HKEY_DYN_DATA};
    for (int root = 0; root < 7; ++root) {
        EXPECT_EQ(RegistryRootKey(root), reinterpret_cast<TRegistryKeyHandle>(expected[root]))
            << root;
        EXPECT_EQ(static_cast<std::uint32_t>(RegistryRootKey(root)), 0x80000000u + root);
    }
    EXPECT_EQ(RegistryRootKey(7), 0u);
}

TEST(RegistryBackEnd, WorksBelowTheCurrentUserAndWritesNothing) {
    ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, "SOFTWARE\\Brenik"));
    TTempFolder folder;
    {
        TRegIniData store(folder.File("missing.ini"));
        const TVexaAppRegistryStorage* registry = store.RegistryStorage();
        ASSERT_NE(registry, nullptr);
        EXPECT_EQ(registry->RootKey(), reinterpret_cast<TRegistryKeyHandle>(HKEY_CURRENT_USER));
        EXPECT_EQ(registry->Root(), "SOFTWARE\\Brenik\\VEXA\\2.1\\FORMS");
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "SOFTWARE\\Brenik"));
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "SOFTWARE\\Brenik"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Brenik"));
}

} // namespace
