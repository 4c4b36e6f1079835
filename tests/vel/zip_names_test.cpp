#include <gtest/gtest.h>

#include "vel/zip_names.h"

namespace vel {
namespace {

TEST(DecodeCp437, MapsTheUpperHalfToItsCharacters) {
    EXPECT_EQ(DecodeCp437("plain.txt"), L"plain.txt");
    EXPECT_EQ(DecodeCp437("caf\x82"), L"caf\u00e9");
    EXPECT_EQ(DecodeCp437("\x8e\x99\x9a\xe1"), L"\u00c4\u00d6\u00dc\u00df");
    EXPECT_EQ(DecodeCp437("\x80\xb0\xdb\xe3\xff"), L"\u00c7\u2591\u2588\u03c0\u00a0");
}

TEST(DecodeUtf8, DecodesWellFormedTextOnly) {
    EXPECT_EQ(DecodeUtf8("a/b.txt"), L"a/b.txt");
    EXPECT_EQ(DecodeUtf8("\xc3\xa9\xe5\x90\x8d"), L"\u00e9\u540d");
    EXPECT_EQ(DecodeUtf8("\xf0\x9f\x98\x80"), L"\xD83D\xDE00");
    for (const char* bad :
         {"\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "ab\xc3", "\x80", "\xff"})
        EXPECT_FALSE(DecodeUtf8(bad)) << testing::PrintToString(std::string(bad));
}

TEST(EncodeUtf8, IsTheInverseAndReplacesLoneSurrogates) {
    for (const char* text : {"plain", "\xc3\xa9\xe5\x90\x8d", "\xf0\x9f\x98\x80"})
        EXPECT_EQ(EncodeUtf8(*DecodeUtf8(text)), text);
    EXPECT_EQ(EncodeUtf8(L"a\xD800"), "a\xef\xbf\xbd");
}

} // namespace
} // namespace vel
