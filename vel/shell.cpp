#include "vel/shell.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <stdexcept>

#include "vel/com_ptr.h"

namespace vel {

void ShellRun(const std::wstring& file, bool visible, const std::wstring& parameters, bool admin,
              const std::wstring& folder) {
    ShellExecuteW(nullptr, admin ? L"runas" : L"open", file.c_str(), parameters.c_str(),
                  folder.empty() ? nullptr : folder.c_str(), visible ? SW_SHOWNORMAL : SW_HIDE);
}

UniqueHandle ShellStartProcess(const std::wstring& file, const std::wstring& parameters,
                               bool admin) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = admin ? L"runas" : L"open";
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) return UniqueHandle();
    return UniqueHandle(info.hProcess);
}

bool IsAdministrator() {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators))
        return false;
    BOOL member = FALSE;
    if (!CheckTokenMembership(nullptr, administrators, &member)) member = FALSE;
    FreeSid(administrators);
    return member != FALSE;
}

namespace {
std::wstring FolderOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"" : path.substr(0, slash);
}
} // namespace

void CreateShortcut(const std::wstring& target, const std::wstring& shortcut,
                    const std::wstring& description, const std::wstring& arguments) {
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(link.Out()))) ||
        !link)
        throw std::runtime_error("Cannot create the shell link object");
    link->SetArguments(arguments.c_str());
    link->SetDescription(description.c_str());
    link->SetPath(target.c_str());
    link->SetWorkingDirectory(FolderOf(target).c_str());
    ComPtr<IPersistFile> file;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out()))) &&
        file)
        file->Save(shortcut.c_str(), FALSE);
}

} // namespace vel
