#include "vel/registry_path.h"

#include "vel/text.h"

namespace vel {

namespace {
constexpr THiveName hiveNames[] = {
    {HiveClassesRoot, L"HKEY_CLASSES_ROOT"},
    {HiveClassesRoot, L"HKCR"},
    {HiveClassesRoot, L"HKEY_CLASSES"},
    {HiveCurrentUser, L"HKEY_CURRENT_USER"},
    {HiveCurrentUser, L"HKCU"},
    {HiveCurrentUser, L"HKEY_USER"},
    {HiveLocalMachine, L"HKEY_LOCAL_MACHINE"},
    {HiveLocalMachine, L"HKLM"},
    {HiveLocalMachine, L"HKEY_MACHINE"},
    {HiveUsers, L"HKEY_USERS"},
    {HiveUsers, L"HKU"},
    // Configuration before performance data: the order the names have always been tried in.
    {HiveCurrentConfig, L"HKEY_CURRENT_CONFIG"},
    {HiveCurrentConfig, L"HKCC"},
    {HiveCurrentConfig, L"HKEY_CONFIG"},
    {HivePerformanceData, L"HKEY_PERFORMANCE_DATA"},
    {HivePerformanceData, L"HKPD"},
    {HiveDynData, L"HKEY_DYN_DATA"},
    {HiveDynData, L"HKEY_DD"},
};

constexpr THiveName canonicalNames[] = {
    {HiveClassesRoot, L"HKEY_CLASSES_ROOT"},     {HiveCurrentUser, L"HKEY_CURRENT_USER"},
    {HiveLocalMachine, L"HKEY_LOCAL_MACHINE"},   {HiveUsers, L"HKEY_USERS"},
    {HiveCurrentConfig, L"HKEY_CURRENT_CONFIG"},
};

// Hive names are ASCII, so ASCII upper case is all the lookup needs.
std::wstring AsciiUpperCase(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& c : upper)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return upper;
}

std::wstring_view TrimBackslashes(std::wstring_view text) {
    while (!text.empty() && text.front() == L'\\')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == L'\\')
        text.remove_suffix(1);
    return text;
}
} // namespace

std::span<const THiveName> AllHiveNames() {
    return hiveNames;
}
std::span<const THiveName> CanonicalHiveNames() {
    return canonicalNames;
}

std::optional<THiveId> FindHive(std::wstring_view name, std::span<const THiveName> names) {
    for (const THiveName& row : names)
        if (row.Name == name) return row.Hive;
    return std::nullopt;
}

std::wstring CanonicalHiveName(THiveId hive) {
    for (const THiveName& row : hiveNames)
        if (row.Hive == hive) return std::wstring(row.Name);
    return L"Unknown";
}

TRegistryLocation ParseRegistryLocation(std::wstring_view path, bool automaticHive,
                                        const THiveNaming& naming) {
    constexpr std::wstring_view computer = L"Computer\\";
    if (path.starts_with(computer)) path.remove_prefix(computer.size());

    TRegistryLocation location;
    if (automaticHive) {
        const size_t slash = path.find(L'\\');
        const std::wstring_view first = path.substr(0, slash);
        location.Hive = FindHive(
            naming.UpperCaseComponent ? AsciiUpperCase(first) : std::wstring(first), naming.Names);
        if (location.Hive)
            path = slash == std::wstring_view::npos ? std::wstring_view() : path.substr(slash + 1);
    }
    location.Key = TrimBackslashes(path);
    return location;
}

TKeySplit SplitKeyPath(const std::wstring& key) {
    const size_t slash = key.rfind(L'\\');
    if (slash == std::wstring::npos) return {L"", key};
    return {key.substr(0, slash), key.substr(slash + 1)};
}

bool IsSameOrBelowKey(const std::wstring& key, const std::wstring& ancestor) {
    const std::wstring k = LowerCase(key), a = LowerCase(ancestor);
    if (a.empty()) return true;
    return k == a || (k.size() > a.size() && k.starts_with(a) && k[a.size()] == L'\\');
}

} // namespace vel
