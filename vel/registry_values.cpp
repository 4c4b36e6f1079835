#include "vel/registry_core.h"

#include "vel/registry_key.h"

namespace vel {

bool TRegistryCore::GetValueExists(const std::wstring& KeyLocation, const std::wstring& ValueName) {
    UniqueKey key;
    LSTATUS status = OpenLocation(KeyLocation, KEY_READ, key);
    if (status == ERROR_SUCCESS)
        status = RegQueryValueExW(key.Get(), ValueName.c_str(), nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) return true;
    if (!IsMissing(status)) Fail(TRegistryError::ReadError, status);
    return false;
}

bool TRegistryCore::DeleteValue(const std::wstring& KeyLocation, const std::wstring& ValueName) {
    UniqueKey key;
    LSTATUS status = OpenLocation(KeyLocation, KEY_WRITE, key);
    if (status == ERROR_SUCCESS) status = RegDeleteValueW(key.Get(), ValueName.c_str());
    if (status == ERROR_SUCCESS) return true;
    if (!IsMissing(status)) Fail(TRegistryError::AccessDenied, status);
    return false;
}

LSTATUS TRegistryCore::ReadValue(const std::wstring& KeyLocation, const std::wstring& ValueName,
                                 TRegValue& value) {
    UniqueKey key;
    LSTATUS status = OpenLocation(KeyLocation, KEY_READ, key);
    if (status == ERROR_SUCCESS) status = ReadRegValue(key.Get(), ValueName, value);
    return status;
}

template <class T>
T TRegistryCore::ReadTyped(const std::wstring& KeyLocation, const std::wstring& ValueName,
                           std::optional<T> (*decode)(const TRegValue&)) {
    TRegValue value;
    LSTATUS status = ReadValue(KeyLocation, ValueName, value);
    if (status == ERROR_SUCCESS) {
        if (const std::optional<T> decoded = decode(value)) return *decoded;
        status = ERROR_DATATYPE_MISMATCH;
    }
    Fail(TRegistryError::ReadError, status);
    return T{};
}

std::optional<TRegValue> TRegistryCore::ReadForText(const std::wstring& KeyLocation,
                                                    const std::wstring& ValueName) {
    TRegValue value;
    const LSTATUS status = ReadValue(KeyLocation, ValueName, value);
    if (status == ERROR_SUCCESS) return value;
    if (!IsMissing(status)) Fail(TRegistryError::ReadError, status);
    return std::nullopt;
}

std::wstring TRegistryCore::TextOf(const TRegValue& value) {
    if (std::optional<std::wstring> text = DecodeText(value)) return *text;
    Fail(TRegistryError::ReadError, ERROR_DATATYPE_MISMATCH);
    return L"";
}

std::wstring TRegistryCore::GetStringValue(const std::wstring& KeyLocation,
                                           const std::wstring& ValueName) {
    const std::optional<TRegValue> value = ReadForText(KeyLocation, ValueName);
    return value ? TextOf(*value) : L"";
}

std::wstring TRegistryCore::GetValueAsString(const std::wstring& KeyLocation,
                                             const std::wstring& ValueName) {
    const std::optional<TRegValue> value = ReadForText(KeyLocation, ValueName);
    if (!value) return L"";
    if (const std::optional<int32_t> number = DecodeInteger(*value))
        return std::to_wstring(*number);
    return TextOf(*value);
}

std::wstring TRegistryCore::GetValueAsStringEx(const std::wstring& KeyLocation,
                                               const std::wstring& ValueName) {
    const std::optional<TRegValue> value = ReadForText(KeyLocation, ValueName);
    return value ? RenderValue(*value) : L"";
}

int32_t TRegistryCore::GetIntValue(const std::wstring& KeyLocation, const std::wstring& ValueName) {
    return ReadTyped(KeyLocation, ValueName, DecodeInteger);
}

bool TRegistryCore::GetBooleanValue(const std::wstring& KeyLocation,
                                    const std::wstring& ValueName) {
    return GetIntValue(KeyLocation, ValueName) != 0;
}

double TRegistryCore::GetFloatValue(const std::wstring& KeyLocation,
                                    const std::wstring& ValueName) {
    return ReadTyped(KeyLocation, ValueName, DecodeDouble);
}

TCurrency TRegistryCore::GetCurrencyValue(const std::wstring& KeyLocation,
                                          const std::wstring& ValueName) {
    return {ReadTyped(KeyLocation, ValueName, DecodeInt64)};
}

TDateTime TRegistryCore::GetDateTimeValue(const std::wstring& KeyLocation,
                                          const std::wstring& ValueName) {
    return {GetFloatValue(KeyLocation, ValueName)};
}

TDate TRegistryCore::GetDateValue(const std::wstring& KeyLocation, const std::wstring& ValueName) {
    return {GetFloatValue(KeyLocation, ValueName)};
}

TTime TRegistryCore::GetTimeValue(const std::wstring& KeyLocation, const std::wstring& ValueName) {
    return {GetFloatValue(KeyLocation, ValueName)};
}

TRegDataType TRegistryCore::GetValueType(const std::wstring& KeyLocation,
                                         const std::wstring& ValueName) {
    TRegValue value;
    const LSTATUS status = ReadValue(KeyLocation, ValueName, value);
    if (status == ERROR_SUCCESS) return DataTypeOf(value.Type);
    Fail(TRegistryError::ReadError, status);
    return TRegDataType::Unknown;
}

void TRegistryCore::Write(const std::wstring& KeyLocation, const std::wstring& ItemName,
                          const TRegValue& value) {
    UniqueKey key;
    LSTATUS status = OpenLocation(KeyLocation, KEY_WRITE, key);
    if (status == ERROR_SUCCESS) status = WriteRegValue(key.Get(), ItemName, value);
    if (status != ERROR_SUCCESS) Fail(TRegistryError::AccessDenied, status);
}

void TRegistryCore::WriteStringValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                                     const std::wstring& Value) {
    Write(KeyLocation, ItemName, EncodeText(Value));
}

void TRegistryCore::WriteExpandStringValue(const std::wstring& KeyLocation,
                                           const std::wstring& ItemName,
                                           const std::wstring& Value) {
    Write(KeyLocation, ItemName, EncodeText(Value, RegTypeExpandString));
}

void TRegistryCore::WriteIntValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                                  int32_t Value) {
    Write(KeyLocation, ItemName, EncodeInteger(Value));
}

void TRegistryCore::WriteBooleanValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                                      bool Value) {
    WriteIntValue(KeyLocation, ItemName, Value ? 1 : 0);
}

void TRegistryCore::WriteFloatValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                                    double Value) {
    Write(KeyLocation, ItemName, EncodeDouble(Value));
}

void TRegistryCore::WriteCurrency(const std::wstring& KeyLocation, const std::wstring& ItemName,
                                  TCurrency Value) {
    Write(KeyLocation, ItemName, EncodeInt64(Value.Scaled));
}

void TRegistryCore::WriteDateTimeValue(const std::wstring& KeyLocation,
                                       const std::wstring& ItemName, TDateTime Value) {
    WriteFloatValue(KeyLocation, ItemName, Value.Days);
}

void TRegistryCore::WriteDate(const std::wstring& KeyLocation, const std::wstring& ItemName,
                              TDate Value) {
    WriteFloatValue(KeyLocation, ItemName, Value.Days);
}

void TRegistryCore::WriteTime(const std::wstring& KeyLocation, const std::wstring& ItemName,
                              TTime Value) {
    WriteFloatValue(KeyLocation, ItemName, Value.Days);
}

void TRegistryCore::WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                               const std::wstring& Value) {
    WriteStringValue(KeyLocation, ItemName, Value);
}

void TRegistryCore::WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                               const wchar_t* Value) {
    WriteStringValue(KeyLocation, ItemName, Value);
}

void TRegistryCore::WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                               int32_t Value) {
    WriteIntValue(KeyLocation, ItemName, Value);
}

void TRegistryCore::WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                               bool Value) {
    WriteBooleanValue(KeyLocation, ItemName, Value);
}

void TRegistryCore::WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                               double Value) {
    WriteFloatValue(KeyLocation, ItemName, Value);
}

void TRegistryCore::WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                               TDateTime Value) {
    WriteDateTimeValue(KeyLocation, ItemName, Value);
}

void TRegistryCore::WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                               TDate Value) {
    WriteDate(KeyLocation, ItemName, Value);
}

void TRegistryCore::WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                               TTime Value) {
    WriteTime(KeyLocation, ItemName, Value);
}

} // namespace vel
