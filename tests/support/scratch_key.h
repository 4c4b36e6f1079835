#pragma once
// A fresh registry key for one test, and plain Win32 checks of what the code under test
// left in the registry.
#include <windows.h>

#include <string>
#include <vector>

namespace test {

// HKEY_CURRENT_USER\Software\QuillpadTests\<process>-<n>, created empty and removed with
// everything below it afterwards.
class ScratchKey {
  public:
    ScratchKey();
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    // The key below HKEY_CURRENT_USER, e.g. "Software\QuillpadTests\12-0".
    const std::wstring& Relative() const { return relative_; }
    // The same with the hive in front: "HKEY_CURRENT_USER\Software\QuillpadTests\12-0".
    std::wstring Path() const { return L"HKEY_CURRENT_USER\\" + relative_; }

  private:
    std::wstring relative_;
};

bool RawKeyExists(HKEY hive, const std::wstring& key, REGSAM view = 0);
void RawCreateKey(HKEY hive, const std::wstring& key);
void RawWrite(HKEY hive, const std::wstring& key, const std::wstring& name, DWORD type,
              const std::vector<BYTE>& data);
// The value's type and bytes; type REG_NONE and no bytes when it is missing.
struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool operator==(const RawValue&) const = default;
};
RawValue RawRead(HKEY hive, const std::wstring& key, const std::wstring& name);
std::vector<BYTE> TextBytes(const std::wstring& text); // with its terminating zero

} // namespace test
