#include <gtest/gtest.h>

#include "vel/parameters.h"
#include "vel/process.h"

namespace vel {
namespace {

using Params = std::vector<std::wstring>;

TEST(CommandLine, SplitsLikeTheRuntime) {
    const struct {
        const wchar_t* line;
        Params expected;
    } cases[] = {
        {L"setup.exe -silent", {L"setup.exe", L"-silent"}},
        {L"  setup.exe\t-a   -b  ", {L"setup.exe", L"-a", L"-b"}},
        {L"\"C:\\Program Files\\setup.exe\" -installpath \"C:\\My Apps\\\"",
         {L"C:\\Program Files\\setup.exe", L"-installpath", L"C:\\My Apps\\"}},
        {L"x C:\\\"My Apps\"\\Quillpad", {L"x", L"C:\\My Apps\\Quillpad"}},
        {L"x \"\" y", {L"x", L"", L"y"}},
        {L"x \"unterminated quote", {L"x", L"unterminated quote"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line), c.expected) << c.line;
}

TEST(CommandLine, JoinQuotesWhatWouldOtherwiseSplit) {
    EXPECT_EQ(JoinParameters({L"-silent", L"-installpath", L"C:\\My Apps"}),
              L"-silent -installpath \"C:\\My Apps\"");
    EXPECT_EQ(JoinParameters({}), L"");
    EXPECT_EQ(JoinParameters({L"a\tb", L""}), L"\"a\tb\" \"\"");
    // A quote cannot be carried; it must not split the parameter apart either.
    EXPECT_EQ(JoinParameters({L"C:\\a\" -silent \"b"}), L"\"C:\\a -silent b\"");
}

TEST(CommandLine, RebuiltLineSplitsBackIntoTheSameParameters) {
    const Params lists[] = {
        {L"-alluser", L"-force", L"-installpath", L"C:\\Program Files\\Quillpad\\"},
        {L"", L" ", L"a b\tc", L"-option", L"2", L"TRUE"},
        {L"\\\\server\\share\\x y\\"},
    };
    for (const auto& list : lists)
        EXPECT_EQ(SplitCommandLine(JoinParameters(list)), list);
}

TEST(InstanceName, MapsThePathAndKeepsHundredCharactersBeforeTheLast) {
    EXPECT_EQ(InstanceNameFor(L"C:\\Setup\\App.exe"), L"C_Setup_App_exe");
    std::wstring path = L"C:\\" + std::wstring(120, L'd') + L"\\QuillpadSetup.exe";
    std::wstring mapped = L"C_" + std::wstring(120, L'd') + L"_QuillpadSetup_exe";
    std::wstring name = InstanceNameFor(path);
    ASSERT_EQ(name.size(), 100u);
    EXPECT_EQ(name, mapped.substr(mapped.size() - 101, 100));
    EXPECT_EQ(name.back(), L'x'); // the final "e" is dropped
    std::wstring exactly100(100, L'n');
    EXPECT_EQ(InstanceNameFor(exactly100), exactly100);
}

TEST(Taskkill, ParametersNameThePidInQuotes) {
    EXPECT_EQ(TaskkillParameters(4242, true), L"/PID \"4242\" /F");
    EXPECT_EQ(TaskkillParameters(4242, false), L"/PID \"4242\"");
}

} // namespace
} // namespace vel
