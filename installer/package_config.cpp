#include "installer/package_config.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "installer/config.h"
#include "toolkit/data_sources.h"
#include "toolkit/error.h"

namespace installer {

namespace {

using Setter = std::function<void(const std::wstring&)>;

bool Flag(const std::wstring& value) {
    if (value == L"true") return true;
    if (value == L"false") return false;
    throw std::invalid_argument("not true or false");
}

TInstallSupport Support(const std::wstring& value) {
    if (value == L"Both") return TInstallSupport::Both;
    if (value == L"AllUser") return TInstallSupport::AllUser;
    if (value == L"ThisUser") return TInstallSupport::ThisUser;
    throw std::invalid_argument("not Both, AllUser or ThisUser");
}

Setter Text(std::wstring& field) {
    return [&field](const std::wstring& value) { field = value; };
}

Setter Boolean(bool& field) {
    return [&field](const std::wstring& value) { field = Flag(value); };
}

const std::map<std::wstring, Setter>& Fields() {
    TAppOptions& app = AppOptions;
    TInstallOptions& install = InstallOptions;
    TConfiguredTexts& texts = ConfiguredTexts;
    static const std::map<std::wstring, Setter> fields = {
        {L"AppName", Text(app.AppName)},
        {L"AppFullName", Text(app.AppFullName)},
        {L"ExeOfPath", Text(app.ExeOfPath)},
        {L"ProgramVersion", [&app](const std::wstring& v) { app.ProgramVersion.Parse(v); }},
        {L"Publisher", Text(app.Publisher)},
        {L"HelpLink", Text(app.HelpLink)},
        {L"UpdateLink", Text(app.UpdateLink)},
        {L"SupportLink", Text(app.SupportLink)},
        {L"CanBeRun", Boolean(install.CanBeRun)},
        {L"InstallSupport",
         [&install](const std::wstring& v) { install.InstallSupport = Support(v); }},
        {L"EnableUninstaller", Boolean(install.EnableUninstaller)},
        {L"AddRecordToRegistry", Boolean(install.AddRecordToRegistry)},
        {L"AllowCustomPath", Boolean(install.AllowCustomPath)},
        {L"AllowCreateShortcut", Boolean(install.AllowCreateShortcut)},
        {L"AllowOptions", Boolean(install.AllowOptions)},
        {L"AllowExtensions", Boolean(install.AllowExtensions)},
        {L"HasEULA", Boolean(install.HasEULA)},
        {L"Option1", Boolean(install.Option1)},
        {L"Option2", Boolean(install.Option2)},
        {L"Option3", Boolean(install.Option3)},
        {L"Extension1", Boolean(install.Extension1)},
        {L"Extension2", Boolean(install.Extension2)},
        {L"Extension3", Boolean(install.Extension3)},
        {L"Option1Label", Text(texts.OptionLabels[0])},
        {L"Option2Label", Text(texts.OptionLabels[1])},
        {L"Option3Label", Text(texts.OptionLabels[2])},
        {L"Extension1Label", Text(texts.ExtensionLabels[0])},
        {L"Extension2Label", Text(texts.ExtensionLabels[1])},
        {L"Extension3Label", Text(texts.ExtensionLabels[2])},
    };
    return fields;
}

std::wstring Trimmed(std::wstring_view text) {
    const size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    const size_t last = text.find_last_not_of(L" \t\r");
    return std::wstring(text.substr(first, last - first + 1));
}

[[noreturn]] void Damaged(int line, const std::wstring& what) {
    throw toolkit::Error(L"The installer's configuration is damaged (line " +
                         std::to_wstring(line) + L"): " + what);
}

} // namespace

void ApplyPackageConfiguration(std::wstring_view text) {
    int number = 0;
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring_view::npos) end = text.size();
        const std::wstring line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (line.empty() || line[0] == L'#') continue;
        const size_t equals = line.find(L'=');
        if (equals == std::wstring::npos) Damaged(number, L"no \"=\" in \"" + line + L"\"");
        const std::wstring name = Trimmed(std::wstring_view(line).substr(0, equals));
        const auto field = Fields().find(name);
        if (field == Fields().end()) Damaged(number, L"unknown field \"" + name + L"\"");
        try {
            field->second(Trimmed(std::wstring_view(line).substr(equals + 1)));
        } catch (const std::invalid_argument&) {
            Damaged(number, L"the value of " + name + L" is not valid");
        }
    }
}

void LoadPackageConfiguration() {
    if (auto config = toolkit::FindResourceData(L"SETUPCONFIG"))
        ApplyPackageConfiguration(toolkit::Utf8ToWide(*config));
    if (auto license = toolkit::FindResourceData(L"LICENSETEXT"))
        ConfiguredTexts.LicenseText = toolkit::Utf8ToWide(*license);
}

} // namespace installer
