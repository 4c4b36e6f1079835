#include "uninstaller/exit_codes.h"

namespace uninstaller {

std::wstring ResultText(TUninstallResult result, const std::wstring& appName) {
    switch (result) {
    case TUninstallResult::Removed:
        return appName + L" was removed from your computer.";
    case TUninstallResult::Cancelled:
        return L"The uninstall was cancelled. Nothing was removed.";
    case TUninstallResult::ReportMissing:
        return L"The install report InstallReport.ini was not found beside the uninstaller.";
    case TUninstallResult::ReportMismatch:
        return L"The installer report version is mismatched. Installation cannot continue";
    case TUninstallResult::ReportDamaged:
        return L"The install report is damaged. Nothing was removed.";
    case TUninstallResult::ApplicationRunning:
        return appName + L" is running. Close it and run the uninstaller again.";
    case TUninstallResult::ElevationRefused:
        return L"Administrator rights are needed to remove " + appName + L" for all users.";
    case TUninstallResult::PartlyRemoved:
        return appName + L" was only partly removed. Run the uninstaller again to finish.";
    case TUninstallResult::BadParameters:
        return L"Unknown parameter. Use -silent and -removedata.";
    case TUninstallResult::Failed:
        return L"The uninstaller could not run.";
    case TUninstallResult::AlreadyRunning:
        return L"The uninstaller of " + appName + L" is already running.";
    }
    return L"";
}

} // namespace uninstaller
