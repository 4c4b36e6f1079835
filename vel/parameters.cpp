#include "vel/parameters.h"

#include <windows.h>

#include "vel/handle.h"

namespace vel {

namespace {
bool IsBlank(wchar_t c) {
    return c <= L' ';
}

// Splits the process's command line once; parameter 0 is replaced by the module path.
const std::vector<std::wstring>& ProcessParameters() {
    static const std::vector<std::wstring> parameters = [] {
        auto list = SplitCommandLine(GetCommandLineW());
        if (list.empty()) list.emplace_back();
        list[0] = OwnExecutablePath();
        return list;
    }();
    return parameters;
}
} // namespace

std::vector<std::wstring> SplitCommandLine(const std::wstring& line) {
    std::vector<std::wstring> parameters;
    size_t i = 0;
    while (true) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i >= line.size()) break;
        std::wstring parameter;
        bool quoted = false;
        for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
            if (line[i] == L'"')
                quoted = !quoted;
            else
                parameter += line[i];
        }
        parameters.push_back(std::move(parameter));
    }
    return parameters;
}

std::wstring JoinParameters(const std::vector<std::wstring>& parameters) {
    std::wstring line;
    for (size_t i = 0; i < parameters.size(); ++i) {
        std::wstring parameter;
        bool needsQuotes = parameters[i].empty();
        for (wchar_t c : parameters[i]) {
            if (c == L'"') continue;
            needsQuotes = needsQuotes || IsBlank(c);
            parameter += c;
        }
        line += needsQuotes ? L"\"" + parameter + L"\"" : parameter;
        if (i + 1 < parameters.size()) line += L' ';
    }
    return line;
}

std::wstring OwnExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

int ParameterCount() {
    return static_cast<int>(ProcessParameters().size()) - 1;
}

std::wstring RawParameter(int index) {
    const auto& list = ProcessParameters();
    if (index < 0 || index >= static_cast<int>(list.size())) return L"";
    return list[static_cast<size_t>(index)];
}

std::wstring GetParameter(int index) {
    std::wstring parameter = RawParameter(index);
    if (!parameter.empty() && parameter[0] == L'/') parameter[0] = L'-';
    return parameter;
}

std::wstring GetAllParameters() {
    std::vector<std::wstring> parameters;
    for (int i = 1; i <= ParameterCount(); ++i)
        parameters.push_back(GetParameter(i));
    return JoinParameters(parameters);
}

std::wstring InstanceNameFor(const std::wstring& exePath) {
    std::wstring name;
    for (wchar_t c : exePath) {
        if (c == L':') continue;
        name += (c == L'.' || c == L'\\') ? L'_' : c;
    }
    // Long paths keep the 100 characters that end just before the last one.
    if (name.size() > 100) name = name.substr(name.size() - 101, 100);
    return name;
}

namespace {
// The executable's path as the file system knows it: a start through a short (8.3)
// name, another letter case or a linked folder names the same guard.
std::wstring CanonicalExecutablePath() {
    std::wstring path = OwnExecutablePath();
    UniqueHandle file(CreateFileW(path.c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return path;
    std::wstring final(32768, L'\0');
    DWORD n = GetFinalPathNameByHandleW(file.Get(), final.data(), static_cast<DWORD>(final.size()),
                                        FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (n == 0 || n >= final.size()) return path;
    final.resize(n);
    if (final.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + final.substr(8);
    if (final.starts_with(L"\\\\?\\")) return final.substr(4);
    return final;
}
} // namespace

const std::wstring& InstanceName() {
    static const std::wstring name = InstanceNameFor(CanonicalExecutablePath());
    return name;
}

bool HasOtherInstance() {
    // Deliberately never closed: the guard is held until the process ends.
    HANDLE guard = CreateSemaphoreW(nullptr, 0, 1, InstanceName().c_str());
    return guard != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

} // namespace vel
