#pragma once
// The classes window descriptions may create, by name. The toolkit's own controls are
// registered from the start; libraries above register theirs before reading descriptions.
#include <functional>
#include <string>
#include <string_view>

namespace toolkit {

class Component;

class ClassRegistry {
  public:
    using Factory = std::function<Component*(Component* owner)>;

    static void Register(const std::wstring& name, Factory factory);
    template <class T> static void Register(const std::wstring& name) {
        Register(name, [](Component* owner) -> Component* { return new T(owner); });
    }
    // The factory of a class, or null when no class has that name.
    static const Factory* Find(std::wstring_view name);
};

} // namespace toolkit
