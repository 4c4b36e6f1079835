#include "vel/registry_data.h"

#include <cstring>

namespace vel {

namespace {
template <class T> TRegValue EncodeBytes(uint32_t type, const T& value) {
    TRegValue encoded{type, std::vector<uint8_t>(sizeof(T))};
    std::memcpy(encoded.Data.data(), &value, sizeof(T));
    return encoded;
}

template <class T> std::optional<T> DecodeBytes(const TRegValue& value, uint32_t type) {
    if (value.Type != type || value.Data.size() != sizeof(T)) return std::nullopt;
    T decoded;
    std::memcpy(&decoded, value.Data.data(), sizeof(T));
    return decoded;
}
} // namespace

TRegDataType DataTypeOf(uint32_t type) {
    switch (type) {
    case RegTypeString:
        return TRegDataType::String;
    case RegTypeExpandString:
        return TRegDataType::ExpandString;
    case RegTypeDword:
        return TRegDataType::Integer;
    case RegTypeBinary:
        return TRegDataType::Binary;
    default:
        return TRegDataType::Unknown;
    }
}

TRegValue EncodeText(const std::wstring& text, uint32_t type) {
    TRegValue encoded{type, std::vector<uint8_t>((text.size() + 1) * sizeof(wchar_t))};
    std::memcpy(encoded.Data.data(), text.c_str(), encoded.Data.size());
    return encoded;
}

TRegValue EncodeInteger(int32_t value) {
    return EncodeBytes(RegTypeDword, value);
}
TRegValue EncodeDouble(double value) {
    return EncodeBytes(RegTypeBinary, value);
}
TRegValue EncodeInt64(int64_t value) {
    return EncodeBytes(RegTypeBinary, value);
}

std::optional<std::wstring> DecodeText(const TRegValue& value) {
    if (value.Type != RegTypeString && value.Type != RegTypeExpandString) return std::nullopt;
    std::wstring text(value.Data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), value.Data.data(), text.size() * sizeof(wchar_t));
    if (const size_t end = text.find(L'\0'); end != std::wstring::npos) text.resize(end);
    return text;
}

std::optional<int32_t> DecodeInteger(const TRegValue& value) {
    return DecodeBytes<int32_t>(value, RegTypeDword);
}
std::optional<double> DecodeDouble(const TRegValue& value) {
    return DecodeBytes<double>(value, RegTypeBinary);
}
std::optional<int64_t> DecodeInt64(const TRegValue& value) {
    return DecodeBytes<int64_t>(value, RegTypeBinary);
}

std::wstring RenderValue(const TRegValue& value) {
    if (auto text = DecodeText(value)) return *text;
    if (auto number = DecodeInteger(value)) return std::to_wstring(*number);
    static constexpr wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring hex;
    hex.reserve(value.Data.size() * 2);
    for (uint8_t byte : value.Data) {
        hex += digits[byte >> 4];
        hex += digits[byte & 0x0F];
    }
    return hex;
}

} // namespace vel
