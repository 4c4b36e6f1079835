#include <gtest/gtest.h>

#include "vel/version.h"

namespace vel {
namespace {

TEST(VersionParse, ChoosesTheSeparatorAndFillsMissingPartsWithZero) {
    const struct {
        const wchar_t* text;
        const wchar_t* expected;
    } cases[] = {
        {L"2.5", L"2.5.0.0"},
        {L"1,2,3,4", L"1.2.3.4"},
        {L"1-2-3", L"1.2.3.0"},
        {L"7", L"7.0.0.0"},
        {L"10.0.19045", L"10.0.19045.0"},
        {L"1.2.3.4.5", L"1.2.3.4"}, // later pieces are checked but not stored
        {L"007.010", L"7.10.0.0"},
        {L"4294967295.0.0.4294967295", L"4294967295.0.0.4294967295"},
    };
    for (const auto& c : cases) {
        TVersionRec v = MakeVersion(9, 9, 9, 9);
        v.Parse(c.text);
        EXPECT_EQ(v.ToString(true), c.expected) << c.text;
    }
}

TEST(VersionParse, RaisesOnTheFirstPieceThatIsNoNumberKeepingWhatCameBefore) {
    const struct {
        const wchar_t* text;
        const char* piece;
        const wchar_t* kept;
    } cases[] = {
        {L"1.2-beta", "'2-beta'", L"1.0.0.0"}, // the dot wins, so "2-beta" is one piece
        {L"1..3", "''", L"1.0.0.0"},
        {L"", "''", L"0.0.0.0"},
        {L"1.2.3.4.x", "'x'", L"1.2.3.4"},
        {L"1.4294967296", "'4294967296'", L"1.0.0.0"},
        {L"1. 2", "' 2'", L"1.0.0.0"},
        {L"0x10", "'0x10'", L"0.0.0.0"},
        {L"+1", "'+1'", L"0.0.0.0"},
        {L"3.\u00B2", "'\u00B2'", L"3.0.0.0"}, // superscript two, not a decimal digit
    };
    for (const auto& c : cases) {
        TVersionRec v = MakeVersion(9, 9, 9, 9);
        try {
            v.Parse(c.text);
            ADD_FAILURE() << "no error for " << testing::PrintToString(std::wstring(c.text));
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(c.piece), std::string::npos) << e.what();
        }
        EXPECT_EQ(v.ToString(true), c.kept) << c.text;
    }
}

TEST(VersionCompare, ComparesPartByPartAsNumbers) {
    const struct {
        TVersionRec a, b;
        TRelation expected;
    } cases[] = {
        {MakeVersion(1, 3, 0, 0), MakeVersion(1, 3, 0, 1), TRelation::Smaller},
        {MakeVersion(2, 0, 0, 0), MakeVersion(1, 9, 9, 9), TRelation::Bigger},
        {MakeVersion(1, 10, 0, 0), MakeVersion(1, 9, 0, 0), TRelation::Bigger},
        {MakeVersion(0, 0, 0, 4294967295u), MakeVersion(0, 0, 1, 0), TRelation::Smaller},
        {MakeVersion(1, 3, 0, 0), MakeVersion(1, 3, 0, 0), TRelation::Equal},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.a.CompareTo(c.b), c.expected) << testing::PrintToString(c.a.ToString(true));
        EXPECT_EQ(c.a.NewerThan(c.b), c.expected == TRelation::Bigger);
    }
}

TEST(VersionToString, PrintsThreeOrFourPartsWithTheSeparator) {
    const TVersionRec v = MakeVersion(1, 2, 3, 4);
    EXPECT_EQ(v.ToString(), L"1.2.3");
    EXPECT_EQ(v.ToString(false), L"1.2.3");
    EXPECT_EQ(v.ToString(true), L"1.2.3.4");
    EXPECT_EQ(v.ToString(L',', true), L"1,2,3,4");
    EXPECT_EQ(v.ToString(L'-', false), L"1-2-3");
    EXPECT_EQ(MakeVersion(4294967295u, 0, 0, 0).ToString(), L"4294967295.0.0");
}

TEST(VersionToString, ParsesBackToTheSameVersionWithEverySeparator) {
    const TVersionRec original = MakeVersion(10, 0, 19045, 3803);
    for (wchar_t separator : {L'.', L',', L'-'}) {
        TVersionRec copy;
        copy.Parse(original.ToString(separator, true));
        EXPECT_EQ(copy.CompareTo(original), TRelation::Equal) << static_cast<char>(separator);
    }
}

} // namespace
} // namespace vel
