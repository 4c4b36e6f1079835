#pragma once
// The running copy of the application that keeps the installation from replacing its files.

namespace installer {

// Looks for a process whose executable file name is ExeOfPath (same letter case; any
// folder) and records the first one in BlockingProcess. False when none runs.
bool FindBlockingProcess();

// Ends the process that FindBlockingProcess recorded, provided it is still the same
// process: its identifier may have been given to another program since it was listed.
void EndBlockingProcess();

} // namespace installer
