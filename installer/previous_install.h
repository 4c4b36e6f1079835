#pragma once
// Finding what an earlier run of this installer left behind and turning this run into
// an update of it.
namespace installer {

// Probes the Uninstall records allowed by InstallSupport; when one is found, reuses its
// folder and install type, asks before a downgrade and marks the caption. May end the
// process (downgrade refused) or restart it elevated (an all-users record without
// administrator rights).
void CheckPreviousInstall();

} // namespace installer
