// Runs one program and reports its wall time, exit code and peak memory, so every
// Windows program in the benchmark is timed the same way (process start included).
//   run_measured PROGRAM [ARGUMENTS...]
// prints: seconds=<s> exit=<code> peak_working_set=<bytes> peak_private=<bytes>
//
// The counters are read while the child runs and once more after it ended, before its
// handle is closed: Windows keeps them for an ended process, Wine only while it lives.
// Peak working set includes mapped file pages (the program's own image); peak private
// is the memory the process itself allocated, the figure that must not follow the
// payload's size.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <string>

#include "vel/handle.h"

namespace {

// The command line after this program's own name, exactly as it was given.
const wchar_t* ChildCommandLine() {
    const wchar_t* p = GetCommandLineW();
    if (*p == L'"') {
        for (++p; *p && *p != L'"'; ++p) {
        }
        if (*p) ++p;
    } else {
        while (*p && !std::iswspace(*p))
            ++p;
    }
    while (*p && std::iswspace(*p))
        ++p;
    return p;
}

struct PeakMemory {
    SIZE_T workingSet = 0;
    SIZE_T privateBytes = 0;

    void Sample(HANDLE process) {
        PROCESS_MEMORY_COUNTERS_EX counters{};
        counters.cb = sizeof counters;
        if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                  sizeof counters))
            return;
        workingSet = std::max(workingSet, counters.PeakWorkingSetSize);
        privateBytes = std::max({privateBytes, counters.PeakPagefileUsage, counters.PagefileUsage,
                                 counters.PrivateUsage});
    }
};

} // namespace

int wmain() {
    std::wstring command = ChildCommandLine();
    if (command.empty()) {
        std::fprintf(stderr, "usage: run_measured PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        std::fprintf(stderr, "run_measured: cannot start the program (error %lu)\n",
                     GetLastError());
        return 1;
    }
    vel::UniqueHandle process(started.hProcess);
    vel::UniqueHandle thread(started.hThread);

    PeakMemory peak;
    while (WaitForSingleObject(process.Get(), 10) == WAIT_TIMEOUT)
        peak.Sample(process.Get());
    QueryPerformanceCounter(&end);
    peak.Sample(process.Get());

    DWORD exitCode = 0;
    GetExitCodeProcess(process.Get(), &exitCode);
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) /
                           static_cast<double>(frequency.QuadPart);
    std::printf("seconds=%.4f exit=%lu peak_working_set=%llu peak_private=%llu\n", seconds,
                exitCode, static_cast<unsigned long long>(peak.workingSet),
                static_cast<unsigned long long>(peak.privateBytes));
    return 0;
}
