#include "uninstaller/launcher.h"

#include <windows.h>

#include "uninstaller/elevation.h"
#include "uninstaller/install_report.h"
#include "uninstaller/paths.h"
#include "uninstaller/relocation.h"
#include "uninstaller/result_channel.h"
#include "uninstaller/uninstall.h"
#include "uninstaller/user_interface.h"
#include "vel/parameters.h"

namespace uninstaller {

namespace {

// A result the launcher itself reached: a console line, and a message in a normal run.
TUninstallResult Report(TUninstallResult result, const std::wstring& appName, bool silent,
                        const std::wstring& detail = L"") {
    const std::wstring name = appName.empty() ? L"The application" : appName;
    std::wstring text = ResultText(result, name);
    const bool good = result == TUninstallResult::Removed || result == TUninstallResult::Cancelled;
    ConsoleLine((good ? L"(!) " : L"<!> ") + text);
    if (!detail.empty()) {
        ConsoleLine(L"<!> " + detail);
        text += L"\n\n" + detail;
    }
    if (!silent) ShowMessage(MessageTitle(appName), text, !good);
    return result;
}

void ShowUsage(bool silent) {
    std::wstring text;
    for (const std::wstring& line : UsageLines()) {
        ConsoleLine(line);
        text += line + L"\n";
    }
    if (!silent) ShowMessage(MessageTitle(L""), text, false);
}

} // namespace

TUninstallResult RunLauncher(const TUninstallSwitches& switches) {
    // Asked first: a test's request to act as a standard user must not reach the
    // processes started from here.
    const bool administrator = HasAdministratorRights();
    if (!switches.Unknown.empty()) {
        ConsoleLine(L"<!> Unknown parameter: " + switches.Unknown.front());
        ShowUsage(switches.Silent);
        return TUninstallResult::BadParameters;
    }
    if (switches.Help) {
        ShowUsage(switches.Silent);
        return TUninstallResult::Removed;
    }
    const std::wstring folder = ParentFolder(vel::OwnExecutablePath());
    const TReportReading reading = ReadInstallReport(folder);
    const std::wstring& name = reading.Report.Name;
    if (reading.Result != TUninstallResult::Removed)
        return Report(reading.Result, name, switches.Silent, reading.Problem);

    if (reading.Report.NeedsAdministrator() && !administrator) {
        if (switches.Elevated)
            return Report(TUninstallResult::ElevationRefused, name, switches.Silent);
        ConsoleLine(L"(!) Restarting as administrator");
        const std::optional<TUninstallResult> result = RunElevated(switches);
        if (!result) return Report(TUninstallResult::ElevationRefused, name, switches.Silent);
        // The elevated copy has no console to write to; its outcome is told here.
        const bool good =
            *result == TUninstallResult::Removed || *result == TUninstallResult::Cancelled;
        ConsoleLine((good ? L"(!) " : L"<!> ") + ResultText(*result, name));
        return *result;
    }
    const TUninstallResult result = RunFromTemporaryCopy(folder, switches);
    if (result == TUninstallResult::Failed) return Report(result, name, switches.Silent);
    return result;
}

TUninstallResult RunWorker(const TUninstallSwitches& switches) {
    const std::vector<vel::UniqueHandle> originals = OpenWaitingProcesses(switches.WaitFor);
    HANDLE pipe = reinterpret_cast<HANDLE>(switches.ResultPipe);
    // Programs started from here must not hold the launcher's pipe open.
    if (pipe) SetHandleInformation(pipe, HANDLE_FLAG_INHERIT, 0);
    TResultWriter results(pipe);

    TUninstallRequest request;
    request.InstallFolder = switches.InstallFolder;
    request.Silent = switches.Silent;
    request.RemoveData = switches.RemoveData;
    request.Print = [&](const std::wstring& line) { results.Line(line); };
    const TUninstallOutcome outcome = RunUninstall(request);
    results.Finish(outcome.Result);

    if (outcome.RemoveUninstaller) RemoveOriginalUninstaller(switches.InstallFolder, originals);
    ScheduleTemporaryCopyRemoval();
    return outcome.Result;
}

} // namespace uninstaller
