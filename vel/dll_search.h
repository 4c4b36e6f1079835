#pragma once
// The first call of every program we ship: DLLs are then looked for only in System32,
// never beside the program (a download folder) or in the current folder, where anyone
// may have put a DLL of a system name. Header only, so programs that link nothing of
// this library (the demo application) use it too.
#include <windows.h>

namespace vel {

inline void RestrictDllSearch() {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // For code that still loads by bare name without flags: no current folder either.
    SetDllDirectoryW(L"");
    // SearchPathW (used by the shell) looks in the current folder last, not first.
    SetSearchPathMode(BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE | BASE_SEARCH_PATH_PERMANENT);
}

} // namespace vel
