#include <gtest/gtest.h>

#include "vel/registry_data.h"

namespace vel {
namespace {

TEST(RegistryData, TypedValuesRoundTripThroughTheirStoredFormat) {
    EXPECT_EQ(DecodeInteger(EncodeInteger(-7)), -7);
    EXPECT_EQ(EncodeInteger(1).Type, RegTypeDword);
    EXPECT_EQ(EncodeInteger(1).Data.size(), 4u);
    EXPECT_EQ(DecodeDouble(EncodeDouble(45000.25)), 45000.25);
    EXPECT_EQ(EncodeDouble(1).Type, RegTypeBinary);
    EXPECT_EQ(EncodeDouble(1).Data.size(), 8u);
    EXPECT_EQ(DecodeInt64(EncodeInt64(-12345678901234)), -12345678901234);
    EXPECT_EQ(DecodeText(EncodeText(L"Quillpad")), L"Quillpad");
    EXPECT_EQ(EncodeText(L"ab", RegTypeExpandString).Type, RegTypeExpandString);
    EXPECT_EQ(EncodeText(L"ab").Data.size(), 6u); // terminating zero included
}

TEST(RegistryData, DecodersRefuseOtherTypesAndSizes) {
    const TRegValue fourBinaryBytes{RegTypeBinary, {1, 0, 0, 0}};
    const TRegValue dword{RegTypeDword, {1, 0, 0, 0}};
    const TRegValue shortDword{RegTypeDword, {1, 0}};
    const TRegValue nineBytes{RegTypeBinary, std::vector<uint8_t>(9)};
    const TRegValue multiString{7, {'a', 0, 0, 0, 0, 0}};
    EXPECT_FALSE(DecodeInteger(fourBinaryBytes));
    EXPECT_FALSE(DecodeInteger(shortDword));
    EXPECT_FALSE(DecodeDouble(dword));
    EXPECT_FALSE(DecodeDouble(nineBytes));
    EXPECT_FALSE(DecodeInt64(nineBytes));
    EXPECT_FALSE(DecodeText(dword));
    EXPECT_FALSE(DecodeText(multiString));
}

TEST(RegistryData, TextStopsAtTheFirstZeroAndToleratesAMissingOne) {
    EXPECT_EQ(DecodeText({RegTypeString, {'a', 0, 'b', 0}}), L"ab");
    EXPECT_EQ(DecodeText({RegTypeString, {'a', 0, 0, 0, 'b', 0, 0, 0}}), L"a");
    EXPECT_EQ(DecodeText({RegTypeString, {'a', 0, 'b'}}), L"a"); // odd byte dropped
    EXPECT_EQ(DecodeText({RegTypeExpandString, {}}), L"");
}

TEST(RegistryData, RenderingAndTypeKinds) {
    EXPECT_EQ(RenderValue(EncodeText(L"x")), L"x");
    EXPECT_EQ(RenderValue(EncodeInteger(-5)), L"-5");
    EXPECT_EQ(RenderValue({RegTypeBinary, {0x0A, 0xFF, 0x00}}), L"0AFF00");
    EXPECT_EQ(RenderValue({11, {1, 0, 0, 0, 0, 0, 0, 0}}), L"0100000000000000"); // a 64-bit number
    EXPECT_EQ(RenderValue({RegTypeBinary, {}}), L"");

    EXPECT_EQ(DataTypeOf(RegTypeString), TRegDataType::String);
    EXPECT_EQ(DataTypeOf(RegTypeExpandString), TRegDataType::ExpandString);
    EXPECT_EQ(DataTypeOf(RegTypeDword), TRegDataType::Integer);
    EXPECT_EQ(DataTypeOf(RegTypeBinary), TRegDataType::Binary);
    EXPECT_EQ(DataTypeOf(7), TRegDataType::Unknown);
    EXPECT_EQ(DataTypeOf(11), TRegDataType::Unknown);
}

} // namespace
} // namespace vel
