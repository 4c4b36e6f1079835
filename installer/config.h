#pragma once
// What the installer carries and how it installs it: the two configuration records,
// filled by LoadDefaults and adjusted by the earlier installation, the command line and
// the wizard, and the installer's module-level state.
#include <array>
#include <cstdint>
#include <string>

#include "vel/process.h"
#include "vel/version.h"

namespace installer {

// Which install types the installer allows (stored as one byte; shown as numbers).
enum class TInstallSupport : uint8_t { Both = 0, AllUser = 1, ThisUser = 2 };
// The install type chosen.
enum class TInstallPick : uint8_t { Unset = 0, AllUser = 1, User = 2 };

struct TAppOptions {
    std::wstring AppName;
    std::wstring AppFullName;
    std::wstring AppDataPath;
    std::wstring ExeOfPath;
    vel::TVersionRec ProgramVersion;
    std::wstring Publisher;
    std::wstring HelpLink;
    std::wstring UpdateLink;
    std::wstring SupportLink;

    // The current install path with a trailing delimiter, followed by ExeOfPath.
    std::wstring ExeLocation() const;
};

struct TInstallOptions {
    std::wstring InstallPath;
    std::wstring InstallPathAll;
    std::wstring InstallPathUser;
    std::wstring RegistryRecord;
    std::wstring RegistryHIVE;
    bool EnableUninstaller = false;
    bool AddRecordToRegistry = false;
    TInstallSupport InstallSupport = TInstallSupport::Both;
    TInstallPick InstallPick = TInstallPick::Unset;
    bool CreateStartMenu = false;
    bool CreateDesktop = false;
    bool CanBeRun = false;
    bool Option1 = false, Option2 = false, Option3 = false;
    bool Extension1 = false, Extension2 = false, Extension3 = false;
    bool HasEULA = false;
    bool AllowCreateShortcut = false;
    bool AllowCustomPath = false;
    bool AllowExtensions = false;
    bool AllowOptions = false;
};

// The wizard's texts that come with the configuration: the labels of the option and
// extension check boxes (an empty label hides its box) and the licence text (empty: the
// one stored with the wizard's description).
struct TConfiguredTexts {
    std::array<std::wstring, 3> OptionLabels;
    std::array<std::wstring, 3> ExtensionLabels;
    std::wstring LicenseText;
};

// What an earlier run left in the registry (see previous_install.h).
struct TPreviousInstall {
    bool Exists = false;
    std::wstring InstallPath;
    TInstallSupport Kind = TInstallSupport::Both;
    vel::TVersionRec Version;
};

// The installer's module-level state.
inline TAppOptions AppOptions;
inline TInstallOptions InstallOptions;
inline TConfiguredTexts ConfiguredTexts;
inline TPreviousInstall PreviousInstall;
inline bool IsAdmin = false;
inline bool ForceMode = false;
inline bool SelfDelete = false;
inline uint8_t AfterFinish =
    0; // 0 nothing, 1 close the installer, 2 start the application and close
inline bool InstallFailed = false;
// Where the one installation run of this process is (it happens at most once).
enum class TInstallRun : uint8_t { NotStarted, Running, Finished, Stopped };
inline TInstallRun InstallRun = TInstallRun::NotStarted;
inline int32_t StageCounter = 0;
inline uint8_t StartPage = 2;
inline uint8_t CurrentPage = 0;
inline std::wstring CaptionSuffix;
inline std::wstring TempFolder;
inline const vel::TVersionRec InstallerVersion = vel::MakeVersion(1, 8, 0, 0);
inline const vel::TVersionRec ReportVersion = vel::MakeVersion(1, 0, 0, 0);
inline uint32_t InfoTextColor = 0;
inline vel::TProcess BlockingProcess;

// The install types this build allows (set when the installer is built).
extern const TInstallSupport ConfiguredInstallSupport;

// Fills both configuration records with this build's application, or with the package's
// configuration when the program carries one, and derives the folders and InstallPick.
void LoadDefaults();

// The install pick that follows from an install support.
TInstallPick PickFor(TInstallSupport support);

} // namespace installer
