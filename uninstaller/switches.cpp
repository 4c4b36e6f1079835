#include "uninstaller/switches.h"

namespace uninstaller {

namespace {

// A whole, non-negative decimal number that fits the target type.
template <class T> bool ParseNumber(const std::wstring& text, T& value) {
    if (text.empty() || text.size() > 20) return false;
    unsigned long long number = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        number = number * 10 + static_cast<unsigned>(c - L'0');
    }
    if (number > static_cast<unsigned long long>(static_cast<T>(~T{0}))) return false;
    value = static_cast<T>(number);
    return true;
}

} // namespace

TUninstallSwitches ParseSwitches(const std::vector<std::wstring>& parameters) {
    TUninstallSwitches switches;
    for (size_t i = 0; i < parameters.size(); ++i) {
        const std::wstring& p = parameters[i];
        const bool hasValue = i + 1 < parameters.size();
        if (p == L"-silent") {
            switches.Silent = true;
        } else if (p == L"-removedata") {
            switches.RemoveData = true;
        } else if (p == L"-help" || p == L"-?") {
            switches.Help = true;
        } else if (p == L"-elevated") {
            switches.Elevated = true;
        } else if (p == L"-relocated" && hasValue && !parameters[i + 1].empty()) {
            switches.InstallFolder = parameters[++i];
        } else if (uint32_t pid = 0;
                   p == L"-waitfor" && hasValue && ParseNumber(parameters[i + 1], pid)) {
            switches.WaitFor.push_back(pid);
            ++i;
        } else if (uintptr_t pipe = 0;
                   p == L"-resultpipe" && hasValue && ParseNumber(parameters[i + 1], pipe)) {
            switches.ResultPipe = pipe;
            ++i;
        } else {
            switches.Unknown.push_back(p);
        }
    }
    return switches;
}

std::vector<std::wstring> UserSwitches(const TUninstallSwitches& switches) {
    std::vector<std::wstring> parameters;
    if (switches.Silent) parameters.push_back(L"-silent");
    if (switches.RemoveData) parameters.push_back(L"-removedata");
    return parameters;
}

std::vector<std::wstring> UsageLines() {
    return {
        L"Uninstall.exe [-silent] [-removedata]",
        L"-silent -> Removes the application without windows or questions",
        L"-removedata -> Also removes the application's data folder (asked in a normal run)",
        L"-help -> Shows this information",
        L"Exit codes: 0 removed, 1 cancelled, 2 report missing, 3 report version mismatched,",
        L"4 report damaged, 5 application running, 6 administrator rights refused,",
        L"7 partly removed, 8 unknown parameter, 9 the uninstaller could not run,",
        L"10 another uninstaller is already running",
    };
}

} // namespace uninstaller
