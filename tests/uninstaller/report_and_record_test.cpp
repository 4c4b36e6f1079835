// The install report and the registry record, on real files and the real registry.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>

#include "tests/support/scratch_key.h"
#include "tests/support/support.h"
#include "uninstaller/install_report.h"
#include "uninstaller/registry_record.h"

namespace uninstaller {
namespace {

const std::wstring kUninstallRoot = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// A report as the installer writes it: a UTF-16 file filled key by key.
void WriteReport(const std::wstring& folder,
                 const std::vector<std::array<std::wstring, 3>>& entries) {
    const std::wstring file = folder + L"\\" + kReportFileName;
    test::WriteTextFile(file, "\xFF\xFE");
    for (const auto& [section, key, value] : entries)
        WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

std::vector<std::array<std::wstring, 3>> GoodReport(const std::wstring& folder) {
    return {{L"Report", L"Report Version", L"1.0.0"},
            {L"Application", L"Name", L"Quillpad"},
            {L"Application", L"Install Path", folder},
            {L"Application", L"Data Path", folder + L"\\data\\"},
            {L"Application", L"Executable", folder + L"\\Quillpad.exe"},
            {L"Configuration", L"Shortcut-Menu", L"1"},
            {L"Configuration", L"Shortcut-Desktop", L"0"},
            {L"Installation", L"User Install", L"0"},
            {L"Installation", L"Registry Record", kUninstallRoot + L"Quillpad"},
            {L"Installation", L"Registry HIVE", L"HKEY_LOCAL_MACHINE"}};
}

TEST(InstallReport, ReadsTheKeysOfAUnicodeFolder) {
    test::ScratchFolder scratch;
    const std::wstring folder = scratch.Path() + L"\\Quillpad Ünïcødé 名前";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    WriteReport(folder, GoodReport(folder));
    const TReportReading reading = ReadInstallReport(folder);
    ASSERT_EQ(reading.Result, TUninstallResult::Removed) << reading.Problem;
    const TInstallReport& r = reading.Report;
    EXPECT_EQ(r.Name, L"Quillpad");
    EXPECT_EQ(r.InstallPath, folder);
    EXPECT_EQ(r.DataPath, folder + L"\\data\\");
    EXPECT_EQ(r.Executable, folder + L"\\Quillpad.exe");
    EXPECT_TRUE(r.ShortcutMenu);
    EXPECT_FALSE(r.ShortcutDesktop);
    EXPECT_FALSE(r.UserInstall);
    EXPECT_TRUE(r.NeedsAdministrator());
}

TEST(InstallReport, RefusesMissingMismatchedAndDamagedReports) {
    const struct {
        const wchar_t* section;
        const wchar_t* key;
        std::wstring value;
        TUninstallResult expected;
    } cases[] = {
        {L"Report", L"Report Version", L"1.0.1", TUninstallResult::ReportMismatch},
        {L"Report", L"Report Version", L"", TUninstallResult::ReportMismatch},
        {L"Application", L"Name", L"..\\..\\Quillpad", TUninstallResult::ReportDamaged},
        {L"Application", L"Name", L"", TUninstallResult::ReportDamaged},
        {L"Installation", L"Registry HIVE", L"HKEY_CLASSES_ROOT", TUninstallResult::ReportDamaged},
        {L"Installation", L"Registry Record", L"SOFTWARE\\Microsoft",
         TUninstallResult::ReportDamaged},
        {L"Installation", L"Registry Record", kUninstallRoot + L"Quillpad\\..\\Other",
         TUninstallResult::ReportDamaged},
        {L"Installation", L"Registry Record", kUninstallRoot, TUninstallResult::ReportDamaged},
    };
    for (const auto& c : cases) {
        test::ScratchFolder scratch;
        auto entries = GoodReport(scratch.Path());
        entries.push_back({c.section, c.key, c.value});
        WriteReport(scratch.Path(), entries);
        EXPECT_EQ(ReadInstallReport(scratch.Path()).Result, c.expected)
            << c.key << L" = " << c.value;
    }
    test::ScratchFolder empty;
    EXPECT_EQ(ReadInstallReport(empty.Path()).Result, TUninstallResult::ReportMissing);
}

// A record of its own below the Uninstall key, removed again by the test.
class RegistryRecord : public ::testing::Test {
  protected:
    const std::wstring path =
        kUninstallRoot + L"QuillpadUninstallerTest-" + std::to_wstring(GetCurrentProcessId());
    test::ScratchFolder scratch;
    ~RegistryRecord() override { RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()); }

    void CreateRecord(const std::wstring& installLocation) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (path + L"\\Sub\\Deeper").c_str(), 0, nullptr,
                                  0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), L"InstallLocation", REG_SZ,
                                  installLocation.c_str(),
                                  static_cast<DWORD>((installLocation.size() + 1) * 2)),
                  ERROR_SUCCESS);
    }
    bool RecordExists() const {
        return test::RawKeyExists(HKEY_CURRENT_USER, path, KEY_WOW64_64KEY);
    }
};

TEST_F(RegistryRecord, RemovesTheRecordOfThisFolderWithItsSubKeys) {
    // Written as the user chose it: another letter case and a trailing delimiter.
    std::wstring location = scratch.Path() + L"\\";
    CharUpperW(location.data());
    CreateRecord(location);
    EXPECT_EQ(RemoveRegistryRecord(HKEY_CURRENT_USER, path, scratch.Path()),
              TRecordRemoval::Removed);
    EXPECT_FALSE(RecordExists());
    EXPECT_EQ(RemoveRegistryRecord(HKEY_CURRENT_USER, path, scratch.Path()),
              TRecordRemoval::Missing);
}

TEST_F(RegistryRecord, KeepsTheRecordOfAnInstallationElsewhere) {
    test::ScratchFolder other;
    CreateRecord(other.Path());
    EXPECT_EQ(RemoveRegistryRecord(HKEY_CURRENT_USER, path, scratch.Path()),
              TRecordRemoval::OtherInstall);
    EXPECT_TRUE(RecordExists());
}

TEST(RegistryRecordPath, OnlyOneApplicationKeyBelowUninstall) {
    EXPECT_TRUE(IsUninstallRecordPath(kUninstallRoot + L"Quillpad"));
    EXPECT_TRUE(IsUninstallRecordPath(
        L"software\\microsoft\\windows\\currentversion\\uninstall\\Quillpad"));
    for (const std::wstring& bad :
         {kUninstallRoot, kUninstallRoot + L"..", kUninstallRoot + L"A\\B",
          std::wstring(L"SOFTWARE\\Quillpad"), std::wstring(L"")})
        EXPECT_FALSE(IsUninstallRecordPath(bad)) << bad;
    EXPECT_EQ(HiveFromName(L"hkey_local_machine"), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(HiveFromName(L"HKEY_CURRENT_USER"), HKEY_CURRENT_USER);
    EXPECT_EQ(HiveFromName(L"HKLM"), nullptr);
}

} // namespace
} // namespace uninstaller
