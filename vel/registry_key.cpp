#include "vel/registry_key.h"

namespace vel {

HKEY HiveHandle(THiveId hive) {
    // Predefined keys are 32-bit numbers sign-extended to the pointer width.
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(hive))));
}

std::optional<THiveId> HiveOfHandle(HKEY key) {
    for (const THiveName& row : AllHiveNames())
        if (HiveHandle(row.Hive) == key) return row.Hive;
    return std::nullopt;
}

LSTATUS OpenRegKey(HKEY root, const std::wstring& path, REGSAM access, UniqueKey& key) {
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExW(root, path.c_str(), 0, access, &opened);
    key.Reset(status == ERROR_SUCCESS ? opened : nullptr);
    return status;
}

LSTATUS CreateRegKey(HKEY root, const std::wstring& path, REGSAM access, UniqueKey& key) {
    HKEY opened = nullptr;
    const LSTATUS status = RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           access, nullptr, &opened, nullptr);
    key.Reset(status == ERROR_SUCCESS ? opened : nullptr);
    return status;
}

LSTATUS RegKeyExists(HKEY parent, const std::wstring& name, REGSAM view, bool& exists) {
    UniqueKey child;
    const LSTATUS status = OpenRegKey(parent, name, KEY_QUERY_VALUE | view, child);
    exists = status == ERROR_SUCCESS || status == ERROR_ACCESS_DENIED;
    return exists || IsMissing(status) ? ERROR_SUCCESS : status;
}

LSTATUS ReadRegValue(HKEY key, const std::wstring& name, TRegValue& value) {
    // The value may grow between asking its size and reading it; ask again then.
    for (;;) {
        DWORD type = 0, size = 0;
        LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
        if (status != ERROR_SUCCESS) return status;
        value.Data.resize(size);
        status = RegQueryValueExW(key, name.c_str(), nullptr, &type, value.Data.data(), &size);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return status;
        value.Type = type;
        value.Data.resize(size);
        return ERROR_SUCCESS;
    }
}

LSTATUS WriteRegValue(HKEY key, const std::wstring& name, const TRegValue& value) {
    return RegSetValueExW(key, name.c_str(), 0, value.Type, value.Data.data(),
                          static_cast<DWORD>(value.Data.size()));
}

namespace {
// Key names are at most 255 characters, value names at most 16383.
template <class Enumerate>
LSTATUS EnumerateNames(DWORD capacity, std::vector<std::wstring>& names, Enumerate next) {
    names.clear();
    std::wstring buffer(capacity + 1, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = capacity + 1;
        const LSTATUS status = next(index, buffer.data(), &length);
        if (status == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (status != ERROR_SUCCESS) return status;
        names.emplace_back(buffer.data(), length);
    }
}
} // namespace

LSTATUS RegSubKeyNames(HKEY key, std::vector<std::wstring>& names) {
    return EnumerateNames(255, names, [key](DWORD index, wchar_t* name, DWORD* length) {
        return RegEnumKeyExW(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

LSTATUS RegValueNames(HKEY key, std::vector<std::wstring>& names) {
    return EnumerateNames(16383, names, [key](DWORD index, wchar_t* name, DWORD* length) {
        return RegEnumValueW(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

} // namespace vel
