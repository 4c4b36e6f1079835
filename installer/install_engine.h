#pragma once
// The five installation stages: 1 Prepare, 2 Export, 3 Extract, 4 Write, 5 Verify.
// Each stage records its failure in InstallFailed and never stops the run by itself.
#include <string>
#include <vector>

namespace installer {

// What this installation run wrote, so a failed run can take back exactly its own work
// and the uninstaller can remove exactly what was installed.
struct TInstallJournal {
    std::vector<std::wstring> CreatedFolders; // in the order they were created
    std::vector<std::wstring> WrittenFiles;   // created or replaced by this run
    bool RecordWritten = false;
};
inline TInstallJournal InstallJournal;

// Creates the installer's own temporary folder and sets TempFolder.
void PrepareTempFolder();

// The temporary archive file that stage 2 writes and stage 3 reads.
std::wstring ArchiveFile();

// Runs stage 1..5; other numbers do nothing.
void RunInstallStage(int stage);

// One tick of the wizard's installation timer: returns the progress to show (0..100)
// and runs the next stage, or sets finished when the run is over (all stages done, or
// one failed).
int InstallTick(bool& finished);

// Takes back what this run wrote: the archive, the files it extracted or wrote, the
// folders it created (when empty) and the uninstall record. Files that were in the
// install folder before are left alone.
void RemoveInstalledFiles();

} // namespace installer
