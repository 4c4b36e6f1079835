#include "installer/test_seams.h"

#include <windows.h>

#include <string>

#include "vel/handle.h"

namespace installer {

namespace {
std::wstring Environment(const wchar_t* name) {
    wchar_t value[1024];
    DWORD n = GetEnvironmentVariableW(name, value, static_cast<DWORD>(std::size(value)));
    return n > 0 && n < std::size(value) ? std::wstring(value, n) : L"";
}
} // namespace

bool PretendStandardUser() {
    if (Environment(L"QUILLPAD_SETUP_AS_STANDARD_USER") != L"1") return false;
    SetEnvironmentVariableW(L"QUILLPAD_SETUP_AS_STANDARD_USER", nullptr);
    return true;
}

void TraceCommandLine() {
    std::wstring file = Environment(L"QUILLPAD_SETUP_TRACE");
    if (file.empty()) return;
    vel::UniqueHandle trace(CreateFileW(file.c_str(), FILE_APPEND_DATA,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!trace) return;
    std::wstring line = std::wstring(GetCommandLineW()) + L"\n";
    int n = WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), bytes.data(), n,
                        nullptr, nullptr);
    DWORD written = 0;
    WriteFile(trace.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

} // namespace installer
