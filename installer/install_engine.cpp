#include "installer/install_engine.h"

#include <windows.h>

#include <chrono>
#include <cmath>
#include <exception>
#include <system_error>

#include "installer/command_line.h"
#include "installer/config.h"
#include "installer/error_text.h"
#include "installer/file_writer.h"
#include "installer/folders.h"
#include "installer/install_report.h"
#include "installer/installed_files.h"
#include "installer/payload.h"
#include "installer/test_seams.h"
#include "installer/uninstall_record.h"
#include "vel/folders.h"
#include "vel/paths.h"
#include "vel/shell.h"
#include "vel/zip_archive.h"

namespace installer {

namespace {

// Held open from export to extraction without write or delete sharing, so nothing can
// swap or alter the archive in between (it lies in a user-writable folder while an
// all-users installation runs elevated).
vel::UniqueHandle ArchiveHandle;

void Remember(const std::vector<std::wstring>& files) {
    InstallJournal.WrittenFiles.insert(InstallJournal.WrittenFiles.end(), files.begin(),
                                       files.end());
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
    auto created = vel::CreateFolderTree(InstallOptions.InstallPath);
    InstallJournal.CreatedFolders.insert(InstallJournal.CreatedFolders.end(), created.begin(),
                                         created.end());
}

void Export() {
    ArchiveHandle.Reset(CreateFileW(ArchiveFile().c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY, nullptr));
    if (!ArchiveHandle) ThrowLastError("Cannot create the temporary archive");
    CopyPayloadResource(L"PROGRAM", ArchiveHandle.Get());
}

void Extract() {
    if (!ArchiveHandle) throw std::runtime_error("The temporary archive is missing");
    vel::ZipArchive archive;
    archive.Open(std::move(ArchiveHandle));
    vel::ZipExtraction written = archive.ExtractAll(InstallOptions.InstallPath);
    archive.Close();
    Remember(written.CreatedFiles);
    Remember(written.ReplacedFiles);
    InstallJournal.CreatedFolders.insert(InstallJournal.CreatedFolders.end(),
                                         written.CreatedFolders.begin(),
                                         written.CreatedFolders.end());
}

void CreateLink(vel::TUserShellFolder where) {
    std::wstring link =
        WithDelimiter(vel::GetUserShellFolder(where)) + AppOptions.AppName + L".lnk";
    vel::CreateShortcut(AppOptions.ExeLocation(), link, AppOptions.AppFullName, L"");
    if (FileExists(link)) Remember({link});
}

void Write() {
    ArchiveHandle.Reset();
    DeleteFileW(ArchiveFile().c_str());
    if (InstallOptions.CreateStartMenu) CreateLink(vel::TUserShellFolder::Programs);
    if (InstallOptions.CreateDesktop) CreateLink(vel::TUserShellFolder::Desktop);
    if (InstallOptions.EnableUninstaller) {
        std::wstring uninstaller = WithDelimiter(InstallOptions.InstallPath) + L"Uninstall.exe";
        WritePayloadFile(L"UNINSTALL", uninstaller);
        Remember({uninstaller});
    }
    if (InstallOptions.AddRecordToRegistry) {
        WriteRegistryRecord();
        InstallJournal.RecordWritten = true;
    }
    WriteInstallReport(InstallOptions.InstallPath);
    Remember({WithDelimiter(InstallOptions.InstallPath) + L"InstallReport.ini"});
    std::wstring list = WriteInstalledFilesList(InstallOptions.InstallPath, InstallJournal);
    Remember({list});
}

void Verify() {
    if (!vel::FolderExists(InstallOptions.InstallPath))
        throw std::runtime_error("The install folder does not exist");
    if (InstallOptions.CanBeRun && !FileExists(AppOptions.ExeLocation()))
        throw std::runtime_error("The application's executable is missing");
}

} // namespace

void PrepareTempFolder() {
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

void RemoveInstalledFiles() {
    ArchiveHandle.Reset();
    DeleteFileW(ArchiveFile().c_str());
    for (const std::wstring& file : InstallJournal.WrittenFiles)
        DeleteFileW(vel::ExtendedLengthPath(file).c_str());
    // Innermost first; a folder that still holds anything (files that were there
    // before, or that the user put there) stays.
    for (auto it = InstallJournal.CreatedFolders.rbegin();
         it != InstallJournal.CreatedFolders.rend(); ++it)
        RemoveDirectoryW(it->c_str());
    DeleteRegistryRecord();
    InstallJournal = {};
}

} // namespace installer
