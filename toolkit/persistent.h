#pragma once
// An object with published properties. Each class publishes its properties in its
// constructor, next to its defaults, so window descriptions and Assign need no central table.
#include "toolkit/property.h"

#include <memory>
#include <string>
#include <vector>

namespace toolkit {

class Persistent {
  public:
    Persistent() = default;
    virtual ~Persistent() = default;
    Persistent(const Persistent&) = delete;
    Persistent& operator=(const Persistent&) = delete;

    Property* FindProperty(std::wstring_view name) const;
    const std::vector<std::unique_ptr<Property>>& Properties() const { return properties_; }

    // Copies every published property that both objects have under the same name, in the
    // order the source published them; events are not copied.
    virtual void Assign(const Persistent& source);

  protected:
    // Adds a property, or replaces the one of the same name that a base class published.
    void AddProperty(std::unique_ptr<Property> property);

    template <class T>
    void Publish(std::wstring name, std::function<T()> get, std::function<void(const T&)> set) {
        AddProperty(std::make_unique<ValueProperty<T>>(std::move(name), std::move(get),
                                                       std::move(set), &ParsePlain<T>));
    }

    template <class C, class G, class S>
    void Publish(std::wstring name, G (C::*get)() const, void (C::*set)(S)) {
        using T = std::remove_cvref_t<G>;
        C* self = static_cast<C*>(this);
        Publish<T>(
            std::move(name), [self, get] { return T((self->*get)()); },
            [self, set](const T& value) { (self->*set)(value); });
    }

    template <class C, class E>
    void PublishEnum(std::wstring name, E (C::*get)() const, void (C::*set)(E),
                     const EnumNames<E>& names) {
        C* self = static_cast<C*>(this);
        AddProperty(std::make_unique<ValueProperty<E>>(
            std::move(name), [self, get] { return (self->*get)(); },
            [self, set](const E& value) { (self->*set)(value); },
            [&names](const PropertyValue& value) { return ParseEnum(value, names); }));
    }

    template <class C, class E>
    void PublishSet(std::wstring name, EnumSet<E> (C::*get)() const, void (C::*set)(EnumSet<E>),
                    const EnumNames<E>& names) {
        C* self = static_cast<C*>(this);
        AddProperty(std::make_unique<ValueProperty<EnumSet<E>>>(
            std::move(name), [self, get] { return (self->*get)(); },
            [self, set](const EnumSet<E>& value) { (self->*set)(value); },
            [&names](const PropertyValue& value) { return ParseSet(value, names); }));
    }

    template <class C>
    void PublishColor(std::wstring name, TColor (C::*get)() const, void (C::*set)(TColor)) {
        C* self = static_cast<C*>(this);
        AddProperty(std::make_unique<ValueProperty<TColor>>(
            std::move(name), [self, get] { return (self->*get)(); },
            [self, set](const TColor& value) { (self->*set)(value); }, &ParseColor));
    }

    void PublishObject(std::wstring name, Persistent& object) {
        AddProperty(std::make_unique<ObjectProperty>(std::move(name), object));
    }

    template <class C, class T>
    void PublishReference(std::wstring name, T* (C::*get)() const, void (C::*set)(T*)) {
        C* self = static_cast<C*>(this);
        AddProperty(std::make_unique<ReferenceProperty<T>>(
            std::move(name), [self, get] { return (self->*get)(); },
            [self, set](T* value) { (self->*set)(value); }));
    }

    template <class Signature>
    void PublishEvent(std::wstring name, std::function<Signature>& event) {
        AddProperty(std::make_unique<EventProperty<Signature>>(std::move(name), event));
    }

  private:
    std::vector<std::unique_ptr<Property>> properties_;
};

} // namespace toolkit
