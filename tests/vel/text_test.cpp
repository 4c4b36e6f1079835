#include <gtest/gtest.h>

#include "vel/text.h"

namespace vel {
namespace {

TEST(TextToBoolean, AcceptsTheTrueSpellingsOnly) {
    for (const wchar_t* yes : {L"true", L"TRUE", L"tRuE", L"1", L"-1"})
        EXPECT_TRUE(TextToBoolean(yes)) << yes;
    for (const wchar_t* no : {L"", L"yes", L"0", L"2", L"false", L" true", L"truex"})
        EXPECT_FALSE(TextToBoolean(no)) << no;
    EXPECT_EQ(BooleanToText(true), L"true");
    EXPECT_EQ(BooleanToText(false), L"false");
}

TEST(IndexOfString, ComparesExactly) {
    const std::vector<std::wstring> list = {L"-start", L"-silent"};
    EXPECT_EQ(IndexOfString(L"-silent", list), 1);
    EXPECT_EQ(IndexOfString(L"-Silent", list), -1);
    EXPECT_EQ(IndexOfString(L"", {}), -1);
}

TEST(SplitString, KeepsEmptyPiecesAndTheLastOne) {
    using V = std::vector<std::wstring>;
    EXPECT_EQ(SplitString(L"a\rb\r", L"\r"), (V{L"a", L"b", L""}));
    EXPECT_EQ(SplitString(L"abc", L"\r"), (V{L"abc"}));
    EXPECT_EQ(SplitString(L"", L"\r"), V{});
    EXPECT_EQ(SplitString(L"\r\r", L"\r"), (V{L"", L"", L""}));
    EXPECT_EQ(SplitString(L"a::b", L"::"), (V{L"a", L"b"}));
}

TEST(Occurrences, CountOverlappingAndFindTheNth) {
    EXPECT_EQ(CountOccurrences(L"aa", L"aaaa", false), 3);
    EXPECT_EQ(CountOccurrences(L"A", L"banana", true), 3);
    EXPECT_EQ(CountOccurrences(L"A", L"banana", false), 0);
    EXPECT_EQ(CountOccurrences(L"", L"banana", false), 0);

    EXPECT_EQ(PositionOfOccurrence(L"an", L"banana", 1, 0, false), 2);
    EXPECT_EQ(PositionOfOccurrence(L"an", L"banana", 2, 0, false), 4);
    EXPECT_EQ(PositionOfOccurrence(L"an", L"banana", 3, 0, false), 0);
    EXPECT_EQ(PositionOfOccurrence(L"an", L"banana", 1, 2, false),
              4); // search starts at position 3
    EXPECT_EQ(PositionOfOccurrence(L"AN", L"banana", 1, 0, true), 2);
    EXPECT_EQ(PositionOfOccurrence(L"aa", L"aaa", 2, 0, false), 2);
}

} // namespace
} // namespace vel

namespace vel {
namespace {

TEST(TryParseInteger, AcceptsOnlyWholeDecimalNumbers) {
    const struct {
        const wchar_t* text;
        std::optional<int> value;
    } cases[] = {
        {L"2", 2},
        {L"-7", -7},
        {L"+3", 3},
        {L"007", 7},
        {L"2147483647", 2147483647},
        {L"-2147483648", -2147483647 - 1},
        {L"2147483648", {}},
        {L"99999999999999", {}},
        {L"", {}},
        {L"-", {}},
        {L"2x", {}},
        {L" 2", {}},
        {L"$1F", {}},
        {L"1.5", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TryParseInteger(c.text), c.value) << c.text;
}

} // namespace
} // namespace vel
