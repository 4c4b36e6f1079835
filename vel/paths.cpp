#include "vel/paths.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <array>
#include <system_error>
#include <vector>

#include "vel/folders.h"
#include "vel/path_macros.h"
#include "vel/registry.h"
#include "vel/registry_key.h"

namespace vel {

namespace {
std::wstring EnvironmentVariable(const std::wstring& name) {
    std::wstring value(GetEnvironmentVariableW(name.c_str(), nullptr, 0), L'\0');
    if (value.empty()) return value;
    value.resize(
        GetEnvironmentVariableW(name.c_str(), value.data(), static_cast<DWORD>(value.size())));
    return value;
}

// The text values of one Shell Folders key in the order the registry lists them; none when
// the key is missing.
void AppendShellFolders(HKEY hive, std::vector<TShellFolder>& folders) {
    UniqueKey key;
    std::vector<std::wstring> names;
    if (OpenRegKey(hive, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                   KEY_READ, key) != ERROR_SUCCESS ||
        RegValueNames(key.Get(), names) != ERROR_SUCCESS)
        return;
    for (const std::wstring& name : names) {
        TRegValue value;
        if (ReadRegValue(key.Get(), name, value) != ERROR_SUCCESS) continue;
        if (std::optional<std::wstring> location = DecodeText(value))
            folders.push_back({name, *location});
    }
}
} // namespace

std::wstring ExpandPathMacros(const std::wstring& path) {
    return ExpandEnvironmentMacros(ExpandShellFolders(path));
}

std::wstring ExpandShellFolders(const std::wstring& path) {
    if (path.find(L"shell:") == std::wstring::npos) return path;
    std::vector<TShellFolder> folders;
    AppendShellFolders(HKEY_LOCAL_MACHINE, folders);
    AppendShellFolders(HKEY_CURRENT_USER, folders);
    return ExpandShellNames(path, folders);
}

std::wstring ExpandEnvironmentMacros(const std::wstring& path) {
    return ExpandMacros(path, EnvironmentVariable);
}

std::wstring GetSystemDrive() {
    if (std::wstring drive = EnvironmentVariable(L"SYSTEMDRIVE"); !drive.empty()) return drive;
    // Without the variable, the drive of the Windows folder is the system drive.
    wchar_t windows[MAX_PATH];
    const UINT length = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    return length >= 2 && length < MAX_PATH ? std::wstring(windows, 2) : L"C:";
}

float GetWindowsVersionNumber() {
    // GetVersionEx answers with what the manifest claims support for; ntdll tells the truth.
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    static const auto rtlGetVersion =
        reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!rtlGetVersion || rtlGetVersion(&info) != 0) return 0.0f;
    return static_cast<float>(info.dwMajorVersion) +
           static_cast<float>(info.dwMinorVersion) / 10.0f;
}

std::wstring GetCurrentUserName() {
    wchar_t name[1024];
    DWORD length = 1024;
    if (!GetUserNameW(name, &length))
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category());
    // The length counts the terminating zero.
    return std::wstring(name, length > 0 ? length - 1 : 0);
}

namespace {
// The base folder of each kind: its macro, and the known folder for when the variable is unset.
struct TAppDataBase {
    const wchar_t* Macro;
    const KNOWNFOLDERID& Known;
};
const std::array<TAppDataBase, 3> appDataBases{{
    {L"%LOCALAPPDATA%\\", FOLDERID_LocalAppData},
    {L"%APPDATA%\\", FOLDERID_RoamingAppData},
    {L"%userprofile%\\AppData\\LocalLow\\", FOLDERID_LocalAppDataLow},
}};

std::wstring AppDataBase(TAppDataKind kind) {
    if (GetWindowsVersionNumber() < 6)
        return GetSystemDrive() + L"\\Documents and Settings\\" + GetCurrentUserName() +
               L"\\Application Data\\";
    const TAppDataBase& base = appDataBases[static_cast<size_t>(kind)];
    const std::wstring expanded = ExpandPathMacros(base.Macro);
    if (expanded != base.Macro) return expanded;
    // A process started without a user environment: ask the shell rather than create a
    // folder literally named "%LOCALAPPDATA%" below the current folder.
    wchar_t* known = nullptr;
    std::wstring folder = expanded;
    if (SUCCEEDED(SHGetKnownFolderPath(base.Known, 0, nullptr, &known)))
        folder = std::wstring(known) + L"\\";
    CoTaskMemFree(known);
    return folder;
}
} // namespace

std::wstring GetAppDataFolder(const std::wstring& folder, bool inMakerFolder, bool createIfMissing,
                              TAppDataKind kind) {
    std::wstring path = AppDataBase(kind);
    if (inMakerFolder) {
        path += L"VelmarSoftware\\";
        if (createIfMissing) CreateFolderTree(path);
    }
    path += folder + L"\\";
    if (createIfMissing) CreateFolderTree(path);
    return path;
}

uint64_t GetFolderSize(const std::wstring& path) {
    if (path.empty()) return 0; // not the current drive's root
    // Folders wait in a list rather than on the call stack, so depth costs no stack; and
    // only the top path is expanded, so a folder named "%TEMP%" is just a name.
    std::vector<std::wstring> pending{
        ExtendedLengthPath(ExpandPathMacros(path.back() == L'\\' ? path : path + L"\\"))};
    uint64_t total = 0;
    while (!pending.empty()) {
        const std::wstring folder = std::move(pending.back());
        pending.pop_back();
        WIN32_FIND_DATAW entry;
        UniqueFind find(FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &entry,
                                         FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH));
        if (!find) continue;
        do {
            const std::wstring name = entry.cFileName;
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                total += (static_cast<uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
            else if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && name != L"." &&
                     name != L"..")
                pending.push_back(folder + name + L"\\"); // junctions and links could lead back up
        } while (FindNextFileW(find.Get(), &entry));
    }
    return total;
}

namespace {
const wchar_t* const userShellFoldersKey =
    L"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell "
    L"Folders";

// Value names under that key by kind; Profile is read from the environment.
constexpr std::array<const wchar_t*, 14> userShellFolderValues{
    L"",
    L"AppData",
    L"Local AppData",
    L"Personal",
    L"My Pictures",
    L"Desktop",
    L"My Music",
    L"My Video",
    L"NetHood",
    L"Recent",
    L"Start Menu",
    L"Startup",
    L"{374DE290-123F-4565-9164-39C4925E467B}",
    L"Programs",
};
static_assert(userShellFolderValues.size() == static_cast<size_t>(TUserShellFolder::Programs) + 1);
} // namespace

std::wstring GetUserShellFolderWith(TUserShellFolder kind, const TRegistryTextReader& readText) {
    if (kind == TUserShellFolder::Profile) return ExpandPathMacros(L"%USERPROFILE%");
    // The values usually hold unexpanded macros such as "%USERPROFILE%\Desktop".
    return ExpandPathMacros(
        readText(userShellFoldersKey, userShellFolderValues[static_cast<size_t>(kind)]));
}

std::wstring GetUserShellFolder(TUserShellFolder kind) {
    return GetUserShellFolderWith(kind, [](const std::wstring& key, const std::wstring& valueName) {
        return TWinRegistry().GetStringValue(key, valueName);
    });
}

} // namespace vel
