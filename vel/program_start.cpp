#include "vel/program_start.h"

#include <windows.h>

#include "vel/system_folders.h"

namespace vel {

namespace {

// The program's own path, quoted, then the arguments: what the program sees as its
// command line.
std::wstring CommandLineFor(const std::wstring& program, const std::wstring& arguments) {
    std::wstring line = L"\"" + program + L"\"";
    if (!arguments.empty()) line += L" " + arguments;
    return line;
}

STARTUPINFOW StartupFor(bool visible) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = visible ? SW_SHOWNORMAL : SW_HIDE;
    return startup;
}

UniqueHandle Started(BOOL created, PROCESS_INFORMATION& process) {
    if (!created) return UniqueHandle();
    CloseHandle(process.hThread);
    return UniqueHandle(process.hProcess);
}

// The token of the process that owns the shell's desktop window, as a primary token.
UniqueHandle ShellUserToken() {
    HWND shell = GetShellWindow();
    DWORD pid = 0;
    if (!shell || !GetWindowThreadProcessId(shell, &pid) || pid == 0) {
        SetLastError(ERROR_NOT_FOUND);
        return UniqueHandle();
    }
    UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    HANDLE token = nullptr;
    if (!process || !OpenProcessToken(process.Get(), TOKEN_DUPLICATE, &token))
        return UniqueHandle();
    UniqueHandle shellToken(token);
    HANDLE primary = nullptr;
    if (!DuplicateTokenEx(shellToken.Get(), TOKEN_QUERY | TOKEN_DUPLICATE | TOKEN_ASSIGN_PRIMARY,
                          nullptr, SecurityImpersonation, TokenPrimary, &primary))
        return UniqueHandle();
    return UniqueHandle(primary);
}

// This process's token with the Administrators group for deny only and all privileges
// but SeChangeNotify removed (LUA_TOKEN: what UAC gives a standard start), at medium
// integrity.
UniqueHandle RestrictedOwnToken() {
    HANDLE own = nullptr;
    if (!OpenProcessToken(
            GetCurrentProcess(),
            TOKEN_QUERY | TOKEN_DUPLICATE | TOKEN_ASSIGN_PRIMARY | TOKEN_ADJUST_DEFAULT, &own))
        return UniqueHandle();
    UniqueHandle ownToken(own);
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators))
        return UniqueHandle();
    SID_AND_ATTRIBUTES disabled{administrators, 0};
    HANDLE restricted = nullptr;
    const BOOL made = CreateRestrictedToken(ownToken.Get(), DISABLE_MAX_PRIVILEGE | LUA_TOKEN, 1,
                                            &disabled, 0, nullptr, 0, nullptr, &restricted);
    FreeSid(administrators);
    if (!made) return UniqueHandle();
    UniqueHandle token(restricted);
    SID_IDENTIFIER_AUTHORITY mandatory = SECURITY_MANDATORY_LABEL_AUTHORITY;
    PSID medium = nullptr;
    if (!AllocateAndInitializeSid(&mandatory, 1, SECURITY_MANDATORY_MEDIUM_RID, 0, 0, 0, 0, 0, 0, 0,
                                  &medium))
        return UniqueHandle();
    TOKEN_MANDATORY_LABEL label{{medium, SE_GROUP_INTEGRITY}};
    const BOOL labelled = SetTokenInformation(token.Get(), TokenIntegrityLevel, &label,
                                              sizeof(label) + GetLengthSid(medium));
    FreeSid(medium);
    return labelled ? std::move(token) : UniqueHandle();
}

} // namespace

UniqueHandle StartSystemProgram(const std::wstring& fileName, const std::wstring& arguments,
                                bool visible) {
    const std::wstring program = SystemProgram(fileName);
    std::wstring line = CommandLineFor(program, arguments);
    STARTUPINFOW startup = StartupFor(visible);
    PROCESS_INFORMATION process{};
    const BOOL created = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE,
                                        visible ? 0 : CREATE_NO_WINDOW, nullptr,
                                        SystemFolder().c_str(), &startup, &process);
    return Started(created, process);
}

UniqueHandle StartUnelevated(const std::wstring& program, const std::wstring& arguments,
                             const std::wstring& folder, bool visible) {
    std::wstring line = CommandLineFor(program, arguments);
    STARTUPINFOW startup = StartupFor(visible);
    PROCESS_INFORMATION process{};
    const DWORD flags = visible ? 0 : CREATE_NO_WINDOW;
    const wchar_t* where = folder.empty() ? nullptr : folder.c_str();
    if (UniqueHandle shellUser = ShellUserToken()) {
        // Needs SeImpersonatePrivilege, which an elevated administrator holds. With no
        // environment block the user's own is built from the profile LOGON_WITH_PROFILE loads.
        return Started(CreateProcessWithTokenW(shellUser.Get(), LOGON_WITH_PROFILE, program.c_str(),
                                               line.data(), flags, nullptr, where, &startup,
                                               &process),
                       process);
    }
    UniqueHandle restricted = RestrictedOwnToken();
    if (!restricted) return UniqueHandle();
    // A restricted copy of the caller's own token needs no SeAssignPrimaryTokenPrivilege.
    return Started(CreateProcessAsUserW(restricted.Get(), program.c_str(), line.data(), nullptr,
                                        nullptr, FALSE, flags, nullptr, where, &startup, &process),
                   process);
}

} // namespace vel
