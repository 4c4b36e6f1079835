#include "installer/package_sheet.h"

#include "installer/config.h"

namespace installer {

namespace {

class SheetWriter {
  public:
    void Header(const std::wstring& name) { lines_.push_back({kSheetHeaderMark + name, true}); }
    void Line(const std::wstring& text) { lines_.push_back({text, false}); }
    void Line(const std::wstring& label, bool value) { Line(label + (value ? L"true" : L"false")); }
    // Enumerations show as the numbers they are stored as.
    template <class E> void Number(const std::wstring& label, E value) {
        Line(label + std::to_wstring(static_cast<int>(value)));
    }
    void Empty() { Line(L""); }
    std::vector<TSheetLine> Lines() && { return std::move(lines_); }

  private:
    std::vector<TSheetLine> lines_;
};

} // namespace

std::vector<TSheetLine> PackageSheetLines() {
    const TAppOptions& app = AppOptions;
    const TInstallOptions& install = InstallOptions;
    SheetWriter sheet;

    sheet.Header(L"Program information");
    sheet.Line(L"Program name: " + app.AppName);
    sheet.Line(L"Complete name: " + app.AppFullName);
    sheet.Line(L"Install path: " + install.InstallPath);
    sheet.Line(L"Version: " + app.ProgramVersion.ToString(true));
    sheet.Empty();

    sheet.Header(L"Publisher information");
    sheet.Line(L"Publisher: " + app.Publisher);
    sheet.Line(L"Help link: " + app.HelpLink);
    sheet.Line(L"Support link: " + app.SupportLink);
    sheet.Line(L"Update link: " + app.UpdateLink);
    sheet.Empty();

    sheet.Header(L"Executable information");
    sheet.Line(L"AppData directory: " + app.AppDataPath);
    sheet.Line(L"Executable name: " + app.ExeOfPath);
    sheet.Line(L"Executable location: " + app.ExeLocation());
    sheet.Empty();

    sheet.Header(L"Installation options");
    sheet.Line(L"Add uninstaller: ", install.EnableUninstaller);
    sheet.Line(L"Add registry record: ", install.AddRecordToRegistry);
    sheet.Empty();

    sheet.Header(L"Additional options");
    sheet.Line(L"Desktop shortcut: ", install.CreateDesktop);
    sheet.Line(L"Start menu shortcut: ", install.CreateStartMenu);
    sheet.Line(L"Has EULA: ", install.HasEULA);

    if (PreviousInstall.Exists) {
        sheet.Empty();
        sheet.Header(L"Previous installation [UPDATE]");
        sheet.Line(L"Install location: " + PreviousInstall.InstallPath);
        sheet.Line(L"Install version: " + PreviousInstall.Version.ToString(false));
        sheet.Number(L"Install kind: ", PreviousInstall.Kind);
        sheet.Line(L"Override install: yes");
    }
    sheet.Empty();

    sheet.Header(L"User settings");
    sheet.Line(L"Allow shortcuts: ", install.AllowCreateShortcut);
    sheet.Line(L"Allow custom Path: ", install.AllowCustomPath);
    sheet.Line(L"Allow extensions: ", install.AllowExtensions);
    sheet.Line(L"Allow options: ", install.AllowOptions);
    sheet.Empty();

    sheet.Header(L"Installation settings");
    sheet.Number(L"Install Support: ", install.InstallSupport);
    sheet.Number(L"Install Pick: ", install.InstallPick);
    sheet.Empty();

    sheet.Header(L"Installer Information");
    sheet.Line(L"Installer: Vels Installer");
    sheet.Line(L"Version: " + InstallerVersion.ToString(false));
    sheet.Line(L"Publisher: Velmar Software");
    sheet.Empty();

    sheet.Line(L"Copyright \u00A9 2026 Velmar Software. All rights reserved.");
    return std::move(sheet).Lines();
}

} // namespace installer
