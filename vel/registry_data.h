#pragma once
// Registry values as bytes, and the formats typed values are stored in. Pure data work,
// so it needs no <windows.h>.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vel {

// Value types by the numbers Windows gives them (REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD).
inline constexpr uint32_t RegTypeString = 1;
inline constexpr uint32_t RegTypeExpandString = 2;
inline constexpr uint32_t RegTypeBinary = 3;
inline constexpr uint32_t RegTypeDword = 4;

// What kind of data a value holds, as the registry class reports it.
enum class TRegDataType { Unknown, String, ExpandString, Integer, Binary };

// One value's stored form.
struct TRegValue {
    uint32_t Type = 0;
    std::vector<uint8_t> Data;
};

// A currency amount as stored: a 64-bit count of ten-thousandths.
struct TCurrency {
    int64_t Scaled = 0;
    auto operator<=>(const TCurrency&) const = default;
};

// Days since 1899-12-30, the time of day as the fraction. The three kinds store alike; they
// differ so that a value picks the right write.
template <class Kind> struct TDayCount {
    double Days = 0;
    auto operator<=>(const TDayCount&) const = default;
};
using TDateTime = TDayCount<struct DateTimeKind>;
using TDate = TDayCount<struct DateKind>;
using TTime = TDayCount<struct TimeKind>;

TRegDataType DataTypeOf(uint32_t type);

TRegValue EncodeText(const std::wstring& text, uint32_t type = RegTypeString);
TRegValue EncodeInteger(int32_t value);
TRegValue EncodeDouble(double value);
TRegValue EncodeInt64(int64_t value);

// Each decoder accepts only its stored format and gives nothing for any other type or size.
// Text stops at the first terminating zero, since writers do not always add exactly one.
std::optional<std::wstring> DecodeText(const TRegValue& value);
std::optional<int32_t> DecodeInteger(const TRegValue& value);
std::optional<double> DecodeDouble(const TRegValue& value);
std::optional<int64_t> DecodeInt64(const TRegValue& value);

// Text as stored, 32-bit numbers in signed decimal, anything else as upper-case hexadecimal
// bytes without separators ("0AFF").
std::wstring RenderValue(const TRegValue& value);

} // namespace vel
