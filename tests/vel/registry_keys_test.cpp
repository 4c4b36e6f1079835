#include <cstring>

#include "tests/vel/registry_fixture.h"

namespace vel {
namespace {

using test::RawKeyExists;
using test::RawRead;
using test::RawValue;
using test::RawWrite;
using test::TextBytes;

class RegistryKeysTest : public RegistryTest {
  protected:
    bool Exists(const std::wstring& below) const {
        return RawKeyExists(HKEY_CURRENT_USER, Raw(below));
    }

    // A small tree with one value of every kind the registry stores, and nested keys.
    void MakeTree(const std::wstring& below) {
        RawWrite(HKEY_CURRENT_USER, Raw(below), L"", REG_SZ, TextBytes(L"default"));
        RawWrite(HKEY_CURRENT_USER, Raw(below), L"Text", REG_SZ, TextBytes(L"Quillpad"));
        RawWrite(HKEY_CURRENT_USER, Raw(below), L"Expand", REG_EXPAND_SZ, TextBytes(L"%TEMP%"));
        RawWrite(HKEY_CURRENT_USER, Raw(below), L"Dword", REG_DWORD, {1, 2, 3, 4});
        RawWrite(HKEY_CURRENT_USER, Raw(below), L"Qword", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8});
        RawWrite(HKEY_CURRENT_USER, Raw(below), L"Binary", REG_BINARY, {0, 0xFF, 0x10});
        RawWrite(HKEY_CURRENT_USER, Raw(below), L"Empty", REG_BINARY, {});
        RawWrite(HKEY_CURRENT_USER, Raw(below), L"Multi", REG_MULTI_SZ,
                 {'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0});
        RawWrite(HKEY_CURRENT_USER, Raw(below + L"\\Child"), L"Level", REG_SZ, TextBytes(L"one"));
        RawWrite(HKEY_CURRENT_USER, Raw(below + L"\\Child\\Grandchild"), L"Level", REG_SZ,
                 TextBytes(L"two"));
        test::RawCreateKey(HKEY_CURRENT_USER, Raw(below + L"\\Empty Child"));
    }

    // The copy holds exactly the values and keys of MakeTree.
    void ExpectTree(const std::wstring& below) {
        TWinRegistry check;
        check.SetErrorKind(TRegistryErrorKind::Disabled);
        EXPECT_EQ(check.GetValueNames(At(below)).size(), 8u) << below;
        for (const wchar_t* name :
             {L"", L"Text", L"Expand", L"Dword", L"Qword", L"Binary", L"Empty", L"Multi"})
            EXPECT_EQ(RawRead(HKEY_CURRENT_USER, Raw(below), name),
                      RawRead(HKEY_CURRENT_USER, Raw(L"Model"), name))
                << below << " " << name;
        EXPECT_EQ(check.GetKeyNames(At(below)),
                  (std::vector<std::wstring>{L"Child", L"Empty Child"}));
        EXPECT_EQ(RawRead(HKEY_CURRENT_USER, Raw(below + L"\\Child\\Grandchild"), L"Level"),
                  (RawValue{REG_SZ, TextBytes(L"two")}));
        EXPECT_EQ(check.LastError(), TRegistryError::None);
    }
};

TEST_F(RegistryKeysTest, CreateKeyMakesTheLastLevelUnderAnExistingParent) {
    // A missing parent is a failure: nothing is made, neither the parents nor the last
    // component somewhere else.
    EXPECT_FALSE(reg.CreateKey(At(L"A\\B\\C")));
    EXPECT_EQ(errors, Errors{TRegistryError::AccessDenied});
    EXPECT_FALSE(Exists(L"A"));
    EXPECT_FALSE(RawKeyExists(HKEY_CURRENT_USER, L"C"));
    errors.clear();

    // A colon is part of a name, as everywhere else in the registry.
    EXPECT_TRUE(reg.CreateKey(At(L"A:B")));
    EXPECT_TRUE(Exists(L"A:B"));
    EXPECT_FALSE(Exists(L"A"));
    reg.WriteStringValue(At(L"A:B"), L"Name", L"colon");
    EXPECT_EQ(reg.GetStringValue(At(L"A:B"), L"Name"), L"colon");
    EXPECT_TRUE(reg.KeyExists(At(L"A:B")));
    EXPECT_TRUE(reg.DeleteKey(At(L"A:B")));
    EXPECT_FALSE(Exists(L"A:B"));

    for (const wchar_t* level : {L"A", L"A\\B", L"A\\B\\C"})
        EXPECT_TRUE(reg.CreateKey(At(level))) << level;
    EXPECT_TRUE(Exists(L"A\\B\\C"));
    EXPECT_TRUE(reg.CreateKey(At(L"A\\B\\C"))); // already there
    EXPECT_TRUE(reg.KeyExists(At(L"A\\B\\C")));
    EXPECT_TRUE(reg.KeyExists(At(L"A\\B\\C\\")));
    EXPECT_FALSE(reg.KeyExists(At(L"A\\B\\D")));
    // A missing parent is a plain "no", never a look at the hive root instead.
    EXPECT_FALSE(reg.KeyExists(At(L"Missing\\Software")));
    EXPECT_TRUE(reg.KeyExists(L"HKCU\\Software"));
    EXPECT_TRUE(reg.KeyExists(L"HKCU"));
    EXPECT_EQ(errors, Errors{});
}

TEST_F(RegistryKeysTest, DeleteKeyRemovesTheWholeTreeAndNeverAHive) {
    MakeTree(L"Doomed");
    EXPECT_TRUE(reg.DeleteKey(At(L"Doomed")));
    EXPECT_FALSE(Exists(L"Doomed"));
    EXPECT_FALSE(reg.DeleteKey(At(L"Doomed")));
    EXPECT_FALSE(reg.DeleteKey(At(L"Missing\\Doomed")));
    EXPECT_EQ(errors, Errors{});

    EXPECT_FALSE(reg.DeleteKey(L"HKEY_CURRENT_USER"));
    EXPECT_FALSE(reg.DeleteKey(L"HKCU\\"));
    EXPECT_EQ(errors, Errors(2, TRegistryError::AccessDenied));
    EXPECT_TRUE(RawKeyExists(HKEY_CURRENT_USER, L"Software"));
    EXPECT_TRUE(Exists(L""));
}

TEST_F(RegistryKeysTest, ListsNamesOfKeysAndValues) {
    MakeTree(L"Model");
    EXPECT_EQ(reg.GetKeyNames(At(L"Model")), (std::vector<std::wstring>{L"Child", L"Empty Child"}));
    EXPECT_EQ(reg.GetValueNames(At(L"Model\\Child")), std::vector<std::wstring>{L"Level"});
    EXPECT_EQ(reg.GetKeyNames(At(L"Model\\Empty Child")), std::vector<std::wstring>{});
    EXPECT_EQ(errors, Errors{});
    EXPECT_EQ(reg.GetKeyNames(At(L"Missing")), std::vector<std::wstring>{});
    EXPECT_EQ(reg.GetValueNames(At(L"Missing")), std::vector<std::wstring>{});
    EXPECT_EQ(errors, Errors(2, TRegistryError::ReadError));
}

TEST_F(RegistryKeysTest, CopyKeyCopiesEveryValueAndSubKey) {
    MakeTree(L"Model");
    EXPECT_TRUE(reg.CopyKey(At(L"Model"), Raw(L"Copy")));
    ExpectTree(L"Copy");
    ExpectTree(L"Model");
    // A hive name in front is fine when it names the source's hive.
    EXPECT_TRUE(reg.CopyKey(At(L"Model"), L"HKCU\\" + Raw(L"Deep\\Copy")));
    ExpectTree(L"Deep\\Copy");
    EXPECT_EQ(errors, Errors{});
}

TEST_F(RegistryKeysTest, MoveKeyDeletesTheSourceAfterACompleteCopy) {
    MakeTree(L"Model");
    MakeTree(L"Mover");
    // Existing values of the destination stay unless the source has the same name.
    RawWrite(HKEY_CURRENT_USER, Raw(L"Moved"), L"Own", REG_SZ, TextBytes(L"kept"));
    EXPECT_TRUE(reg.MoveKey(At(L"Mover"), Raw(L"Moved"), true));
    EXPECT_FALSE(Exists(L"Mover"));
    EXPECT_EQ(RawRead(HKEY_CURRENT_USER, Raw(L"Moved"), L"Own"),
              (RawValue{REG_SZ, TextBytes(L"kept")}));
    EXPECT_TRUE(reg.DeleteValue(At(L"Moved"), L"Own"));
    ExpectTree(L"Moved");
    EXPECT_EQ(errors, Errors{});
}

TEST_F(RegistryKeysTest, MoveKeyRefusesCopiesIntoItselfAndIntoOtherHives) {
    MakeTree(L"Model");
    EXPECT_FALSE(reg.MoveKey(At(L"Model"), Raw(L"Model\\Inner"), true));
    EXPECT_FALSE(reg.MoveKey(At(L"Model"), Raw(L"model"), true));
    EXPECT_FALSE(reg.CopyKey(At(L"Model"), L"HKLM\\" + Raw(L"Elsewhere")));
    EXPECT_FALSE(reg.CopyKey(At(L"Missing"), Raw(L"Copy")));
    EXPECT_EQ(errors, Errors(4, TRegistryError::AccessDenied));
    ExpectTree(L"Model");
    EXPECT_FALSE(Exists(L"Model\\Inner"));
    EXPECT_FALSE(Exists(L"Copy"));
    EXPECT_FALSE(RawKeyExists(HKEY_LOCAL_MACHINE, Raw(L"Elsewhere")));
}

TEST_F(RegistryKeysTest, CloneKeyTakesTheFirstFreeNumber) {
    MakeTree(L"Model");
    EXPECT_EQ(reg.CloneKey(At(L"Model")), L"Model(2)");
    ExpectTree(L"Model(2)");
    test::RawCreateKey(HKEY_CURRENT_USER, Raw(L"Model(3)"));
    EXPECT_EQ(reg.CloneKey(At(L"Model")), L"Model(4)");
    ExpectTree(L"Model(4)");
    EXPECT_EQ(errors, Errors{});

    EXPECT_EQ(reg.CloneKey(At(L"Missing")), L"");
    EXPECT_EQ(errors, Errors{TRegistryError::AccessDenied});
    EXPECT_FALSE(Exists(L"Missing(2)"));
}

TEST_F(RegistryKeysTest, RenameKeyMovesToAFreeSiblingName) {
    MakeTree(L"Model");
    MakeTree(L"Old");
    EXPECT_TRUE(reg.RenameKey(At(L"Old"), L"New"));
    EXPECT_FALSE(Exists(L"Old"));
    ExpectTree(L"New");
    EXPECT_EQ(errors, Errors{});
}

TEST_F(RegistryKeysTest, RenameKeyOntoAnExistingSiblingChangesNothing) {
    MakeTree(L"Model");
    MakeTree(L"Old");
    RawWrite(HKEY_CURRENT_USER, Raw(L"Taken"), L"Mine", REG_SZ, TextBytes(L"x"));
    EXPECT_TRUE(reg.RenameKey(At(L"Old"), L"Taken"));
    ExpectTree(L"Old");
    EXPECT_EQ(reg.GetValueNames(At(L"Taken")), std::vector<std::wstring>{L"Mine"});
    EXPECT_EQ(errors, Errors{});
}

TEST_F(RegistryKeysTest, RenameKeyFailures) {
    EXPECT_FALSE(reg.RenameKey(At(L"Missing"), L"New"));
    EXPECT_FALSE(Exists(L"New"));
    test::RawCreateKey(HKEY_CURRENT_USER, Raw(L"Old"));
    EXPECT_FALSE(reg.RenameKey(At(L"Old"), L"Sub\\New")); // a name, not a path
    EXPECT_FALSE(reg.RenameKey(At(L"Old"), L""));
    EXPECT_TRUE(Exists(L"Old"));
    EXPECT_EQ(errors, Errors(3, TRegistryError::KeyNoExist));
    EXPECT_EQ(reg.LastError(), TRegistryError::KeyNoExist);
}

TEST_F(RegistryKeysTest, RegistryModeSelectsTheView) {
    // HKLM\Software is split into a 32-bit and a 64-bit view; HKCU\Software is shared.
    const std::wstring relative =
        L"Software\\QuillpadTests-" + std::to_wstring(GetCurrentProcessId());
    struct RemoveFromBothViews {
        const std::wstring& key;
        ~RemoveFromBothViews() {
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), KEY_WOW64_32KEY, 0);
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), KEY_WOW64_64KEY, 0);
        }
    } cleanup{relative};
    reg.SetNewRegistryMode(TRegistryMode::Windows32);
    ASSERT_TRUE(reg.CreateKey(L"HKLM\\" + relative));
    reg.WriteIntValue(L"HKLM\\" + relative, L"View", 32);
    EXPECT_TRUE(RawKeyExists(HKEY_LOCAL_MACHINE, relative, KEY_WOW64_32KEY));
    EXPECT_FALSE(RawKeyExists(HKEY_LOCAL_MACHINE, relative, KEY_WOW64_64KEY));
    reg.SetNewRegistryMode(TRegistryMode::Windows64);
    EXPECT_FALSE(reg.KeyExists(L"HKLM\\" + relative));
    reg.SetNewRegistryMode(TRegistryMode::Windows32);
    EXPECT_EQ(reg.GetIntValue(L"HKLM\\" + relative, L"View"), 32);
    EXPECT_TRUE(reg.DeleteKey(L"HKLM\\" + relative));
    EXPECT_FALSE(RawKeyExists(HKEY_LOCAL_MACHINE, relative, KEY_WOW64_32KEY));
    EXPECT_EQ(errors, Errors{});
}

} // namespace
} // namespace vel
