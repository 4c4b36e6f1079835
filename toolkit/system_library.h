#pragma once
// DLLs that are not among the system's known DLLs are loaded on demand, and only from
// System32: a DLL of the same name planted beside the program or in the current folder
// would otherwise run with the program's rights (which may be an administrator's).
#include <windows.h>

namespace toolkit {

// The DLL loaded from System32 (kept loaded for the life of the process); null when the
// system has none of that name.
HMODULE SystemLibrary(const wchar_t* name);

// The function of that name in the System32 DLL; null when the DLL or the function is missing.
template <class Fn> Fn SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = SystemLibrary(library);
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

} // namespace toolkit
