#include <gtest/gtest.h>

#include "installer/package_config.h"
#include "tests/installer/installer_state.h"
#include "tests/support/support.h"
#include "toolkit/error.h"

namespace installer {
namespace {

// Every value a package can set, one text per field.
std::vector<std::wstring> Configuration() {
    const TAppOptions& a = AppOptions;
    const TInstallOptions& i = InstallOptions;
    const TConfiguredTexts& t = ConfiguredTexts;
    std::vector<std::wstring> values = {a.AppName,
                                        a.AppFullName,
                                        a.ExeOfPath,
                                        a.ProgramVersion.ToString(true),
                                        a.Publisher,
                                        a.HelpLink,
                                        a.UpdateLink,
                                        a.SupportLink,
                                        std::to_wstring(static_cast<int>(i.InstallSupport))};
    for (bool flag : {i.CanBeRun, i.EnableUninstaller, i.AddRecordToRegistry, i.AllowCustomPath,
                      i.AllowCreateShortcut, i.AllowOptions, i.AllowExtensions, i.HasEULA,
                      i.Option1, i.Option2, i.Option3, i.Extension1, i.Extension2, i.Extension3})
        values.push_back(flag ? L"true" : L"false");
    values.insert(values.end(), t.OptionLabels.begin(), t.OptionLabels.end());
    values.insert(values.end(), t.ExtensionLabels.begin(), t.ExtensionLabels.end());
    return values;
}

using PackageConfiguration = InstallerState;

TEST_F(PackageConfiguration, ThePackagersDefaultsAreTheBuiltInOnes) {
    const auto builtIn = Configuration();
    ApplyPackageConfiguration(
        test::ReadTextFile(test::BuildFile(L"tests\\packager-defaults.conf")));
    EXPECT_EQ(Configuration(), builtIn);
}

TEST_F(PackageConfiguration, SetsTheFieldsItNamesAndKeepsTheRest) {
    ApplyPackageConfiguration(L"# a comment\n"
                              L"\n"
                              L"AppName = Hello\r\n"
                              L"  AppFullName=Hello Sample  \n"
                              L"ProgramVersion = 2.1.0.7\n"
                              L"InstallSupport = Both\n"
                              L"HasEULA = false\n"
                              L"Option2 = true\n"
                              L"Option2Label = Check for updates = weekly\n"
                              L"Extension3Label = .hello files");
    EXPECT_EQ(AppOptions.AppName, L"Hello");
    EXPECT_EQ(AppOptions.AppFullName, L"Hello Sample");
    EXPECT_EQ(AppOptions.ProgramVersion.ToString(true), L"2.1.0.7");
    EXPECT_EQ(InstallOptions.InstallSupport, TInstallSupport::Both);
    EXPECT_FALSE(InstallOptions.HasEULA);
    EXPECT_TRUE(InstallOptions.Option2);
    EXPECT_EQ(ConfiguredTexts.OptionLabels[1], L"Check for updates = weekly");
    EXPECT_EQ(ConfiguredTexts.ExtensionLabels[2], L".hello files");
    EXPECT_EQ(AppOptions.Publisher, L"Velmar Software");
    EXPECT_EQ(AppOptions.ExeOfPath, L"Quillpad.exe");
    EXPECT_TRUE(InstallOptions.AllowCustomPath);
}

TEST_F(PackageConfiguration, RefusesWhatThePackagerWouldNotWriteNamingTheLine) {
    const struct {
        const wchar_t* text;
        const wchar_t* message;
    } cases[] = {
        {L"Colour = blue", L"(line 1): unknown field \"Colour\""},
        {L"AppName = Hello\nHasEULA = yes", L"(line 2): the value of HasEULA is not valid"},
        {L"ProgramVersion = two", L"(line 1): the value of ProgramVersion is not valid"},
        {L"InstallSupport = Everyone", L"(line 1): the value of InstallSupport is not valid"},
        {L"# fine\nAppName Hello", L"(line 2): no \"=\" in \"AppName Hello\""},
    };
    for (const auto& c : cases) {
        try {
            ApplyPackageConfiguration(c.text);
            ADD_FAILURE() << test::Narrow(c.text);
        } catch (const toolkit::Error& error) {
            EXPECT_EQ(error.Message(),
                      std::wstring(L"The installer's configuration is damaged ") + c.message);
        }
    }
}

} // namespace
} // namespace installer
