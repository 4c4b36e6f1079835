#include "vel/process.h"

#include <algorithm>
#include <psapi.h>
#include <shellapi.h>

#include "vel/program_start.h"

namespace vel {

namespace {

using SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using WalkFn = BOOL(WINAPI*)(HANDLE, LPPROCESSENTRY32W);

struct SnapshotEntryPoints {
    SnapshotFn create = nullptr;
    WalkFn first = nullptr;
    WalkFn next = nullptr;
};

template <class Fn> Fn ProcAddress(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Resolved on first use and kept for the life of the process.
const SnapshotEntryPoints& EntryPoints() {
    static const SnapshotEntryPoints points = [] {
        SnapshotEntryPoints p;
        HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        if (!kernel) return p;
        p.create = ProcAddress<SnapshotFn>(kernel, "CreateToolhelp32Snapshot");
        p.first = ProcAddress<WalkFn>(kernel, "Process32FirstW");
        p.next = ProcAddress<WalkFn>(kernel, "Process32NextW");
        return p;
    }();
    return points;
}

} // namespace

ProcessSnapshot::ProcessSnapshot() {
    if (auto create = EntryPoints().create) handle_.Reset(create(TH32CS_SNAPPROCESS, 0));
}

bool ProcessSnapshot::First(PROCESSENTRY32W& entry) {
    entry.dwSize = sizeof(entry);
    auto first = EntryPoints().first;
    return Valid() && first && first(handle_.Get(), &entry);
}

bool ProcessSnapshot::Next(PROCESSENTRY32W& entry) {
    entry.dwSize = sizeof(entry);
    auto next = EntryPoints().next;
    return Valid() && next && next(handle_.Get(), &entry);
}

std::wstring ProcessImagePath(DWORD pid, size_t capacity) {
    UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid));
    if (!process) return L"";
    std::wstring path(capacity, L'\0');
    DWORD n =
        GetModuleFileNameExW(process.Get(), nullptr, path.data(), static_cast<DWORD>(capacity));
    path.resize(n);
    return path.substr(0, path.find(L'\0'));
}

std::vector<TProcess> GetProcessList() {
    std::vector<TProcess> list;
    ProcessSnapshot snapshot;
    PROCESSENTRY32W entry;
    for (bool more = snapshot.First(entry); more; more = snapshot.Next(entry)) {
        TProcess p;
        p.Module = entry.szExeFile;
        p.PID = static_cast<int32_t>(entry.th32ProcessID);
        p.ParentPID = static_cast<int32_t>(entry.th32ParentProcessID);
        p.Modules = static_cast<int32_t>(entry.th32ModuleID);
        p.Threads = static_cast<int32_t>(entry.cntThreads);
        p.Priority = static_cast<int32_t>(entry.pcPriClassBase);
        p.Flags = static_cast<int32_t>(entry.dwFlags);
        p.FileName = ProcessImagePath(entry.th32ProcessID, MAX_PATH + 1);
        list.push_back(std::move(p));
    }
    return list;
}

std::wstring TaskkillParameters(int32_t pid, bool force) {
    std::wstring params = L"/PID \"" + std::to_wstring(pid) + L"\"";
    if (force) params += L" /F";
    return params;
}

// taskkill by its System32 path: a taskkill.exe in the current folder or on the search
// path is never the one that runs.
void TProcess::CloseProcess() const {
    StartSystemProgram(L"taskkill.exe", TaskkillParameters(PID, false), false);
}

void TProcess::KillProcess() const {
    StartSystemProgram(L"taskkill.exe", TaskkillParameters(PID, true), false);
}

std::unique_ptr<toolkit::Icon> TProcess::GetIcon() const {
    DWORD attributes = GetFileAttributesW(FileName.c_str());
    if (FileName.empty() || attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return nullptr;
    // ExtractAssociatedIconW may write the path of the icon's file into its buffer.
    std::wstring buffer = FileName;
    buffer.resize(std::max<size_t>(buffer.size() + 1, MAX_PATH), L'\0');
    WORD index = 0;
    auto icon = std::make_unique<toolkit::Icon>(
        ExtractAssociatedIconW(GetModuleHandleW(nullptr), buffer.data(), &index));
    icon->Transparent = true;
    return icon;
}

} // namespace vel
