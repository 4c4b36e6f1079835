#include <gtest/gtest.h>

#include "uninstaller/switches.h"

namespace uninstaller {
namespace {

TEST(Switches, UserAndInternalSwitches) {
    auto s = ParseSwitches({L"-silent", L"-removedata"});
    EXPECT_TRUE(s.Silent);
    EXPECT_TRUE(s.RemoveData);
    EXPECT_TRUE(s.Unknown.empty());
    EXPECT_EQ(UserSwitches(s), (std::vector<std::wstring>{L"-silent", L"-removedata"}));

    s = ParseSwitches({L"-relocated", L"C:\\Program Files\\Quillpad", L"-waitfor", L"12",
                       L"-waitfor", L"4294967295", L"-resultpipe", L"844", L"-elevated"});
    EXPECT_EQ(s.InstallFolder, L"C:\\Program Files\\Quillpad");
    EXPECT_EQ(s.WaitFor, (std::vector<uint32_t>{12, 4294967295u}));
    EXPECT_EQ(s.ResultPipe, 844u);
    EXPECT_TRUE(s.Elevated);
    EXPECT_FALSE(s.Silent);
    EXPECT_TRUE(UserSwitches(s).empty());

    // Letter case counts, values must be whole numbers, and a switch without its value
    // is not taken.
    s = ParseSwitches({L"-Silent", L"-waitfor", L"-1", L"-waitfor", L"4294967296", L"-relocated"});
    EXPECT_FALSE(s.Silent);
    EXPECT_TRUE(s.WaitFor.empty());
    EXPECT_TRUE(s.InstallFolder.empty());
    EXPECT_EQ(s.Unknown, (std::vector<std::wstring>{L"-Silent", L"-waitfor", L"-1", L"-waitfor",
                                                    L"4294967296", L"-relocated"}));
}

} // namespace
} // namespace uninstaller
