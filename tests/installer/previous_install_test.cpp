#include <windows.h>
#include <gtest/gtest.h>

#include "installer/previous_install.h"
#include "tests/installer/installer_state.h"
#include "tests/support/support.h"

namespace installer {
namespace {

const wchar_t kRecord[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillpad";

class PreviousInstallProbe : public InstallerState {
  protected:
    test::ScratchFolder folder;
    std::vector<std::wstring> questions;

    void SetUp() override {
        InstallerState::SetUp();
        IsAdmin = true;
        AnswerMessagesWith([this](const std::wstring& title, const std::wstring&, TMsgButtons) {
            questions.push_back(title);
            return kResultYes;
        });
    }
    void TearDown() override {
        for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
            RegDeleteTreeW(hive, kRecord);
        InstallerState::TearDown();
    }
    void Record(HKEY hive, const wchar_t* location, const wchar_t* version) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(hive, kRecord, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        auto set = [&](const wchar_t* name, const wchar_t* value) {
            if (value)
                RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                               static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
        };
        set(L"InstallLocation", location);
        set(L"DisplayVersion", version);
        RegCloseKey(key);
    }
};

TEST_F(PreviousInstallProbe, NoRecordChangesNothing) {
    const TInstallOptions before = InstallOptions;
    CheckPreviousInstall();
    EXPECT_FALSE(PreviousInstall.Exists);
    EXPECT_EQ(PreviousInstall.Kind, TInstallSupport::ThisUser) << "the last hive searched";
    EXPECT_EQ(CaptionSuffix, L"");
    EXPECT_EQ(InstallOptions.InstallPath, before.InstallPath);
    EXPECT_EQ(InstallOptions.InstallPathUser, before.InstallPathUser);
    EXPECT_TRUE(InstallOptions.AllowCustomPath);
}

TEST_F(PreviousInstallProbe, WhichHiveIsProbedForEachInstallSupport) {
    const struct {
        TInstallSupport support;
        bool machineRecord, userRecord;
        bool exists;
        TInstallSupport kind;
    } cases[] = {
        {TInstallSupport::ThisUser, true, false, false, TInstallSupport::ThisUser},
        {TInstallSupport::ThisUser, false, true, true, TInstallSupport::ThisUser},
        {TInstallSupport::AllUser, false, true, false, TInstallSupport::AllUser},
        {TInstallSupport::AllUser, true, false, true, TInstallSupport::AllUser},
        {TInstallSupport::Both, true, true, true, TInstallSupport::AllUser},
        {TInstallSupport::Both, false, true, true, TInstallSupport::ThisUser},
    };
    for (const auto& c : cases) {
        LoadDefaults();
        CaptionSuffix.clear();
        InstallOptions.InstallSupport = c.support;
        for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
            RegDeleteTreeW(hive, kRecord);
        if (c.machineRecord) Record(HKEY_LOCAL_MACHINE, nullptr, nullptr);
        if (c.userRecord) Record(HKEY_CURRENT_USER, nullptr, nullptr);
        CheckPreviousInstall();
        EXPECT_EQ(PreviousInstall.Exists, c.exists) << static_cast<int>(c.support);
        EXPECT_EQ(PreviousInstall.Kind, c.kind) << static_cast<int>(c.support);
        if (c.exists) {
            EXPECT_EQ(InstallOptions.InstallSupport, c.kind);
            EXPECT_EQ(InstallOptions.InstallPick, c.kind == TInstallSupport::AllUser
                                                      ? TInstallPick::AllUser
                                                      : TInstallPick::User);
            EXPECT_EQ(CaptionSuffix, L" - Update to new version");
        }
    }
    EXPECT_TRUE(questions.empty());
}

TEST_F(PreviousInstallProbe, ReusesTheRecordedFolder) {
    Record(HKEY_CURRENT_USER, folder.Path().c_str(), L"1.3.0");
    CheckPreviousInstall();
    EXPECT_EQ(PreviousInstall.InstallPath, folder.Path());
    EXPECT_EQ(InstallOptions.InstallPath, folder.Path());
    EXPECT_EQ(InstallOptions.InstallPathAll, folder.Path());
    EXPECT_EQ(InstallOptions.InstallPathUser, folder.Path());
    EXPECT_FALSE(InstallOptions.AllowCustomPath) << "the folder exists";
    EXPECT_EQ(PreviousInstall.Version.ToString(true), L"1.3.0.0");
    EXPECT_TRUE(questions.empty()) << "the same version is reinstalled without a question";

    LoadDefaults();
    Record(HKEY_CURRENT_USER, (folder.Path() + L"\\gone").c_str(), nullptr);
    CheckPreviousInstall();
    EXPECT_EQ(InstallOptions.InstallPath, folder.Path() + L"\\gone");
    EXPECT_TRUE(InstallOptions.AllowCustomPath) << "a deleted folder keeps the path field";
}

TEST_F(PreviousInstallProbe, AsksBeforeADowngradeUnlessForced) {
    const struct {
        const wchar_t* version;
        bool force;
        size_t questions;
    } cases[] = {
        {L"1.4.0", false, 1},   {L"1.4.0", true, 0},     {L"1.2.9.9", false, 0},
        {L"1.3.0.0", false, 0}, {L"1.4-beta", false, 0}, // cannot be compared: taken as not newer
        {L"", false, 0},
    };
    for (const auto& c : cases) {
        questions.clear();
        LoadDefaults();
        CaptionSuffix.clear();
        ForceMode = c.force;
        Record(HKEY_CURRENT_USER, nullptr, c.version);
        CheckPreviousInstall();
        EXPECT_EQ(questions.size(), c.questions) << c.version;
        if (!questions.empty()) {
            EXPECT_EQ(questions[0], L"Installed version is newer");
        }
        EXPECT_EQ(CaptionSuffix, L" - Update to new version") << c.version;
    }
}

} // namespace
} // namespace installer
