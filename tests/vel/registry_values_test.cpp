#include <system_error>

#include "tests/vel/registry_fixture.h"

namespace vel {
namespace {

using test::RawRead;
using test::RawValue;
using test::RawWrite;
using test::TextBytes;

TEST_F(RegistryTest, EveryPathSpellingAddressesTheSameKey) {
    RawWrite(HKEY_CURRENT_USER, Raw(), L"Name", REG_SZ, TextBytes(L"Quillpad"));
    for (const std::wstring& path :
         {L"Computer\\HKEY_CURRENT_USER\\" + Raw(), L"HKCU\\" + Raw(), L"hkcu\\" + Raw(),
          L"HKEY_CURRENT_USER\\" + Raw() + L"\\", Raw()})
        EXPECT_EQ(reg.GetStringValue(path, L"Name"), L"Quillpad") << path;

    // Without automatic hives the first component is an ordinary key name under DefaultHive.
    reg.SetAutomaticHive(false);
    EXPECT_FALSE(reg.KeyExists(L"HKEY_CURRENT_USER\\" + Raw()));
    EXPECT_TRUE(reg.KeyExists(Raw()));
    reg.SetAutomaticHive(true);
    reg.SetManualHive(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.AutomaticHive());
    EXPECT_EQ(reg.DefaultHive(), HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.KeyExists(Raw()));
    EXPECT_EQ(errors, Errors{});
}

TEST_F(RegistryTest, TypedWritesStoreTheirFormatsAndReadBack) {
    reg.WriteValue(At(), L"Text", L"Quillpad Studio");
    reg.WriteExpandStringValue(At(), L"Expand", L"%USERPROFILE%\\x");
    reg.WriteValue(At(), L"Int", int32_t{-42});
    reg.WriteValue(At(), L"Bool", true);
    reg.WriteValue(At(), L"Float", 2.5);
    reg.WriteCurrency(At(), L"Money", TCurrency{123456}); // 12.3456
    reg.WriteValue(At(), L"When", TDateTime{45000.75});
    reg.WriteValue(At(), L"Day", TDate{45000});
    reg.WriteValue(At(), L"Hour", TTime{0.5});
    EXPECT_EQ(errors, Errors{});

    auto raw = [&](const wchar_t* name) { return RawRead(HKEY_CURRENT_USER, Raw(), name); };
    auto bytes = [](auto value) {
        std::vector<BYTE> data(sizeof(value));
        memcpy(data.data(), &value, sizeof(value));
        return data;
    };
    EXPECT_EQ(raw(L"Text"), (RawValue{REG_SZ, TextBytes(L"Quillpad Studio")}));
    EXPECT_EQ(raw(L"Expand"), (RawValue{REG_EXPAND_SZ, TextBytes(L"%USERPROFILE%\\x")}));
    EXPECT_EQ(raw(L"Int"), (RawValue{REG_DWORD, bytes(int32_t{-42})}));
    EXPECT_EQ(raw(L"Bool"), (RawValue{REG_DWORD, bytes(int32_t{1})}));
    EXPECT_EQ(raw(L"Float"), (RawValue{REG_BINARY, bytes(2.5)}));
    EXPECT_EQ(raw(L"Money"), (RawValue{REG_BINARY, bytes(int64_t{123456})}));
    EXPECT_EQ(raw(L"When"), (RawValue{REG_BINARY, bytes(45000.75)}));
    EXPECT_EQ(raw(L"Hour"), (RawValue{REG_BINARY, bytes(0.5)}));

    EXPECT_EQ(reg.GetStringValue(At(), L"Text"), L"Quillpad Studio");
    EXPECT_EQ(reg.GetStringValue(At(), L"Expand"), L"%USERPROFILE%\\x"); // not expanded
    EXPECT_EQ(reg.GetIntValue(At(), L"Int"), -42);
    EXPECT_TRUE(reg.GetBooleanValue(At(), L"Bool"));
    EXPECT_EQ(reg.GetFloatValue(At(), L"Float"), 2.5);
    EXPECT_EQ(reg.GetCurrencyValue(At(), L"Money"), TCurrency{123456});
    EXPECT_EQ(reg.GetDateTimeValue(At(), L"When"), TDateTime{45000.75});
    EXPECT_EQ(reg.GetDateValue(At(), L"Day"), TDate{45000});
    EXPECT_EQ(reg.GetTimeValue(At(), L"Hour"), TTime{0.5});
    EXPECT_EQ(reg.GetValueType(At(), L"Text"), TRegDataType::String);
    EXPECT_EQ(reg.GetValueType(At(), L"Expand"), TRegDataType::ExpandString);
    EXPECT_EQ(reg.GetValueType(At(), L"Int"), TRegDataType::Integer);
    EXPECT_EQ(reg.GetValueType(At(), L"Float"), TRegDataType::Binary);
    EXPECT_EQ(errors, Errors{});

    // Any non-zero number reads as true.
    RawWrite(HKEY_CURRENT_USER, Raw(), L"Seven", REG_DWORD, bytes(int32_t{7}));
    EXPECT_TRUE(reg.GetBooleanValue(At(), L"Seven"));
}

TEST_F(RegistryTest, ValuesAsText) {
    RawWrite(HKEY_CURRENT_USER, Raw(), L"Int", REG_DWORD, {0xFB, 0xFF, 0xFF, 0xFF});
    RawWrite(HKEY_CURRENT_USER, Raw(), L"Text", REG_EXPAND_SZ, TextBytes(L"%TEMP%"));
    RawWrite(HKEY_CURRENT_USER, Raw(), L"Bin", REG_BINARY, {0x0A, 0xFF});
    RawWrite(HKEY_CURRENT_USER, Raw(), L"Multi", REG_MULTI_SZ, {'a', 0, 0, 0, 0, 0});

    EXPECT_EQ(reg.GetValueAsString(At(), L"Int"), L"-5");
    EXPECT_EQ(reg.GetValueAsString(At(), L"Text"), L"%TEMP%");
    EXPECT_EQ(reg.GetValueAsString(At(), L"Missing"), L"");
    EXPECT_EQ(errors, Errors{});
    EXPECT_EQ(reg.GetValueAsString(At(), L"Bin"), L"");
    EXPECT_EQ(reg.GetValueAsString(At(), L"Multi"), L"");
    EXPECT_EQ(errors, (Errors{TRegistryError::ReadError, TRegistryError::ReadError}));

    errors.clear();
    EXPECT_EQ(reg.GetValueAsStringEx(At(), L"Int"), L"-5");
    EXPECT_EQ(reg.GetValueAsStringEx(At(), L"Text"), L"%TEMP%");
    EXPECT_EQ(reg.GetValueAsStringEx(At(), L"Bin"), L"0AFF");
    EXPECT_EQ(reg.GetValueAsStringEx(At(), L"Multi"), L"610000000000");
    EXPECT_EQ(reg.GetValueType(At(), L"Multi"), TRegDataType::Unknown);
    EXPECT_EQ(errors, Errors{});
}

TEST_F(RegistryTest, ReadsOfMissingOrMistypedValuesAreReadErrors) {
    RawWrite(HKEY_CURRENT_USER, Raw(), L"Bin4", REG_BINARY, {1, 0, 0, 0});
    RawWrite(HKEY_CURRENT_USER, Raw(), L"Int", REG_DWORD, {1, 0, 0, 0});

    // Absent text is empty text, not a failure, in an existing key or a missing one.
    EXPECT_EQ(reg.GetStringValue(At(), L"Missing"), L"");
    EXPECT_EQ(reg.GetStringValue(At(L"NoSuchKey"), L"Missing"), L"");
    EXPECT_EQ(reg.LastError(), TRegistryError::None);
    EXPECT_EQ(errors, Errors{});

    EXPECT_EQ(reg.GetIntValue(At(), L"Missing"), 0);
    EXPECT_EQ(reg.LastError(), TRegistryError::ReadError);
    EXPECT_EQ(reg.GetIntValue(At(), L"Bin4"), 0);
    EXPECT_EQ(reg.GetFloatValue(At(), L"Int"), 0.0);
    EXPECT_EQ(reg.GetStringValue(At(), L"Int"), L"");
    EXPECT_FALSE(reg.GetBooleanValue(At(L"NoSuchKey"), L"Int"));
    EXPECT_EQ(reg.GetValueType(At(), L"Missing"), TRegDataType::Unknown);
    EXPECT_EQ(errors, Errors(6, TRegistryError::ReadError));
}

TEST_F(RegistryTest, ValueExistenceAndDeletion) {
    RawWrite(HKEY_CURRENT_USER, Raw(), L"DisplayVersion", REG_SZ, TextBytes(L"1.3.0"));
    RawWrite(HKEY_CURRENT_USER, Raw(), L"", REG_SZ, TextBytes(L"default"));
    EXPECT_TRUE(reg.GetValueExists(At(), L"DisplayVersion"));
    EXPECT_TRUE(reg.GetValueExists(At(), L""));
    EXPECT_FALSE(reg.GetValueExists(At(), L"InstallLocation"));
    EXPECT_FALSE(reg.GetValueExists(At(L"NoSuchKey"), L"DisplayVersion"));

    EXPECT_TRUE(reg.DeleteValue(At(), L"DisplayVersion"));
    EXPECT_FALSE(reg.GetValueExists(At(), L"DisplayVersion"));
    EXPECT_FALSE(reg.DeleteValue(At(), L"DisplayVersion"));
    EXPECT_FALSE(reg.DeleteValue(At(L"NoSuchKey"), L"DisplayVersion"));
    EXPECT_EQ(errors, Errors{});
}

TEST_F(RegistryTest, WritesNeverCreateKeys) {
    reg.WriteStringValue(At(L"NoSuchKey"), L"Name", L"x");
    reg.WriteIntValue(At(L"NoSuchKey"), L"Number", 1);
    EXPECT_EQ(errors, (Errors{TRegistryError::AccessDenied, TRegistryError::AccessDenied}));
    EXPECT_EQ(reg.LastError(), TRegistryError::AccessDenied);
    EXPECT_FALSE(test::RawKeyExists(HKEY_CURRENT_USER, Raw(L"NoSuchKey")));

    // A later success does not clear LastError.
    reg.WriteStringValue(At(), L"Name", L"x");
    EXPECT_EQ(reg.LastError(), TRegistryError::AccessDenied);
}

TEST_F(RegistryTest, ErrorKindsChooseTheRoute) {
    reg.SetErrorKind(TRegistryErrorKind::Disabled);
    EXPECT_EQ(reg.GetIntValue(At(), L"Missing"), 0);
    EXPECT_EQ(errors, Errors{});
    EXPECT_EQ(reg.LastError(), TRegistryError::ReadError);

    // Receive without a receiver still records the failure.
    reg.SetErrorKind(TRegistryErrorKind::Receive);
    reg.SetOnRaiseError(nullptr);
    reg.WriteStringValue(At(L"NoSuchKey"), L"Name", L"x");
    EXPECT_EQ(reg.LastError(), TRegistryError::AccessDenied);

    // The operating-system route throws the Windows error and leaves LastError alone.
    reg.SetErrorKind(TRegistryErrorKind::OperatingSystem);
    try {
        reg.GetIntValue(At(), L"Missing");
        ADD_FAILURE() << "no exception";
    } catch (const std::system_error& error) {
        EXPECT_EQ(error.code().value(), ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(error.code().category(), std::system_category());
    }
    RawWrite(HKEY_CURRENT_USER, Raw(), L"Bin", REG_BINARY, {1});
    try {
        reg.GetIntValue(At(), L"Bin");
        ADD_FAILURE() << "no exception";
    } catch (const std::system_error& error) {
        EXPECT_EQ(error.code().value(), ERROR_DATATYPE_MISMATCH);
    }
    EXPECT_EQ(reg.LastError(), TRegistryError::AccessDenied);
}

TEST(RegistryErrorMessage, NamesEachKind) {
    EXPECT_EQ(RegistryErrorMessage(TRegistryError::AccessDenied),
              L"Windows Registry Error: Access Denied");
    EXPECT_EQ(RegistryErrorMessage(TRegistryError::KeyNoExist),
              L"Windows Registry Error: The specified key does not exist");
    EXPECT_EQ(RegistryErrorMessage(TRegistryError::ReadError),
              L"Windows Registry Error: Cannot read from the Windows Registry");
    EXPECT_EQ(RegistryErrorMessage(TRegistryError::None), L"");
}

TEST(WinRegistryHives, ClassOperationsCompareExactly) {
    EXPECT_EQ(TWinRegistry::StringToHive(L"hklm", HKEY_CURRENT_USER), HKEY_CURRENT_USER);
    EXPECT_EQ(TWinRegistry::StringToHive(L"HKLM", HKEY_CURRENT_USER), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(TWinRegistry::StringToHive(L"HKEY_LOCAL_MACHINE", HKEY_CURRENT_USER),
              HKEY_LOCAL_MACHINE);
    HKEY hive = HKEY_USERS;
    EXPECT_FALSE(TWinRegistry::StringToHiveEx(L"HKEY_NOTHING", hive));
    EXPECT_EQ(hive, HKEY_USERS);
    EXPECT_TRUE(TWinRegistry::StringToHiveEx(L"HKCC", hive));
    EXPECT_EQ(hive, HKEY_CURRENT_CONFIG);
    EXPECT_EQ(TWinRegistry::HiveToString(HKEY_CURRENT_CONFIG), L"HKEY_CURRENT_CONFIG");
    EXPECT_EQ(TWinRegistry::HiveToString(HKEY_PERFORMANCE_DATA), L"HKEY_PERFORMANCE_DATA");
    EXPECT_EQ(TWinRegistry::HiveToString(reinterpret_cast<HKEY>(0x1234)), L"Unknown");
}

TEST(WinRegistryMode, StartsUnloadedAndSettlesOnTheSixtyFourBitView) {
    TWinRegistry reg;
    EXPECT_EQ(reg.RegistryMode(), TRegistryMode::Unloaded);
    EXPECT_TRUE(reg.WinModeLoaded());
    EXPECT_EQ(reg.RegistryMode(), TRegistryMode::Windows64);
    reg.SetNewRegistryMode(TRegistryMode::Windows32);
    EXPECT_TRUE(reg.WinModeLoaded());
    EXPECT_EQ(reg.RegistryMode(), TRegistryMode::Windows32);
    reg.ResetRegistryMode();
    EXPECT_EQ(reg.RegistryMode(), TRegistryMode::Windows64);
}

} // namespace
} // namespace vel
