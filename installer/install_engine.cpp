#include "installer/install_engine.h"

#include <windows.h>

#include <chrono>
#include <cmath>
#include <exception>
#include <memory>
#include <system_error>

#include "installer/command_line.h"
#include "installer/config.h"
#include "installer/error_text.h"
#include "installer/file_writer.h"
#include "installer/folders.h"
#include "installer/free_space.h"
#include "installer/install_path_check.h"
#include "installer/install_report.h"
#include "installer/installed_files.h"
#include "installer/payload.h"
#include "installer/test_seams.h"
#include "installer/uninstall_record.h"
#include "vel/access_lists.h"
#include "vel/folders.h"
#include "vel/kept_files.h"
#include "vel/paths.h"
#include "vel/shell.h"
#include "vel/system_folders.h"
#include "vel/unfollowed_files.h"
#include "vel/zip_archive.h"
#include "vel/zip_files.h"

namespace installer {

namespace {

// Held open from export to extraction without write or delete sharing, so nothing can
// swap or alter the archive in between. It is deleted with its last handle, so it is
// never deleted by a path that could have been redirected meanwhile.
vel::UniqueHandle ArchiveHandle;

// The temporary folder of an elevated run: nothing in the user's writable profile.
std::unique_ptr<vel::PrivateFolder> PrivateTempFolder;

void Remember(std::vector<std::wstring>& list, const std::vector<std::wstring>& files) {
    list.insert(list.end(), files.begin(), files.end());
}

// Before this run writes a file, its earlier content is kept aside, renamed or (for a
// file that is then updated from its earlier content) copied; the file is this run's own
// when there was none.
enum class Earlier { MoveAside, Copy };
void KeepEarlier(const std::wstring& file, Earlier how) {
    vel::TKeptFile kept;
    const DWORD error =
        how == Earlier::Copy ? vel::KeepCopy(file, kept) : vel::KeepAside(file, kept);
    if (error == ERROR_SUCCESS)
        InstallJournal.KeptFiles.push_back(std::move(kept));
    else if (error == ERROR_FILE_NOT_FOUND)
        InstallJournal.CreatedFiles.push_back(file);
    else
        throw std::system_error(static_cast<int>(error), std::system_category(),
                                "Cannot keep the earlier file aside");
}

// The earlier content of files below the install folder, which the record's size leaves out.
uint64_t KeptBytes() {
    uint64_t bytes = 0;
    for (const vel::TKeptFile& file : InstallJournal.KeptFiles) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (GetFileAttributesExW(vel::ExtendedLengthPath(file.KeptAs).c_str(),
                                 GetFileExInfoStandard, &data))
            bytes += (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    }
    return bytes;
}

// Program Files keeps standard users out by itself; any other folder of an all-users
// installation gets that access list, so nobody can replace a program there that an
// administrator runs later.
void ProtectOutsideProgramFiles(const std::wstring& folder) {
    const std::wstring full = vel::FullPath(folder);
    if (InProgramFiles(full, SystemProtectedFolders())) return;
    vel::UniqueHandle handle =
        vel::OpenUnfollowed(full, READ_CONTROL | WRITE_DAC | WRITE_OWNER,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
    if (!handle || !vel::ProtectFolder(handle.Get()))
        ThrowLastError("Cannot protect the install folder");
}

void Prepare() {
    InstallOptions.RegistryRecord =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + AppOptions.AppName;
    InstallOptions.RegistryHIVE = InstallOptions.InstallPick == TInstallPick::User
                                      ? L"HKEY_CURRENT_USER"
                                      : L"HKEY_LOCAL_MACHINE";
    if (InstallOptions.InstallPath.empty())
        InstallOptions.InstallPath = InstallOptions.InstallPick == TInstallPick::AllUser
                                         ? InstallOptions.InstallPathAll
                                         : InstallOptions.InstallPathUser;
    const bool forAllUsers = IsAdmin && InstallOptions.InstallPick == TInstallPick::AllUser;
    // A junction on the way would send an administrator's files wherever its maker chose.
    if (forAllUsers && vel::PathPassesThroughLink(InstallOptions.InstallPath))
        throw std::runtime_error("The install folder passes through a junction or link");
    CheckFreeSpace(TempFolder, InstallOptions.InstallPath);
    Remember(InstallJournal.CreatedFolders, vel::CreateFolderTree(InstallOptions.InstallPath));
    if (forAllUsers) ProtectOutsideProgramFiles(InstallOptions.InstallPath);
}

void Export() {
    ArchiveHandle =
        vel::OpenUnfollowed(ArchiveFile(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE);
    if (!ArchiveHandle) ThrowLastError("Cannot create the temporary archive");
    CopyPayloadResource(L"PROGRAM", ArchiveHandle.Get());
}

void Extract() {
    if (!ArchiveHandle) throw std::runtime_error("The temporary archive is missing");
    vel::ZipArchive archive;
    // The archive goes when the reader closes it.
    archive.Open(std::move(ArchiveHandle));
    vel::ZipExtraction written =
        archive.ExtractAll(InstallOptions.InstallPath, {}, vel::ZipReplaced::Keep);
    archive.Close();
    Remember(InstallJournal.CreatedFiles, written.CreatedFiles);
    Remember(InstallJournal.CreatedFolders, written.CreatedFolders);
    auto& kept = InstallJournal.KeptFiles;
    kept.insert(kept.end(), written.KeptFiles.begin(), written.KeptFiles.end());
}

// The user's folder for shortcuts. Elevated, it comes from the system, not from the
// user-editable "User Shell Folders" values; a missing value is never the drive's root.
std::wstring ShortcutFolder(vel::TUserShellFolder where) {
    const KNOWNFOLDERID& known =
        where == vel::TUserShellFolder::Programs ? FOLDERID_Programs : FOLDERID_Desktop;
    std::wstring folder = IsAdmin ? L"" : vel::GetUserShellFolder(where);
    return folder.empty() ? vel::KnownFolder(known) : folder;
}

void CreateLink(vel::TUserShellFolder where) {
    const std::wstring folder = ShortcutFolder(where);
    if (folder.empty()) return;
    std::wstring link = WithDelimiter(folder) + AppOptions.AppName + L".lnk";
    KeepEarlier(link, Earlier::MoveAside);
    vel::CreateShortcut(AppOptions.ExeLocation(), link, AppOptions.AppFullName, L"");
    // Shortcut creation reports no failure; an earlier link that was not replaced stays.
    if (!FileExists(link) && !InstallJournal.KeptFiles.empty() &&
        InstallJournal.KeptFiles.back().Path == link) {
        vel::PutBack(InstallJournal.KeptFiles.back());
        InstallJournal.KeptFiles.pop_back();
    }
}

void Write() {
    ArchiveHandle.Reset();
    if (InstallOptions.CreateStartMenu) CreateLink(vel::TUserShellFolder::Programs);
    if (InstallOptions.CreateDesktop) CreateLink(vel::TUserShellFolder::Desktop);
    const std::wstring folder = WithDelimiter(InstallOptions.InstallPath);
    if (InstallOptions.EnableUninstaller) {
        std::wstring uninstaller = folder + L"Uninstall.exe";
        KeepEarlier(uninstaller, Earlier::MoveAside);
        WritePayloadFile(L"UNINSTALL", uninstaller);
    }
    if (InstallOptions.AddRecordToRegistry) {
        InstallJournal.EarlierRecord = ReadRegistryRecord();
        InstallJournal.RecordWritten = true;
        WriteRegistryRecord(KeptBytes());
    }
    // The report and the list are updated from what an earlier installation left there.
    KeepEarlier(folder + L"InstallReport.ini", Earlier::Copy);
    WriteInstallReport(InstallOptions.InstallPath);
    KeepEarlier(folder + kInstalledFilesName, Earlier::Copy);
    WriteInstalledFilesList(InstallOptions.InstallPath, InstallJournal);
}

void Verify() {
    if (!vel::FolderExists(InstallOptions.InstallPath))
        throw std::runtime_error("The install folder does not exist");
    if (InstallOptions.CanBeRun && !FileExists(AppOptions.ExeLocation()))
        throw std::runtime_error("The application's executable is missing");
}

} // namespace

void PrepareTempFolder() {
    if (IsAdmin) {
        // Below the system's own temporary folder, which standard users cannot list.
        PrivateTempFolder =
            std::make_unique<vel::PrivateFolder>(vel::SystemWindowsFolder() + L"\\Temp");
        TempFolder = PrivateTempFolder->Path() + L"\\";
        return;
    }
    TempFolder = vel::GetAppDataFolder(L"Velmar Installer", true, true, vel::TAppDataKind::Local) +
                 L"Temp\\";
    vel::CreateFolderTree(TempFolder);
}

std::wstring ArchiveFile() {
    return TempFolder + L"program.zip";
}

void RunInstallStage(int stage) {
    struct Stage {
        const wchar_t* name;
        void (*run)();
    };
    static const Stage stages[] = {{L"Prepare", Prepare},
                                   {L"Export", Export},
                                   {L"Extract", Extract},
                                   {L"Write", Write},
                                   {L"Verify", Verify}};
    if (stage < 1 || stage > 5) return;
    if (InstallRun == TInstallRun::NotStarted) InstallRun = TInstallRun::Running;
    const Stage& current = stages[stage - 1];
    // Every failure of a stage, expected or not, ends up in InstallFailed: a silent run
    // must report it through its console line and exit code, never through an error box.
    const auto start = std::chrono::steady_clock::now();
    try {
        current.run();
    } catch (const std::exception& error) {
        InstallFailed = true;
        ConsoleLine(L"<!> " + std::wstring(current.name) + L": " + ErrorText(error));
    }
    RecordStageTime(
        current.name,
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

int InstallTick(bool& finished) {
    int progress = static_cast<int>(std::lround(StageCounter / 5.0 * 100.0));
    ++StageCounter;
    finished = StageCounter > 5 || InstallFailed;
    if (!finished) RunInstallStage(StageCounter);
    return progress;
}

std::vector<std::wstring> TInstallJournal::WrittenFiles() const {
    std::vector<std::wstring> files = CreatedFiles;
    for (const vel::TKeptFile& file : KeptFiles)
        files.push_back(file.Path);
    return files;
}

void FinishInstallation() {
    InstallRun = TInstallRun::Finished;
    ArchiveHandle.Reset();
    PrivateTempFolder.reset();
    if (!InstallFailed) {
        vel::DiscardAll(InstallJournal.KeptFiles);
        InstallJournal.KeptFiles.clear();
        return;
    }
    if (!vel::PutBackAll(InstallJournal.KeptFiles))
        ConsoleLine(L"<!> Some earlier files could not be put back; they wait beside their "
                    L"names, ending in \".old\".");
    InstallJournal.KeptFiles.clear();
    if (InstallJournal.RecordWritten) {
        if (InstallJournal.EarlierRecord)
            RestoreRegistryRecord(*InstallJournal.EarlierRecord);
        else
            DeleteRegistryRecord();
        InstallJournal.RecordWritten = false;
    }
}

void RemoveInstalledFiles() {
    ArchiveHandle.Reset();
    PrivateTempFolder.reset();
    for (auto file = InstallJournal.CreatedFiles.rbegin();
         file != InstallJournal.CreatedFiles.rend(); ++file)
        DeleteFileW(vel::ExtendedLengthPath(*file).c_str());
    // Innermost first; a folder that still holds anything (files that were there
    // before, or that the user put there) stays.
    for (auto it = InstallJournal.CreatedFolders.rbegin();
         it != InstallJournal.CreatedFolders.rend(); ++it)
        RemoveDirectoryW(vel::ExtendedLengthPath(*it).c_str());
    if (InstallJournal.RecordWritten && !InstallJournal.EarlierRecord) DeleteRegistryRecord();
    InstallJournal = {};
}

void StopInstallation() {
    InstallFailed = true;
    FinishInstallation();
    RemoveInstalledFiles();
    InstallRun = TInstallRun::Stopped;
}

} // namespace installer
