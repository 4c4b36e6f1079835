// Splitting and word wrapping with a font where every character is 10 pixels wide.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lyra/text_wrap.h"

namespace lyra {
namespace {

using Lines = std::vector<std::wstring>;

TEST(SplitString, GivesThePartsBetweenSeparators) {
    struct Case {
        std::wstring text;
        std::vector<std::wstring> separators;
        Lines parts;
    };
    const Case cases[] = {
        {L"", {L" "}, {L""}},
        {L"one", {L" "}, {L"one"}},
        {L"one two", {L" "}, {L"one", L"two"}},
        {L"one  two ", {L" "}, {L"one", L"", L"two", L""}},
        {L" lead", {L" "}, {L"", L"lead"}},
        {L"a--b-c", {L"--"}, {L"a", L"b-c"}},
        // The separator found first splits first; at the same place, the longer one.
        {L"a,b;c", {L";", L","}, {L"a", L"b", L"c"}},
        {L"a;;b;c", {L";", L";;"}, {L"a", L"b", L"c"}},
        {L"a b", {L""}, {L"a b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitString(c.text, c.separators), c.parts) << testing::PrintToString(c.text);
}

TEST(WrapWords, BreaksBetweenWordsAndAtCarriageReturns) {
    const auto tenEach = [](const std::wstring& word) { return int(word.size()) * 10; };
    struct Case {
        const char* what;
        std::wstring text;
        int width;
        Lines lines;
    };
    const Case cases[] = {
        {"everything fits", L"ab cd", 100, {L"ab cd"}},
        {"exactly fits", L"ab cd", 50, {L"ab cd"}},
        {"second word wraps", L"ab cd", 40, {L"ab ", L"cd"}},
        {"each word alone", L"abc def ghi", 45, {L"abc ", L"def ", L"ghi"}},
        {"first word wider: the first line stays empty",
         L"abcdefgh ij",
         50,
         {L"", L"abcdefgh ", L"ij"}},
        {"long word in the middle", L"ab abcdefgh ij", 50, {L"ab ", L"abcdefgh ", L"ij"}},
        {"carriage return", L"ab\rcd", 100, {L"ab", L"cd"}},
        {"carriage return after a space", L"ab \rcd ef", 100, {L"ab ", L"cd ef"}},
        {"two carriage returns", L"ab\r\rcd", 100, {L"ab", L"", L"cd"}},
        {"line feeds are plain characters", L"ab\ncd", 100, {L"ab\ncd"}},
        {"empty text", L"", 100, {L""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapWords(c.text, c.width, tenEach), c.lines) << c.what;
}

} // namespace
} // namespace lyra
