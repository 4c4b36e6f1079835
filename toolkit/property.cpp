#include "toolkit/property.h"

#include "toolkit/persistent.h"

#include <cmath>
#include <limits>

namespace toolkit {

namespace {
std::wstring Describe(const PropertyValue& value) {
    switch (value.kind) {
    case PropertyValue::Kind::Integer:
        return std::to_wstring(value.integer);
    case PropertyValue::Kind::Float:
        return std::to_wstring(value.number);
    case PropertyValue::Kind::String:
        return L"'" + value.text + L"'";
    case PropertyValue::Kind::Identifier:
        return value.text;
    case PropertyValue::Kind::Set:
        return L"a set";
    case PropertyValue::Kind::List:
        return L"a list";
    }
    return {};
}
} // namespace

void ThrowInvalidValue(const PropertyValue& value) {
    throw Error(Describe(value) + L" is not a valid value here");
}

std::int64_t ParseInteger(const PropertyValue& value) {
    if (value.kind != PropertyValue::Kind::Integer) ThrowInvalidValue(value);
    return value.integer;
}

int ParseInt32(const PropertyValue& value) {
    std::int64_t number = ParseInteger(value);
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        throw Error(std::to_wstring(number) + L" is out of range");
    return int(number);
}

double ParseFloat(const PropertyValue& value) {
    if (value.kind == PropertyValue::Kind::Integer) return double(value.integer);
    if (value.kind != PropertyValue::Kind::Float) ThrowInvalidValue(value);
    return value.number;
}

bool ParseBoolean(const PropertyValue& value) {
    if (value.kind == PropertyValue::Kind::Identifier) {
        if (SameName(value.text, L"True")) return true;
        if (SameName(value.text, L"False")) return false;
    }
    ThrowInvalidValue(value);
}

std::wstring ParseString(const PropertyValue& value) {
    if (value.kind != PropertyValue::Kind::String) ThrowInvalidValue(value);
    return value.text;
}

TColor ParseColor(const PropertyValue& value) {
    if (value.kind == PropertyValue::Kind::Identifier) {
        if (auto color = ColorFromName(value.text)) return *color;
        throw Error(L"'" + value.text + L"' is not a colour name");
    }
    std::int64_t number = ParseInteger(value);
    // Descriptions may write system colours as their unsigned 0xFF... form.
    if (number < std::numeric_limits<std::int32_t>::min() || number > 0xFFFFFFFFll)
        throw Error(std::to_wstring(number) + L" is not a colour");
    return TColor(std::uint32_t(number));
}

std::vector<std::wstring> ParseStrings(const PropertyValue& value) {
    if (value.kind != PropertyValue::Kind::List) ThrowInvalidValue(value);
    return value.items;
}

void ObjectProperty::Load(const PropertyValue&, DescriptionContext&) {
    throw Error(Name() + L" holds properties of its own; set them as " + Name() + L".Name = ...");
}

bool ObjectProperty::CopyFrom(const Property& source) {
    Persistent* other = source.SubObject();
    if (!other) return false;
    object_.Assign(*other);
    return true;
}

} // namespace toolkit
