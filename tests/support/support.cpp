#include "tests/support/support.h"

#include <shellapi.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "vel/handle.h"

namespace test {

std::wstring Widen(const std::string& text) {
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string narrow(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), n,
                        nullptr, nullptr);
    return narrow;
}

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    path_ = std::wstring(temp) + L"qp-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(counter++);
    RemoveTree(path_);
    if (!CreateDirectoryW(path_.c_str(), nullptr))
        throw std::runtime_error("cannot create a scratch folder");
}

ScratchFolder::~ScratchFolder() {
    RemoveTree(path_);
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                RemoveTree(child);
            else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveDirectoryW(child.c_str());
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

std::wstring EnvironmentBlock(const std::wstring& extra) {
    if (extra.empty()) return L"";
    std::wstring block;
    wchar_t* current = GetEnvironmentStringsW();
    for (const wchar_t* p = current; *p; p += wcslen(p) + 1)
        block.append(p, wcslen(p) + 1);
    FreeEnvironmentStringsW(current);
    for (wchar_t c : extra)
        block += (c == L'\n' ? L'\0' : c);
    block += L'\0';
    block += L'\0';
    return block;
}

ProcessResult RunProcess(const std::wstring& commandLine, DWORD timeoutMs,
                         const std::wstring& environment) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readRaw = nullptr, writeRaw = nullptr;
    if (!CreatePipe(&readRaw, &writeRaw, &inherit, 0))
        throw std::runtime_error("CreatePipe failed");
    vel::UniqueHandle read(readRaw), write(writeRaw);
    SetHandleInformation(read.Get(), HANDLE_FLAG_INHERIT, 0);

    std::wstring block = EnvironmentBlock(environment);

    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = write.Get();
    si.hStdError = write.Get();
    PROCESS_INFORMATION pi{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                        block.empty() ? nullptr : block.data(), nullptr, &si, &pi))
        throw std::runtime_error("CreateProcess failed for " + Narrow(commandLine));
    vel::UniqueHandle process(pi.hProcess), thread(pi.hThread);
    write.Reset();

    ProcessResult result;
    DWORD start = GetTickCount();
    char buffer[4096];
    while (true) {
        DWORD available = 0;
        while (PeekNamedPipe(read.Get(), nullptr, 0, nullptr, &available, nullptr) &&
               available > 0) {
            DWORD got = 0;
            if (!ReadFile(read.Get(), buffer, sizeof(buffer), &got, nullptr) || got == 0) break;
            result.output.append(buffer, got);
        }
        if (WaitForSingleObject(process.Get(), 20) == WAIT_OBJECT_0) break;
        if (GetTickCount() - start > timeoutMs) {
            result.timedOut = true;
            TerminateProcess(process.Get(), 999);
            break;
        }
    }
    // Whatever is left once the writer has gone (other holders of the pipe may linger).
    DWORD available = 0;
    while (PeekNamedPipe(read.Get(), nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        DWORD got = 0;
        if (!ReadFile(read.Get(), buffer, sizeof(buffer), &got, nullptr) || got == 0) break;
        result.output.append(buffer, got);
    }
    GetExitCodeProcess(process.Get(), &result.exitCode);
    return result;
}

std::wstring BuildFile(const std::wstring& relative) {
    wchar_t path[MAX_PATH * 2];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring self(path, n);
    // Test programs live in <build>\tests\.
    std::wstring tests = self.substr(0, self.find_last_of(L'\\'));
    std::wstring build = tests.substr(0, tests.find_last_of(L'\\'));
    return build + L"\\" + relative;
}

std::wstring ReadTextFile(const std::wstring& path) {
    vel::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return L"";
    std::string bytes;
    char buffer[8192];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof(buffer), &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE)
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data() + 2),
                            (bytes.size() - 2) / 2);
    return Widen(bytes);
}

void WriteTextFile(const std::wstring& path, const std::string& content) {
    vel::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw std::runtime_error("cannot write " + Narrow(path));
    DWORD written = 0;
    WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
}

bool FileExists(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace test
