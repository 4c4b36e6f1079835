#pragma once
// Path templates and well-known folders: environment macros such as "%PROGRAMFILES%",
// "shell:" folder names, the user's shell folders, the maker's application-data folder
// and the size of a folder tree.
#include <cstdint>
#include <functional>
#include <string>

namespace vel {

enum class TAppDataKind { Local, Roaming, LocalLow };

// In a namespace of its own, so that argument-dependent lookup does not bring this
// library's GetUserShellFolder into calls of the framework's twin.
namespace shell_folders {
enum class TUserShellFolder {
    Profile,
    AppData,
    AppDataLocal,
    Documents,
    Pictures,
    Desktop,
    Music,
    Videos,
    Network,
    Recent,
    StartMenu,
    Startup,
    Downloads,
    Programs
};
} // namespace shell_folders
using shell_folders::TUserShellFolder;

// "shell:" names first, then environment macros. Whatever is unknown stays as written.
std::wstring ExpandPathMacros(const std::wstring& path);
// Replaces "shell:" + a name of the Shell Folders keys, in any case, by that folder; the
// machine's key is tried before the user's. Only paths containing "shell:" (this case) are
// looked at.
std::wstring ExpandShellFolders(const std::wstring& path);
// Replaces "%NAME%", in any case, by the value of the environment variable NAME when it is
// set and not empty.
std::wstring ExpandEnvironmentMacros(const std::wstring& path);

// The system drive, e.g. "C:".
std::wstring GetSystemDrive();
// Major version + minor version / 10 of the running Windows (6.1, 10.0), whatever the
// program's manifest claims support for.
float GetWindowsVersionNumber();
// The logged-on user's name. Throws std::system_error when Windows cannot tell.
std::wstring GetCurrentUserName();

// The application-data folder of kind, then "VelmarSoftware\" when inMakerFolder, then
// folder and "\". With createIfMissing the folders are created; std::system_error when that
// fails.
std::wstring GetAppDataFolder(const std::wstring& folder, bool inMakerFolder, bool createIfMissing,
                              TAppDataKind kind);

// The bytes of all files below the folder (macros expanded). Links and junctions to other
// folders are not followed; folders that cannot be listed count nothing.
uint64_t GetFolderSize(const std::wstring& path);

// The folder of kind, from the user's "User Shell Folders" with its macros expanded; empty
// when the value is missing.
std::wstring GetUserShellFolder(TUserShellFolder kind);

// The same with readText(key, valueName) reading the registry, for a copy that reads
// through another registry class.
using TRegistryTextReader =
    std::function<std::wstring(const std::wstring& key, const std::wstring& valueName)>;
std::wstring GetUserShellFolderWith(TUserShellFolder kind, const TRegistryTextReader& readText);

} // namespace vel
