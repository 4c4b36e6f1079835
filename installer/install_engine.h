#pragma once
// The five installation stages: 1 Prepare, 2 Export, 3 Extract, 4 Write, 5 Verify.
// Each stage records its failure in InstallFailed and never stops the run by itself.
#include <optional>
#include <string>
#include <vector>

#include "installer/uninstall_record.h"
#include "vel/kept_files.h"

namespace installer {

// What this installation run wrote, so a failed run can take back exactly its own work
// and the uninstaller can remove exactly what was installed.
struct TInstallJournal {
    std::vector<std::wstring> CreatedFolders; // in the order they were created
    std::vector<std::wstring> CreatedFiles;   // did not exist before this run
    // The earlier content of every file this run replaced, kept until the run succeeded.
    std::vector<vel::TKeptFile> KeptFiles;
    bool RecordWritten = false; // the record may have been written (also in part)
    // The record as an earlier installation left it; nothing when this run created it.
    std::optional<TRecordValues> EarlierRecord;

    // Every file this run created or replaced.
    std::vector<std::wstring> WrittenFiles() const;
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

// Ends the run: after a success the earlier files kept aside are thrown away; after a
// failure they are put back and the record is as it was before the run (an earlier
// installation's record, or none). What the run created stays for the cleanup.
void FinishInstallation();

// The cleanup after a failed run: removes the archive, the files and (empty) folders this
// run created, and the record only when this run created it. Earlier files are left alone.
void RemoveInstalledFiles();

// Stops a run before it finished (the user ended the session meanwhile): everything it
// did is taken back, and the process then ends with InstallationStopped.
void StopInstallation();

} // namespace installer
