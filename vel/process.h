#pragma once
// Running processes: a snapshot as records, and asking or forcing one to end.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/icon.h"
#include "vel/handle.h"

namespace vel {

struct TProcess {
    std::wstring Module;   // executable file name as the snapshot reports it
    std::wstring FileName; // full image path, empty when the process could not be opened
    std::wstring Command;  // not collected: nothing in this program reads command lines
    int32_t PID = 0;
    int32_t ParentPID = 0;
    int32_t Modules = 0;
    int32_t Threads = 0;
    int32_t Priority = 0;
    int32_t Flags = 0;

    // Asks the process to end (taskkill without /F).
    void CloseProcess() const;
    // Forces the process to end (taskkill /F).
    void KillProcess() const;
    // The icon associated with FileName, or null when the file does not exist.
    std::unique_ptr<toolkit::Icon> GetIcon() const;
};

// The parameters handed to taskkill for a process: /PID "<pid>" and /F when forced.
std::wstring TaskkillParameters(int32_t pid, bool force);

// All processes in the order the system lists them; empty when no snapshot is possible.
std::vector<TProcess> GetProcessList();

// A walk over a process snapshot. The snapshot functions are resolved once from the
// already loaded kernel32; when they are missing the walk is simply empty.
class ProcessSnapshot {
  public:
    ProcessSnapshot();
    bool Valid() const { return handle_.Valid(); }
    bool First(PROCESSENTRY32W& entry);
    bool Next(PROCESSENTRY32W& entry);

  private:
    UniqueHandle handle_;
};

// The image path of a process opened for query and memory read, read into a buffer of
// capacity characters; empty when the process cannot be opened.
std::wstring ProcessImagePath(DWORD pid, size_t capacity);

} // namespace vel
