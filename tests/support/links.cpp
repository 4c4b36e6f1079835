#include "tests/support/links.h"

#include <windows.h>

#include "tests/support/support.h"

namespace test {

namespace {

bool IsLink(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// The Unix path of a Windows path under Wine; empty elsewhere.
std::string UnixPath(const std::wstring& path) {
    using UnixNameFn = char*(__cdecl*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixNameFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) return "";
    char* name = unixName(path.c_str());
    std::string result = name ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

} // namespace

bool PlantFolderLink(const std::wstring& link, const std::wstring& target) {
    if (CreateSymbolicLinkW(link.c_str(), target.c_str(),
                            SYMBOLIC_LINK_FLAG_DIRECTORY |
                                SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
        IsLink(link))
        return true;
    const std::string unixTarget = UnixPath(target), unixLink = UnixPath(link);
    if (unixTarget.empty() || unixLink.empty()) return false;
    // Wine starts Unix programs as it starts Windows ones (Z: is the Unix root).
    std::wstring line = L"ln -s \"" + Widen(unixTarget) + L"\" \"" + Widen(unixLink) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\bin\\ln", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Wine's handle of a Unix process does not tell when it ended: wait for the link.
    for (int i = 0; i < 300; ++i, Sleep(100))
        if (IsLink(link)) return true;
    return false;
}

} // namespace test
