#include <gtest/gtest.h>

#include "lyra/registry.h"
#include "tests/support/scratch_key.h"

namespace lyra {
namespace {

TEST(LyRegistry, NamesHivesOnlyByTheirFullNames) {
    LyRegistry reg;
    reg.SetErrorMessage(false);
    EXPECT_TRUE(reg.KeyExists(L"HKEY_CURRENT_USER\\Software"));
    EXPECT_TRUE(reg.KeyExists(L"Computer\\HKEY_CURRENT_USER\\Software"));
    // Anything else is a key name under the default hive.
    EXPECT_FALSE(reg.KeyExists(L"HKCU\\Software"));
    EXPECT_FALSE(reg.KeyExists(L"hkey_current_user\\Software"));
    EXPECT_TRUE(reg.KeyExists(L"Software"));
    EXPECT_EQ(reg.LastError(), TRegistryError::None);
}

TEST(LyRegistry, RecordsFailuresQuietlyWhenMessagesAreOff) {
    test::ScratchKey scratch;
    LyRegistry reg;
    EXPECT_TRUE(reg.ErrorMessage());
    reg.SetErrorMessage(false);
    EXPECT_EQ(reg.GetIntValue(scratch.Path(), L"Missing"), 0);
    EXPECT_EQ(reg.LastError(), TRegistryError::ReadError);
    reg.WriteStringValue(scratch.Path() + L"\\Missing", L"Name", L"x");
    EXPECT_EQ(reg.LastError(), TRegistryError::AccessDenied);
    EXPECT_FALSE(reg.RenameKey(scratch.Path() + L"\\Missing", L"Other"));
    EXPECT_EQ(reg.LastError(), TRegistryError::KeyNoExist);
}

TEST(LyQuickReg, EachCallOnAFreshInstance) {
    test::ScratchKey scratch;
    const std::wstring key = scratch.Path() + L"\\Quick";
    EXPECT_FALSE(LyQuickReg::KeyExists(key));
    EXPECT_TRUE(LyQuickReg::CreateKey(key));
    EXPECT_TRUE(LyQuickReg::KeyExists(key));
    test::RawWrite(HKEY_CURRENT_USER, scratch.Relative() + L"\\Quick", L"Name", REG_SZ,
                   test::TextBytes(L"Lyra"));
    EXPECT_TRUE(LyQuickReg::GetValueExists(key, L"Name"));
    EXPECT_EQ(LyQuickReg::GetStringValue(key, L"Name"), L"Lyra");
    EXPECT_EQ(LyQuickReg::GetStringValue(key, L"Missing"), L"");
    EXPECT_TRUE(LyQuickReg::RenameKey(key, L"Renamed"));
    EXPECT_FALSE(LyQuickReg::KeyExists(key));
    const std::wstring renamed = scratch.Path() + L"\\Renamed";
    EXPECT_EQ(LyQuickReg::GetStringValue(renamed, L"Name"), L"Lyra");
    EXPECT_TRUE(LyQuickReg::DeleteValue(renamed, L"Name"));
    EXPECT_FALSE(LyQuickReg::GetValueExists(renamed, L"Name"));
    EXPECT_TRUE(LyQuickReg::DeleteKey(renamed));
    EXPECT_FALSE(LyQuickReg::KeyExists(renamed));
}

} // namespace
} // namespace lyra
