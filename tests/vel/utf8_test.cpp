#include <gtest/gtest.h>

#include "vel/utf8.h"

namespace vel {
namespace {

TEST(Utf8, RoundTripsEveryPlane) {
    const std::wstring texts[] = {L"", L"1.3.0", L"C:\\Programme\\Gr\u00FC\u00DFe",
                                  L"\u03A9 \u20AC \uFFFD", L"\U0001F600 emoji"};
    for (const auto& text : texts)
        EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(L"\u00FC\u20AC\U0001F600"), "\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80");
}

TEST(Utf8, ReplacesMalformedInputInsteadOfFailing) {
    const struct {
        std::string bytes;
        std::wstring expected;
    } cases[] = {
        {"a\x80z", L"a\uFFFDz"},                           // lone continuation byte
        {"\xC0\x80", L"\uFFFD\uFFFD"},                     // overlong NUL
        {"\xE2\x82", L"\uFFFD\uFFFD"},                     // cut short at the end
        {"\xE2\x82z", L"\uFFFD\uFFFDz"},                   // cut short before a letter
        {"\xF5\x80\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"}, // beyond U+10FFFF
        {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},           // an encoded surrogate
    };
    for (const auto& c : cases)
        EXPECT_EQ(FromUtf8(c.bytes), c.expected) << testing::PrintToString(c.bytes);
    EXPECT_EQ(ToUtf8(std::wstring{L'a', static_cast<wchar_t>(0xD800), L'b'}), "a\xEF\xBF\xBD"
                                                                              "b");
    EXPECT_EQ(ToUtf8(std::wstring{static_cast<wchar_t>(0xDC00)}), "\xEF\xBF\xBD");
}

} // namespace
} // namespace vel
