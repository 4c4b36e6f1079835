#include "tests/support/scratch_key.h"

#include <atomic>
#include <cstring>
#include <stdexcept>

namespace test {

namespace {
const wchar_t* const testsRoot = L"Software\\QuillpadTests";
}

ScratchKey::ScratchKey() {
    static std::atomic<int> counter{0};
    relative_ = std::wstring(testsRoot) + L"\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(counter++);
    RegDeleteTreeW(HKEY_CURRENT_USER, relative_.c_str());
    RawCreateKey(HKEY_CURRENT_USER, relative_);
}

ScratchKey::~ScratchKey() {
    RegDeleteTreeW(HKEY_CURRENT_USER, relative_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, testsRoot); // only succeeds once no other test uses it
}

bool RawKeyExists(HKEY hive, const std::wstring& key, REGSAM view) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(hive, key.c_str(), 0, KEY_READ | view, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

void RawCreateKey(HKEY hive, const std::wstring& key) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(hive, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created, nullptr) !=
        ERROR_SUCCESS)
        throw std::runtime_error("cannot create a test key");
    RegCloseKey(created);
}

void RawWrite(HKEY hive, const std::wstring& key, const std::wstring& name, DWORD type,
              const std::vector<BYTE>& data) {
    if (RegSetKeyValueW(hive, key.c_str(), name.c_str(), type, data.data(),
                        static_cast<DWORD>(data.size())) != ERROR_SUCCESS)
        throw std::runtime_error("cannot write a test value");
}

RawValue RawRead(HKEY hive, const std::wstring& key, const std::wstring& name) {
    // RegQueryValueEx rather than RegGetValue: the bytes exactly as stored, no terminator added.
    HKEY opened = nullptr;
    if (RegOpenKeyExW(hive, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
    RawValue value;
    DWORD size = 0;
    if (RegQueryValueExW(opened, name.c_str(), nullptr, &value.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        value.data.resize(size);
        RegQueryValueExW(opened, name.c_str(), nullptr, &value.type, value.data.data(), &size);
    } else {
        value.type = REG_NONE;
    }
    RegCloseKey(opened);
    return value;
}

std::vector<BYTE> TextBytes(const std::wstring& text) {
    std::vector<BYTE> bytes((text.size() + 1) * sizeof(wchar_t));
    std::memcpy(bytes.data(), text.c_str(), bytes.size());
    return bytes;
}

} // namespace test
