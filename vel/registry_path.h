#pragma once
// Registry paths as one string: "Computer\", a hive name, then the key path. Pure text
// work, so it needs no <windows.h>.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vel {

// A predefined root key by the number Windows gives it; the HKEY is this number
// sign-extended to the pointer width.
using THiveId = uint32_t;
inline constexpr THiveId HiveClassesRoot = 0x80000000;
inline constexpr THiveId HiveCurrentUser = 0x80000001;
inline constexpr THiveId HiveLocalMachine = 0x80000002;
inline constexpr THiveId HiveUsers = 0x80000003;
inline constexpr THiveId HivePerformanceData = 0x80000004;
inline constexpr THiveId HiveCurrentConfig = 0x80000005;
inline constexpr THiveId HiveDynData = 0x80000006;

struct THiveName {
    THiveId Hive;
    std::wstring_view Name;
};

// Every accepted hive name in lookup order; the first name of each hive is its canonical one.
std::span<const THiveName> AllHiveNames();
// Only the five canonical names of the hives a program normally touches.
std::span<const THiveName> CanonicalHiveNames();

// The hive whose name equals name exactly (case matters), trying the names in order.
std::optional<THiveId> FindHive(std::wstring_view name, std::span<const THiveName> names);
// The canonical name of a hive, or "Unknown".
std::wstring CanonicalHiveName(THiveId hive);

// How a path's first component is recognised as a hive.
struct THiveNaming {
    std::span<const THiveName> Names;
    bool UpperCaseComponent; // upper-case the component before looking it up
};

struct TRegistryLocation {
    std::optional<THiveId> Hive; // empty when the path names no hive: the caller's default applies
    std::wstring Key; // without leading or trailing backslashes; empty for the hive itself
};

// Splits a path into hive and key. A leading "Computer\" (exact case) is dropped; when
// automaticHive is set, a first component that names a hive selects it. Trailing
// backslashes make no difference.
TRegistryLocation ParseRegistryLocation(std::wstring_view path, bool automaticHive,
                                        const THiveNaming& naming);

struct TKeySplit {
    std::wstring Parent; // empty when the key sits directly under the hive
    std::wstring Name;
};

// Parent path and last component of a key path (as ParseRegistryLocation leaves it). Only a
// backslash separates: a colon is an ordinary character of a key name.
TKeySplit SplitKeyPath(const std::wstring& key);

// key is ancestor itself or lies below it; registry names compare without regard to case.
bool IsSameOrBelowKey(const std::wstring& key, const std::wstring& ancestor);

} // namespace vel
