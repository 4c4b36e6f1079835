#pragma once
// Published properties: what a window description may set on an object by name, and what
// Persistent::Assign copies between two objects.
#include "toolkit/color.h"
#include "toolkit/enum_set.h"
#include "toolkit/error.h"
#include "toolkit/names.h"

#include <any>
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace toolkit {

class Component;
class Persistent;

// A value as a window description writes it, before a property interprets it.
struct PropertyValue {
    enum class Kind { Integer, Float, String, Identifier, Set, List };
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    double number = 0;
    std::wstring text;               // a string or an identifier
    std::vector<std::wstring> items; // the members of a set, or the strings of a list
};

// What a property needs from the reader of a description.
class DescriptionContext {
  public:
    virtual ~DescriptionContext() = default;
    // The handler registered under the name, or null.
    virtual const std::any* FindHandler(std::wstring_view name) const = 0;
    // The content of a picture file that the description names.
    virtual std::vector<std::uint8_t> ReadPicture(const std::wstring& fileName) = 0;
    // Calls assign with the component of that name once the whole description is read.
    virtual void ResolveReference(const std::wstring& name,
                                  std::function<void(Component*)> assign) = 0;
};

class Property {
  public:
    explicit Property(std::wstring name) : name_(std::move(name)) {}
    virtual ~Property() = default;
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;

    const std::wstring& Name() const { return name_; }
    // Sets the property from a description; throws Error with the reason on a bad value.
    virtual void Load(const PropertyValue& value, DescriptionContext& context) = 0;
    // The owned sub-object a dotted path continues into, as Font in "Font.Name".
    virtual Persistent* SubObject() const { return nullptr; }
    // Takes the value of a property of the same kind; false when the kinds differ.
    virtual bool CopyFrom(const Property& source) = 0;
    // Events stay with their object when another one is assigned to it.
    virtual bool CopiedByAssign() const { return true; }

  private:
    std::wstring name_;
};

// How description values become property values; each throws Error on a mismatch.
std::int64_t ParseInteger(const PropertyValue& value);
int ParseInt32(const PropertyValue& value);
double ParseFloat(const PropertyValue& value);
bool ParseBoolean(const PropertyValue& value);
std::wstring ParseString(const PropertyValue& value);
TColor ParseColor(const PropertyValue& value);
std::vector<std::wstring> ParseStrings(const PropertyValue& value);
[[noreturn]] void ThrowInvalidValue(const PropertyValue& value);

template <class E> E ParseEnum(const PropertyValue& value, const EnumNames<E>& names) {
    if (value.kind == PropertyValue::Kind::Identifier)
        if (const E* found = FindEnumValue(names, value.text)) return *found;
    ThrowInvalidValue(value);
}

template <class E> EnumSet<E> ParseSet(const PropertyValue& value, const EnumNames<E>& names) {
    if (value.kind != PropertyValue::Kind::Set) ThrowInvalidValue(value);
    EnumSet<E> set;
    for (const std::wstring& item : value.items) {
        const E* found = FindEnumValue(names, item);
        if (!found) throw Error(L"'" + item + L"' is not a member of this set");
        set.Include(*found);
    }
    return set;
}

template <class T> T ParsePlain(const PropertyValue& value) {
    if constexpr (std::is_same_v<T, bool>)
        return ParseBoolean(value);
    else if constexpr (std::is_same_v<T, int>)
        return ParseInt32(value);
    else if constexpr (std::is_integral_v<T>)
        return static_cast<T>(ParseInteger(value));
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<T>(ParseFloat(value));
    else if constexpr (std::is_same_v<T, std::wstring>)
        return ParseString(value);
    else if constexpr (std::is_same_v<T, std::vector<std::wstring>>)
        return ParseStrings(value);
    else
        static_assert(sizeof(T) == 0, "publish this type with its own parser");
}

// A property held by value: numbers, texts, colours, enumerations, sets, string lists.
template <class T> class ValueProperty final : public Property {
  public:
    using Getter = std::function<T()>;
    using Setter = std::function<void(const T&)>;
    using Parser = std::function<T(const PropertyValue&)>;

    ValueProperty(std::wstring name, Getter get, Setter set, Parser parse)
        : Property(std::move(name)), get_(std::move(get)), set_(std::move(set)),
          parse_(std::move(parse)) {}

    T Get() const { return get_(); }
    void Set(const T& value) const { set_(value); }
    void Load(const PropertyValue& value, DescriptionContext&) override { set_(parse_(value)); }
    bool CopyFrom(const Property& source) override {
        auto* other = dynamic_cast<const ValueProperty<T>*>(&source);
        if (!other) return false;
        set_(other->get_());
        return true;
    }

  private:
    Getter get_;
    Setter set_;
    Parser parse_;
};

// An owned sub-object; descriptions reach its properties by a dotted path.
class ObjectProperty final : public Property {
  public:
    ObjectProperty(std::wstring name, Persistent& object)
        : Property(std::move(name)), object_(object) {}
    void Load(const PropertyValue& value, DescriptionContext&) override;
    Persistent* SubObject() const override { return &object_; }
    bool CopyFrom(const Property& source) override;

  private:
    Persistent& object_;
};

// A reference to another component of the same description, resolved after reading.
template <class T> class ReferenceProperty final : public Property {
  public:
    ReferenceProperty(std::wstring name, std::function<T*()> get, std::function<void(T*)> set)
        : Property(std::move(name)), get_(std::move(get)), set_(std::move(set)) {}

    void Load(const PropertyValue& value, DescriptionContext& context) override {
        if (value.kind != PropertyValue::Kind::Identifier) ThrowInvalidValue(value);
        context.ResolveReference(value.text, [set = set_, name = value.text](Component* found) {
            T* target = dynamic_cast<T*>(found);
            if (!target) throw Error(L"'" + name + L"' is not of the kind this property needs");
            set(target);
        });
    }
    bool CopyFrom(const Property& source) override {
        auto* other = dynamic_cast<const ReferenceProperty<T>*>(&source);
        if (!other) return false;
        set_(other->get_());
        return true;
    }

  private:
    std::function<T*()> get_;
    std::function<void(T*)> set_;
};

// An event (a std::function member) bound to a handler registered by name.
template <class Signature> class EventProperty final : public Property {
  public:
    EventProperty(std::wstring name, std::function<Signature>& event)
        : Property(std::move(name)), event_(event) {}

    void Load(const PropertyValue& value, DescriptionContext& context) override {
        if (value.kind != PropertyValue::Kind::Identifier) ThrowInvalidValue(value);
        const std::any* handler = context.FindHandler(value.text);
        if (!handler) throw Error(L"unknown handler '" + value.text + L"'");
        auto* function = std::any_cast<std::function<Signature>>(handler);
        if (!function)
            throw Error(L"handler '" + value.text + L"' does not take the parameters of " + Name());
        event_ = *function;
    }
    bool CopyFrom(const Property&) override { return false; }
    bool CopiedByAssign() const override { return false; }

  private:
    std::function<Signature>& event_;
};

} // namespace toolkit
