#pragma once
// The event handlers a form offers its window description, by name. A description's
// "OnClick = OkClick" binds the event to the handler registered as OkClick, provided
// their parameters match.
#include <any>
#include <functional>
#include <map>
#include <string>

namespace toolkit {

class HandlerTable {
  public:
    template <class Signature>
    void Add(const std::wstring& name, std::function<Signature> handler) {
        handlers_[name] = std::move(handler);
    }
    // A member function of the form: Add(L"OkClick", this, &MyForm::OkClick).
    template <class C, class R, class... Args>
    void Add(const std::wstring& name, C* object, R (C::*method)(Args...)) {
        Add<R(Args...)>(name, std::function<R(Args...)>([object, method](Args... args) -> R {
                            return (object->*method)(std::forward<Args>(args)...);
                        }));
    }
    const std::any* Find(std::wstring_view name) const;

  private:
    std::map<std::wstring, std::any, std::less<>> handlers_;
};

} // namespace toolkit
