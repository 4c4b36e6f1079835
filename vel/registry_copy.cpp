#include "vel/registry_copy.h"

#include <vector>

#include "vel/registry_key.h"

namespace vel {

namespace {
LSTATUS CopyValues(HKEY source, HKEY destination) {
    std::vector<std::wstring> names;
    LSTATUS first = RegValueNames(source, names);
    for (const std::wstring& name : names) {
        TRegValue value;
        LSTATUS status = ReadRegValue(source, name, value);
        if (status == ERROR_SUCCESS) status = WriteRegValue(destination, name, value);
        if (first == ERROR_SUCCESS && !IsMissing(status)) first = status;
    }
    return first;
}
} // namespace

LSTATUS CopyKeyTree(HKEY source, HKEY destination, REGSAM view) {
    LSTATUS first = CopyValues(source, destination);
    std::vector<std::wstring> children;
    const LSTATUS listed = RegSubKeyNames(source, children);
    if (first == ERROR_SUCCESS) first = listed;
    for (const std::wstring& child : children) {
        UniqueKey from, to;
        LSTATUS status = OpenRegKey(source, child, KEY_READ | view, from);
        if (status == ERROR_SUCCESS)
            status = CreateRegKey(destination, child, KEY_ALL_ACCESS | view, to);
        if (status == ERROR_SUCCESS) status = CopyKeyTree(from.Get(), to.Get(), view);
        if (first == ERROR_SUCCESS && !IsMissing(status)) first = status;
    }
    return first;
}

LSTATUS DeleteKeyTree(HKEY parent, const std::wstring& name, REGSAM view) {
    UniqueKey key;
    LSTATUS status = OpenRegKey(parent, name, DELETE | KEY_READ | KEY_SET_VALUE | view, key);
    if (status == ERROR_SUCCESS) status = RegDeleteTreeW(key.Get(), nullptr);
    if (status == ERROR_SUCCESS) status = RegDeleteKeyExW(parent, name.c_str(), view, 0);
    return status;
}

} // namespace vel
