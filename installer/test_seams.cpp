#include "installer/test_seams.h"

#include <windows.h>

#ifdef QP_TEST_SEAMS

#include <cstdio>
#include <string>

#include "vel/handle.h"
#include "vel/utf8.h"

namespace installer {

namespace {

std::wstring Environment(const wchar_t* name) {
    wchar_t value[1024];
    DWORD n = GetEnvironmentVariableW(name, value, static_cast<DWORD>(std::size(value)));
    return n > 0 && n < std::size(value) ? std::wstring(value, n) : L"";
}

// Appends a line in UTF-8 to the file that the variable names, if it names one.
void AppendLine(const wchar_t* variable, const std::wstring& text) {
    std::wstring file = Environment(variable);
    if (file.empty()) return;
    vel::UniqueHandle out(CreateFileW(file.c_str(), FILE_APPEND_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) return;
    const std::string bytes = vel::ToUtf8(text + L"\n");
    DWORD written = 0;
    WriteFile(out.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

} // namespace

bool PretendStandardUser() {
    if (Environment(L"QUILLPAD_SETUP_AS_STANDARD_USER") != L"1") return false;
    SetEnvironmentVariableW(L"QUILLPAD_SETUP_AS_STANDARD_USER", nullptr);
    return true;
}

bool PretendElevationDeclined() {
    return Environment(L"QUILLPAD_SETUP_DECLINE_ELEVATION") == L"1";
}

void TraceCommandLine() {
    AppendLine(L"QUILLPAD_SETUP_TRACE", GetCommandLineW());
}

void RecordStageTime(const wchar_t* stage, double seconds) {
    wchar_t figure[32];
    std::swprintf(figure, std::size(figure), L" %.6f", seconds);
    AppendLine(L"QUILLPAD_SETUP_STAGE_TIMES", stage + std::wstring(figure));
}

} // namespace installer

#else // The product honours none of the variables: nothing in the environment changes
      // what an installer run as administrator believes or where it writes.

namespace installer {

bool PretendStandardUser() {
    return false;
}

bool PretendElevationDeclined() {
    return false;
}

void TraceCommandLine() {}

void RecordStageTime(const wchar_t*, double) {}

} // namespace installer

#endif
