#include "uninstaller/uninstall.h"

#include <windows.h>

#include <objbase.h>

#include "uninstaller/data_folder.h"
#include "uninstaller/file_removal.h"
#include "uninstaller/install_report.h"
#include "uninstaller/installed_files.h"
#include "uninstaller/paths.h"
#include "uninstaller/registry_record.h"
#include "uninstaller/removal_plan.h"
#include "uninstaller/running_app.h"
#include "uninstaller/shortcuts.h"
#include "uninstaller/user_interface.h"
#include "vel/folders.h"
#include "vel/handle.h"
#include "vel/parameters.h"
#include "vel/text.h"

namespace uninstaller {

namespace {

// Shell links are COM objects.
class ComApartment {
  public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialised_;
};

class TUninstall {
  public:
    explicit TUninstall(const TUninstallRequest& request) : request_(request) {}
    TUninstallOutcome Run();

  private:
    TUninstallOutcome End(TUninstallResult result, const std::wstring& detail = L"");
    void Info(const std::wstring& text) { request_.Print(L"(!) " + text); }
    void Error(const std::wstring& text) { request_.Print(L"<!> " + text); }
    bool Ask(const std::wstring& text, bool defaultYes) {
        return AskYesNo(title_, text, defaultYes);
    }
    bool DecideDataRemoval();
    bool ApplicationClosed(const std::vector<std::wstring>& programs);
    std::vector<std::wstring> Programs(const TRemovalPlan& plan) const;
    TRemovalPlan Plan();
    void RemoveDataFolder();
    std::vector<std::wstring> KeptEntries() const;

    const TUninstallRequest& request_;
    const std::wstring& folder_ = request_.InstallFolder;
    TInstallReport report_;
    std::wstring title_ = MessageTitle(L"");
    bool listMissing_ = false;
    bool reportRemoved_ = false;
    std::vector<std::wstring> notes_;    // what the final message adds
    std::vector<std::wstring> problems_; // what could not be removed
};

TUninstallOutcome TUninstall::End(TUninstallResult result, const std::wstring& detail) {
    const bool removed = result == TUninstallResult::Removed;
    const bool cancelled = result == TUninstallResult::Cancelled;
    std::wstring text =
        ResultText(result, report_.Name.empty() ? L"The application" : report_.Name);
    removed || cancelled ? Info(text) : Error(text);
    if (!detail.empty()) {
        Error(detail);
        text += L"\n\n" + detail;
    }
    if (!request_.Silent && !cancelled) {
        for (const std::wstring& note : notes_)
            text += L"\n\n" + note;
        ShowMessage(title_, text, !removed);
    }
    return {result, reportRemoved_};
}

bool TUninstall::DecideDataRemoval() {
    const std::wstring& data = report_.DataPath;
    if (data.empty() || !vel::FolderExists(data)) return false;
    bool remove = request_.RemoveData;
    if (!request_.Silent)
        remove = Ask(L"Do you also want to remove your " + report_.Name +
                         L" settings and data?\n\n" + data,
                     request_.RemoveData);
    if (!remove) {
        Info(L"The data folder " + data + L" was kept");
        return false;
    }
    if (!IsRemovableDataFolder(data, folder_)) {
        const std::wstring why = L"The data folder " + data + L" was kept: it is not a folder of " +
                                 report_.Name + L" alone";
        Error(why);
        notes_.push_back(why + L".");
        return false;
    }
    return true;
}

// Interactive: names the running programs and offers to close them, first politely and,
// when they do not end (a program may wait for its user to save), by force after asking.
bool TUninstall::ApplicationClosed(const std::vector<std::wstring>& programs) {
    for (auto running = FindRunningPrograms(programs); !running.empty();
         running = FindRunningPrograms(programs)) {
        const std::wstring which = DescribeProcesses(running);
        Error(which);
        if (request_.Silent) return false;
        if (!Ask(which + L".\n\n" + report_.Name +
                     L" must be closed before it can be removed. Close it now?",
                 true))
            return false;
        if (CloseProcesses(running, false)) continue;
        auto stuck = FindRunningPrograms(programs);
        if (!stuck.empty() &&
            Ask(DescribeProcesses(stuck) + L" and did not close. It may be waiting for you to save "
                                           L"your work.\n\nEnd it now? Unsaved work will be lost.",
                false))
            CloseProcesses(stuck, true);
    }
    return true;
}

// The report's program and every installed program file, so no part of the application
// keeps running while its files go.
std::vector<std::wstring> TUninstall::Programs(const TRemovalPlan& plan) const {
    std::vector<std::wstring> programs = {report_.Executable};
    for (const std::wstring& file : plan.Files)
        if (vel::LowerCase(file).ends_with(L".exe")) programs.push_back(JoinPath(folder_, file));
    return programs;
}

TRemovalPlan TUninstall::Plan() {
    std::optional<TInstalledFiles> list = ReadInstalledFiles(folder_);
    if (!list) {
        // An older installer kept no list: only what is known to be its own goes.
        listMissing_ = true;
        list.emplace();
        if (IsInsideFolder(folder_, report_.Executable))
            list->Files.push_back(
                NormalizedPath(report_.Executable).substr(NormalizedPath(folder_).size() + 1));
        notes_.push_back(
            L"The list of installed files is missing, so only the program and the uninstaller were "
            L"removed. Other files in " +
            folder_ + L" were kept.");
    }
    for (const std::wstring& refused : list->Refused)
        Error(L"Ignored an unsafe entry of the file list: " + refused);
    return PlanRemoval(*list);
}

void TUninstall::RemoveDataFolder() {
    if (RemoveFolderTree(report_.DataPath)) {
        Info(L"Removed the data folder " + report_.DataPath);
        return;
    }
    Error(L"Could not remove the data folder " + report_.DataPath);
    problems_.push_back(report_.DataPath);
}

// What is left in the install folder besides Uninstall.exe: the user's own files.
std::vector<std::wstring> TUninstall::KeptEntries() const {
    std::vector<std::wstring> kept = FolderEntries(folder_);
    std::erase_if(kept,
                  [](const std::wstring& name) { return EqualNames(name, kUninstallerName); });
    return kept;
}

TUninstallOutcome TUninstall::Run() {
    TReportReading reading = ReadInstallReport(folder_);
    report_ = reading.Report;
    if (reading.Result != TUninstallResult::Removed) return End(reading.Result, reading.Problem);
    title_ = MessageTitle(report_.Name);
    // Held until this run ends: a second uninstaller started meanwhile stops here.
    vel::UniqueHandle guard(CreateMutexW(
        nullptr, TRUE,
        (L"VelmarUninstall_" + vel::InstanceNameFor(vel::LowerCase(NormalizedPath(folder_))))
            .c_str()));
    if (!guard || GetLastError() == ERROR_ALREADY_EXISTS)
        return End(TUninstallResult::AlreadyRunning);
    Info(L"Uninstalling " + report_.Name + L" from " + folder_);
    if (!SamePath(report_.InstallPath, folder_))
        Info(L"The report was written for " + report_.InstallPath +
             L"; only this folder's installation is removed");

    if (!request_.Silent &&
        !Ask(L"Do you want to remove " + report_.Name +
                 L" and all of its components from your computer?\n\n" + folder_,
             true))
        return End(TUninstallResult::Cancelled);
    const TRemovalPlan plan = Plan();
    const bool removeData = DecideDataRemoval();
    if (!ApplicationClosed(Programs(plan))) return End(TUninstallResult::ApplicationRunning);

    ComApartment com;
    for (const std::wstring& shortcut : RemoveShortcuts(report_, folder_)) {
        Error(L"Could not remove the shortcut " + shortcut);
        problems_.push_back(shortcut);
    }
    // Files that stay (locked, or no rights) keep the report, the list and the record,
    // so the uninstall can be run again once the cause is gone.
    const std::vector<std::wstring> remaining = RemoveInstalledFiles(folder_, plan.Files);
    for (const std::wstring& file : remaining)
        Error(L"Could not remove " + file);
    if (!remaining.empty()) return End(TUninstallResult::PartlyRemoved);
    RemoveEmptyFolders(folder_, plan.Folders);
    if (removeData) RemoveDataFolder();

    HKEY hive = HiveFromName(report_.RegistryHive);
    switch (RemoveRegistryRecord(hive, report_.RegistryRecord, folder_)) {
    case TRecordRemoval::Failed:
        Error(L"Could not remove the registry record " + report_.RegistryHive + L"\\" +
              report_.RegistryRecord);
        return End(TUninstallResult::PartlyRemoved);
    case TRecordRemoval::OtherInstall:
        Info(L"The registry record belongs to another installation of " + report_.Name +
             L" and was kept");
        break;
    case TRecordRemoval::Removed:
    case TRecordRemoval::Missing:
        break;
    }
    RemoveFile(JoinPath(folder_, kInstalledFilesName));
    reportRemoved_ = RemoveFile(JoinPath(folder_, kReportFileName));

    if (const auto kept = KeptEntries(); !kept.empty()) {
        Info(L"Kept " + std::to_wstring(kept.size()) +
             L" item(s) that the installation did not create in " + folder_);
        notes_.push_back(L"Files that were not part of the installation were kept in " + folder_ +
                         L".");
    }
    if (listMissing_)
        Info(L"The list of installed files is missing: other files in " + folder_ + L" were kept");
    if (!problems_.empty()) return End(TUninstallResult::PartlyRemoved);
    return End(TUninstallResult::Removed);
}

} // namespace

TUninstallOutcome RunUninstall(const TUninstallRequest& request) {
    return TUninstall(request).Run();
}

} // namespace uninstaller
