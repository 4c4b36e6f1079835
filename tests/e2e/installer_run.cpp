#include "tests/e2e/installer_run.h"

#include <shlobj.h>

namespace test {

std::wstring SetupExe(const std::wstring& name) {
    return BuildFile(L"installer\\" + name);
}

ProcessResult RunSetupFromConsole(const std::wstring& arguments, const std::wstring& environment,
                                  const std::wstring& exe) {
    // cmd.exe takes everything after /c as the command; the outer quotes keep the
    // quoted program path intact.
    std::wstring line = L"cmd.exe /c \"\"" + exe + L"\" " + arguments + L"\"";
    return RunProcess(line, 120000, environment);
}

std::vector<std::string> OutputLines(const std::string& output) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : output) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::wstring UninstallKey() {
    return L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillpad";
}

std::wstring ShellFolder(int csidl) {
    wchar_t path[MAX_PATH];
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

void CleanInstallState::Clean() {
    for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        RegDeleteTreeW(hive, UninstallKey().c_str());
    DeleteFileW((ShellFolder(CSIDL_PROGRAMS) + L"\\Quillpad.lnk").c_str());
    DeleteFileW((ShellFolder(CSIDL_DESKTOPDIRECTORY) + L"\\Quillpad.lnk").c_str());
    RemoveTree(ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\VelmarSoftware\\Velmar Installer");
}

namespace {
bool ReadRecord(HKEY hive, const wchar_t* name, DWORD type, void* data, DWORD size) {
    DWORD got = size;
    return RegGetValueW(hive, UninstallKey().c_str(), name,
                        (type == REG_SZ ? RRF_RT_REG_SZ : RRF_RT_REG_DWORD) | RRF_SUBKEY_WOW6464KEY,
                        nullptr, data, &got) == ERROR_SUCCESS;
}
} // namespace

bool ReadRecordValue(HKEY hive, const wchar_t* name, std::wstring& value) {
    wchar_t buffer[2048];
    if (!ReadRecord(hive, name, REG_SZ, buffer, sizeof(buffer))) return false;
    value = buffer;
    return true;
}

bool ReadRecordNumber(HKEY hive, const wchar_t* name, DWORD& value) {
    return ReadRecord(hive, name, REG_DWORD, &value, sizeof(value));
}

void WriteUserRecordValue(const wchar_t* name, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, UninstallKey().c_str(), name, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

bool RecordExists(HKEY hive) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(hive, UninstallKey().c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

} // namespace test
