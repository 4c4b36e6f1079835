#include <gtest/gtest.h>

#include "tests/support/scoped_variable.h"
#include "vel/path_macros.h"
#include "vel/paths.h"

namespace vel {
namespace {

TEST(ExpandEnvironmentMacros, ScansPairsAndReplacesWithoutRegardToCase) {
    test::ScopedVariable a(L"QP_TEST_A", L"v"), b(L"QP_TEST_B", L"w"),
        unset(L"QP_TEST_UNSET", std::nullopt);
    const std::wstring programFiles = _wgetenv(L"PROGRAMFILES");
    ASSERT_FALSE(programFiles.empty());
    const struct {
        const wchar_t* path;
        std::wstring expanded;
    } cases[] = {
        {L"%PROGRAMFILES%\\Quillpad\\", programFiles + L"\\Quillpad\\"},
        {L"%programfiles%\\Quillpad\\", programFiles + L"\\Quillpad\\"},
        {L"%QP_TEST_A%%QP_TEST_A%", L"vv"},     // the middle "%%" names nothing
        {L"%QP_TEST_A%\\%QP_TEST_B%", L"v\\w"}, // "%\%" is tried too and left alone
        {L"%QP_TEST_A% and %qp_test_a%", L"v and v"},
        {L"%QP_TEST_UNSET%\\x", L"%QP_TEST_UNSET%\\x"},
        {L"%QP_TEST_UNSET%%QP_TEST_A%", L"%QP_TEST_UNSET%v"},
        {L"100% sure", L"100% sure"},
        {L"%", L"%"},
        {L"%%", L"%%"},
        {L"C:\\Plain", L"C:\\Plain"},
        {L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandEnvironmentMacros(c.path), c.expanded) << c.path;
}

TEST(ReplaceIgnoringCase, FirstOrEveryOccurrence) {
    EXPECT_EQ(ReplaceFirstIgnoringCase(L"aXbxc", L"x", L"--"), L"a--bxc");
    EXPECT_EQ(ReplaceAllIgnoringCase(L"aXbxc", L"x", L"--"), L"a--b--c");
    EXPECT_EQ(ReplaceAllIgnoringCase(L"aa", L"a", L"aa"),
              L"aaaa"); // inserted text is not searched again
    EXPECT_EQ(ReplaceAllIgnoringCase(L"abc", L"", L"x"), L"abc");
    EXPECT_EQ(ReplaceFirstIgnoringCase(L"abc", L"d", L"x"), L"abc");
}

TEST(ExpandShellNames, ReplacesKnownNamesEarlierEntriesFirst) {
    const std::vector<TShellFolder> folders = {
        {L"Desktop", L"M:\\Desk"}, // the machine's key comes first
        {L"Desktop", L"U:\\Desk"},
        {L"My Music", L"U:\\Music"},
    };
    const struct {
        const wchar_t* path;
        const wchar_t* expanded;
    } cases[] = {
        {L"shell:desktop\\x", L"M:\\Desk\\x"},
        {L"shell:DESKTOP\\x", L"M:\\Desk\\x"},
        {L"shell:desktop;shell:Desktop", L"M:\\Desk;M:\\Desk"},
        {L"shell:my music", L"U:\\Music"},
        {L"shell:nosuch\\x", L"shell:nosuch\\x"},
        {L"SHELL:desktop", L"SHELL:desktop"}, // the prefix itself must be lower case
        {L"desktop", L"desktop"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandShellNames(c.path, folders), c.expanded) << c.path;
}

} // namespace
} // namespace vel
