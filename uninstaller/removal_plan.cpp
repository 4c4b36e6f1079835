#include "uninstaller/removal_plan.h"

#include <algorithm>
#include <set>

#include "uninstaller/install_report.h"
#include "vel/text.h"

namespace uninstaller {

namespace {

size_t Depth(const std::wstring& path) {
    return static_cast<size_t>(std::count(path.begin(), path.end(), L'\\'));
}

// Adds path unless an entry differing only in letter case is there already.
void AddOnce(std::vector<std::wstring>& paths, std::set<std::wstring>& seen,
             const std::wstring& path) {
    if (seen.insert(vel::LowerCase(path)).second) paths.push_back(path);
}

} // namespace

bool IsUninstallerFile(const std::wstring& relativePath) {
    const std::wstring lower = vel::LowerCase(relativePath);
    for (const wchar_t* own : {kUninstallerName, kReportFileName, kInstalledFilesName})
        if (lower == vel::LowerCase(own)) return true;
    return false;
}

TRemovalPlan PlanRemoval(const TInstalledFiles& list) {
    TRemovalPlan plan;
    std::set<std::wstring> seenFiles, seenFolders;
    for (const std::wstring& file : list.Files)
        if (!IsUninstallerFile(file)) AddOnce(plan.Files, seenFiles, file);

    std::vector<std::wstring> entries = list.Files;
    entries.insert(entries.end(), list.Folders.begin(), list.Folders.end());
    for (const std::wstring& folder : list.Folders)
        AddOnce(plan.Folders, seenFolders, folder);
    for (const std::wstring& entry : entries)
        for (size_t slash = entry.rfind(L'\\'); slash != std::wstring::npos && slash > 0;
             slash = entry.rfind(L'\\', slash - 1))
            AddOnce(plan.Folders, seenFolders, entry.substr(0, slash));

    std::stable_sort(
        plan.Folders.begin(), plan.Folders.end(),
        [](const std::wstring& a, const std::wstring& b) { return Depth(a) > Depth(b); });
    return plan;
}

} // namespace uninstaller
