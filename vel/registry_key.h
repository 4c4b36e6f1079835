#pragma once
// An owned registry key and the few primitives the registry classes build on. Every
// primitive returns the Windows status; ERROR_SUCCESS means it worked.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "vel/registry_data.h"
#include "vel/registry_path.h"

namespace vel {

// Closes a registry key with RegCloseKey.
class UniqueKey {
  public:
    UniqueKey() = default;
    explicit UniqueKey(HKEY key) : key_(key) {}
    ~UniqueKey() { Reset(); }
    UniqueKey(UniqueKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    UniqueKey& operator=(UniqueKey&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.key_, nullptr));
        return *this;
    }
    UniqueKey(const UniqueKey&) = delete;
    UniqueKey& operator=(const UniqueKey&) = delete;

    HKEY Get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }
    void Reset(HKEY key = nullptr) {
        if (key_) RegCloseKey(key_);
        key_ = key;
    }

  private:
    HKEY key_ = nullptr;
};

// The predefined key of a hive, and back; a handle that is no hive gives nothing.
HKEY HiveHandle(THiveId hive);
std::optional<THiveId> HiveOfHandle(HKEY key);

// A missing key or value: an answer for existence tests and deletions, not a fault.
inline bool IsMissing(LSTATUS status) {
    return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND;
}

// Opens an existing key; an empty path opens root itself again.
LSTATUS OpenRegKey(HKEY root, const std::wstring& path, REGSAM access, UniqueKey& key);
// Opens a key, creating it and any missing parents first.
LSTATUS CreateRegKey(HKEY root, const std::wstring& path, REGSAM access, UniqueKey& key);
// The child exists, even when we may not open it.
LSTATUS RegKeyExists(HKEY parent, const std::wstring& name, REGSAM view, bool& exists);

LSTATUS ReadRegValue(HKEY key, const std::wstring& name, TRegValue& value);
LSTATUS WriteRegValue(HKEY key, const std::wstring& name, const TRegValue& value);

// Names of the key's sub-keys or values in the order the registry lists them.
LSTATUS RegSubKeyNames(HKEY key, std::vector<std::wstring>& names);
LSTATUS RegValueNames(HKEY key, std::vector<std::wstring>& names);

} // namespace vel
