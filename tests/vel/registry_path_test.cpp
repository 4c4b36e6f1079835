#include <gtest/gtest.h>

#include "vel/registry_path.h"

namespace vel {
namespace {

struct PathCase {
    const wchar_t* path;
    bool automaticHive;
    std::optional<THiveId> hive;
    const wchar_t* key;
};

void ExpectLocations(std::span<const PathCase> cases, const THiveNaming& naming) {
    for (const PathCase& c : cases) {
        const TRegistryLocation location = ParseRegistryLocation(c.path, c.automaticHive, naming);
        EXPECT_EQ(location.Hive, c.hive) << c.path;
        EXPECT_EQ(location.Key, c.key) << c.path;
    }
}

TEST(ParseRegistryLocation, FindsHiveAndKeyInEverySpelling) {
    const THiveNaming naming{AllHiveNames(), true};
    const PathCase cases[] = {
        {L"Computer\\HKEY_CURRENT_USER\\Software\\X", true, HiveCurrentUser, L"Software\\X"},
        {L"HKCU\\Software\\X", true, HiveCurrentUser, L"Software\\X"},
        {L"hkcu\\Software\\X", true, HiveCurrentUser, L"Software\\X"},
        {L"HKEY_CURRENT_USER\\Software\\X\\", true, HiveCurrentUser, L"Software\\X"},
        {L"HKEY_CURRENT_USER\\Software\\X\\\\", true, HiveCurrentUser, L"Software\\X"},
        {L"HKEY_USER\\A", true, HiveCurrentUser, L"A"},
        {L"hkey_machine\\A", true, HiveLocalMachine, L"A"},
        {L"HKU\\A", true, HiveUsers, L"A"},
        {L"HKEY_CONFIG\\A", true, HiveCurrentConfig, L"A"},
        {L"HKPD", true, HivePerformanceData, L""},
        {L"HKEY_DD\\A", true, HiveDynData, L"A"},
        {L"HKCR\\.txt", true, HiveClassesRoot, L".txt"},
        {L"HKLM", true, HiveLocalMachine, L""},
        {L"HKLM\\", true, HiveLocalMachine, L""},
        // No hive named: the key lies under the default hive.
        {L"Software\\X", true, std::nullopt, L"Software\\X"},
        {L"\\Software\\X", true, std::nullopt, L"Software\\X"},
        {L"", true, std::nullopt, L""},
        {L"HKCUX\\A", true, std::nullopt, L"HKCUX\\A"},
        {L"computer\\HKCU\\A", true, std::nullopt,
         L"computer\\HKCU\\A"}, // "Computer\" only in that case
        {L"HKEY_LOCAL_MACHINE\\Software", false, std::nullopt, L"HKEY_LOCAL_MACHINE\\Software"},
        {L"Computer\\HKLM\\Software", false, std::nullopt, L"HKLM\\Software"},
    };
    ExpectLocations(cases, naming);
}

TEST(ParseRegistryLocation, FrameworkNamingKnowsOnlyTheFiveFullNamesInExactCase) {
    const THiveNaming naming{CanonicalHiveNames(), false};
    const PathCase cases[] = {
        {L"HKEY_CLASSES_ROOT\\A", true, HiveClassesRoot, L"A"},
        {L"HKEY_CURRENT_USER\\A", true, HiveCurrentUser, L"A"},
        {L"Computer\\HKEY_LOCAL_MACHINE\\A", true, HiveLocalMachine, L"A"},
        {L"HKEY_USERS\\A", true, HiveUsers, L"A"},
        {L"HKEY_CURRENT_CONFIG\\A", true, HiveCurrentConfig, L"A"},
        {L"HKCU\\A", true, std::nullopt, L"HKCU\\A"},
        {L"hkey_current_user\\A", true, std::nullopt, L"hkey_current_user\\A"},
        {L"HKEY_PERFORMANCE_DATA\\A", true, std::nullopt, L"HKEY_PERFORMANCE_DATA\\A"},
    };
    ExpectLocations(cases, naming);
}

TEST(HiveNames, LookupIsExactAndCanonicalNamesComeFirst) {
    EXPECT_EQ(FindHive(L"HKLM", AllHiveNames()), HiveLocalMachine);
    EXPECT_EQ(FindHive(L"hklm", AllHiveNames()), std::nullopt);
    EXPECT_EQ(FindHive(L"HKCC", AllHiveNames()), HiveCurrentConfig);
    EXPECT_EQ(CanonicalHiveName(HiveCurrentConfig), L"HKEY_CURRENT_CONFIG");
    EXPECT_EQ(CanonicalHiveName(HiveDynData), L"HKEY_DYN_DATA");
    EXPECT_EQ(CanonicalHiveName(0x80000007), L"Unknown");
}

TEST(SplitKeyPath, SplitsAtTheLastBackslashOnly) {
    EXPECT_EQ(SplitKeyPath(L"A\\B\\C").Parent, L"A\\B");
    EXPECT_EQ(SplitKeyPath(L"A\\B\\C").Name, L"C");
    EXPECT_EQ(SplitKeyPath(L"A").Parent, L"");
    EXPECT_EQ(SplitKeyPath(L"A").Name, L"A");
    // Key names may hold a colon; it separates nothing.
    EXPECT_EQ(SplitKeyPath(L"A\\B:C").Parent, L"A");
    EXPECT_EQ(SplitKeyPath(L"A\\B:C").Name, L"B:C");
    EXPECT_EQ(SplitKeyPath(L"").Name, L"");
}

TEST(IsSameOrBelowKey, ComparesWholeComponentsWithoutCase) {
    EXPECT_TRUE(IsSameOrBelowKey(L"Software\\A", L"software\\a"));
    EXPECT_TRUE(IsSameOrBelowKey(L"Software\\A\\B", L"Software\\A"));
    EXPECT_FALSE(IsSameOrBelowKey(L"Software\\AB", L"Software\\A"));
    EXPECT_FALSE(IsSameOrBelowKey(L"Software", L"Software\\A"));
}

} // namespace
} // namespace vel
