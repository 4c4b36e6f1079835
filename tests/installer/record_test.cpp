#include <windows.h>
#include <gtest/gtest.h>

#include "installer/install_report.h"
#include "installer/uninstall_record.h"
#include "tests/installer/installer_state.h"
#include "tests/support/support.h"

namespace installer {
namespace {

class UninstallRecord : public InstallerState {
  protected:
    test::ScratchFolder folder;

    void SetUp() override {
        InstallerState::SetUp();
        InstallOptions.InstallPath = folder.Path();
        test::WriteTextFile(folder.Path() + L"\\a.bin", std::string(1024, 'a'));
        CreateDirectoryW((folder.Path() + L"\\sub").c_str(), nullptr);
        test::WriteTextFile(folder.Path() + L"\\sub\\b.bin", std::string(512, 'b'));
    }

    DWORD Type(const wchar_t* name) {
        DWORD type = REG_NONE;
        RegGetValueW(HKEY_CURRENT_USER, InstallOptions.RegistryRecord.c_str(), name,
                     RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, nullptr);
        return type;
    }
    std::wstring Text(const wchar_t* name) {
        wchar_t value[1024] = L"";
        DWORD size = sizeof(value);
        RegGetValueW(HKEY_CURRENT_USER, InstallOptions.RegistryRecord.c_str(), name, RRF_RT_REG_SZ,
                     nullptr, value, &size);
        return value;
    }
    DWORD Number(const wchar_t* name) {
        DWORD value = 0, size = sizeof(value);
        RegGetValueW(HKEY_CURRENT_USER, InstallOptions.RegistryRecord.c_str(), name,
                     RRF_RT_REG_DWORD, nullptr, &value, &size);
        return value;
    }
};

TEST_F(UninstallRecord, HoldsTheApplicationsValuesWithTheirTypes) {
    WriteRegistryRecord();
    const std::wstring exe = folder.Path() + L"\\Quillpad.exe";
    const struct {
        const wchar_t* name;
        std::wstring value;
    } texts[] = {
        {L"DisplayIcon", exe},
        {L"DisplayName", L"Quillpad Studio"},
        {L"DisplayVersion", L"1.3.0"},
        {L"InstallLocation", folder.Path()},
        {L"Publisher", L"Velmar Software"},
        {L"UninstallString", folder.Path() + L"\\Uninstall.exe"},
        {L"URLInfoAbout", AppOptions.HelpLink},
        {L"HelpLink", AppOptions.SupportLink},
        {L"URLUpdateInfo", AppOptions.UpdateLink},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(Type(t.name), static_cast<DWORD>(REG_SZ)) << t.name;
        EXPECT_EQ(Text(t.name), t.value) << t.name;
    }
    EXPECT_NE(AppOptions.HelpLink.find(L"/apps/"), std::wstring::npos);
    EXPECT_NE(AppOptions.SupportLink.find(L"/contact/"), std::wstring::npos);
    for (const wchar_t* name : {L"EstimatedSize", L"NoModify", L"NoRepair"})
        EXPECT_EQ(Type(name), static_cast<DWORD>(REG_DWORD)) << name;
    EXPECT_EQ(Number(L"EstimatedSize"), 1u) << "1536 bytes in two folders are 1 KiB, truncated";
    EXPECT_EQ(Number(L"NoModify"), 1u);
    EXPECT_EQ(Number(L"NoRepair"), 1u);
    EXPECT_EQ(Text(L"QuietUninstallString"), L"\"" + folder.Path() + L"\\Uninstall.exe\" -silent");
    const std::wstring date = Text(L"InstallDate");
    EXPECT_EQ(date.size(), 8u);
    EXPECT_EQ(date.find_first_not_of(L"0123456789"), std::wstring::npos);
}

TEST_F(UninstallRecord, FollowsTheUninstallerAndLinkSettings) {
    InstallOptions.EnableUninstaller = false;
    InstallOptions.InstallPath = folder.Path() + L"\\";
    AppOptions.SupportLink.clear();
    WriteRegistryRecord();
    EXPECT_EQ(Text(L"UninstallString"), folder.Path() + L"\\Quillpad.exe");
    EXPECT_EQ(Text(L"InstallLocation"), folder.Path() + L"\\") << "kept as chosen";
    EXPECT_EQ(Type(L"HelpLink"), static_cast<DWORD>(REG_NONE));
    EXPECT_EQ(Type(L"URLInfoAbout"), static_cast<DWORD>(REG_SZ));

    DeleteRegistryRecord();
    HKEY key = nullptr;
    EXPECT_NE(
        RegOpenKeyExW(HKEY_CURRENT_USER, InstallOptions.RegistryRecord.c_str(), 0, KEY_READ, &key),
        ERROR_SUCCESS);
    DeleteRegistryRecord(); // a missing record is no error
}

TEST_F(UninstallRecord, DeletingBeforeAnyStageLeavesTheHiveAlone) {
    HKEY probe = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\QuillpadTests\\Keep", 0, nullptr, 0, KEY_WRITE,
                    nullptr, &probe, nullptr);
    RegCloseKey(probe);
    InstallOptions.RegistryRecord.clear();
    DeleteRegistryRecord();
    EXPECT_EQ(
        RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\QuillpadTests\\Keep", 0, KEY_READ, &probe),
        ERROR_SUCCESS);
    RegCloseKey(probe);
}

std::wstring Profile(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[1024];
    DWORD n = GetPrivateProfileStringW(section, key, L"<missing>", value, 1024, file.c_str());
    return std::wstring(value, n);
}

TEST_F(UninstallRecord, ReportHasSixteenKeysInFourSectionsAndIsUpdatedInPlace) {
    InstallOptions.Option2 = true;
    InstallOptions.CreateDesktop = false;
    WriteInstallReport(folder.Path());
    InstallOptions.InstallPath = folder.Path() + L"\\Zürich ✓";
    WriteInstallReport(folder.Path());

    const std::wstring file = folder.Path() + L"\\InstallReport.ini";
    const struct {
        const wchar_t* section;
        const wchar_t* key;
        std::wstring value;
    } expected[] = {
        {L"Report", L"File Type", L"Velmar Software Installer Report"},
        {L"Report", L"Installer", L"Velmar Software Installer"},
        {L"Report", L"Version", L"1.8.0"},
        {L"Report", L"Report Version", L"1.0.0"},
        {L"Application", L"Name", L"Quillpad"},
        {L"Application", L"Install Path", folder.Path() + L"\\Zürich ✓"},
        {L"Application", L"Data Path", AppOptions.AppDataPath},
        {L"Application", L"Executable", folder.Path() + L"\\Zürich ✓\\Quillpad.exe"},
        {L"Configuration", L"Shortcut-Menu", L"1"},
        {L"Configuration", L"Shortcut-Desktop", L"0"},
        {L"Configuration", L"Options", L"false,true,false"},
        {L"Configuration", L"Extensions", L"false,false,false"},
        {L"Installation", L"Has EULA", L"1"},
        {L"Installation", L"User Install", L"1"},
        {L"Installation", L"Registry Record", InstallOptions.RegistryRecord},
        {L"Installation", L"Registry HIVE", L"HKEY_CURRENT_USER"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(Profile(file, e.section, e.key), e.value) << e.key;

    const std::wstring raw = test::ReadTextFile(file);
    size_t report = raw.find(L"[Report]"), application = raw.find(L"[Application]"),
           configuration = raw.find(L"[Configuration]"), installation = raw.find(L"[Installation]");
    ASSERT_NE(installation, std::wstring::npos);
    EXPECT_LT(report, application);
    EXPECT_LT(application, configuration);
    EXPECT_LT(configuration, installation);
    size_t firstPath = raw.find(L"Install Path=");
    EXPECT_EQ(raw.find(L"Install Path=", firstPath + 1), std::wstring::npos) << "one value per key";
}

} // namespace
} // namespace installer
