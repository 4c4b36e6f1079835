#include <gtest/gtest.h>

#include "tests/support/support.h"
#include "vel/zip_paths.h"

namespace vel {
namespace {

TEST(CheckEntryPath, JoinsThePartsOfSafeNamesWithBackslashes) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"a.txt", L"a.txt"},
        {L"bin/x.dll", L"bin\\x.dll"},
        {L"bin\\x.dll", L"bin\\x.dll"},
        {L"a//b/./c.txt", L"a\\b\\c.txt"},
        {L"folder/", L"folder"},
        {L"..a/b..c/.hidden", L"..a\\b..c\\.hidden"},
        {L"console.txt/com10/nul1", L"console.txt\\com10\\nul1"},
        {L"\u540d\u524d/\u00fc.txt", L"\u540d\u524d\\\u00fc.txt"},
    };
    for (const auto& [name, path] : cases) {
        const ZipPath result = CheckEntryPath(name);
        EXPECT_EQ(result.problem, ZipPathProblem::None) << test::Narrow(name);
        EXPECT_EQ(result.path, path) << test::Narrow(name);
    }
}

TEST(CheckEntryPath, RefusesNamesThatLeaveTheFolderOrThatWindowsWouldChange) {
    using P = ZipPathProblem;
    const std::pair<std::wstring, ZipPathProblem> cases[] = {
        {L"../x", P::ClimbsOut},
        {L"a/../../x", P::ClimbsOut},
        {L"a\\..\\..\\x", P::ClimbsOut},
        {L"a/..", P::ClimbsOut},
        {L"/x", P::Absolute},
        {L"\\x", P::Absolute},
        {L"\\\\server\\share\\x", P::Absolute},
        {L"C:/x", P::DriveLetter},
        {L"c:x", P::DriveLetter},
        {L"a/C:/x", P::InvalidCharacter},
        {L"x.txt:stream", P::InvalidCharacter},
        {L"a/b?.txt", P::InvalidCharacter},
        {L"tab\there", P::InvalidCharacter},
        {std::wstring(L"nul\0byte", 8), P::InvalidCharacter},
        {L"a./b", P::TrailingDotOrSpace},
        {L"name ", P::TrailingDotOrSpace},
        {L"...", P::TrailingDotOrSpace},
        {L"CON", P::ReservedName},
        {L"dir/nul.txt", P::ReservedName},
        {L"Lpt1", P::ReservedName},
        {L"aux .log", P::ReservedName},
        {L"COM\u00b9.log", P::ReservedName},
        {L"", P::Empty},
        {L"./", P::Empty},
    };
    for (const auto& [name, problem] : cases) {
        const ZipPath result = CheckEntryPath(name);
        EXPECT_EQ(result.problem, problem) << test::Narrow(name);
        EXPECT_TRUE(result.path.empty()) << test::Narrow(name);
    }
}

} // namespace
} // namespace vel
