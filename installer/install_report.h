#pragma once
// InstallReport.ini: the description of an installation that the uninstaller reads.
#include <string>

namespace installer {

// Writes the report's sixteen keys into folder\InstallReport.ini, one profile-string
// write each, so an existing report is updated key by key. Throws std::system_error
// when a key cannot be written.
void WriteInstallReport(const std::wstring& folder);

} // namespace installer
