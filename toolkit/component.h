#pragma once
// The base of every toolkit object that has a name and an owner. The owner deletes what it
// owns (create with new T(owner)); it lists them in creation order, which callers rely on.
#include "toolkit/persistent.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace toolkit {

class Component : public Persistent {
  public:
    explicit Component(Component* owner);
    ~Component() override;

    Component* Owner() const { return owner_; }
    const std::wstring& Name() const { return name_; }
    // Names are unique among the components of one owner; throws Error otherwise.
    void SetName(const std::wstring& name);
    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t tag) { tag_ = tag; }

    int ComponentCount() const { return int(components_.size()); }
    Component* Components(int index) const { return components_.at(index); }
    // The position in the owner's list, or -1 without an owner.
    int ComponentIndex() const;
    Component* FindComponent(std::wstring_view name) const;
    template <class T> T* Find(std::wstring_view name) const {
        return dynamic_cast<T*>(FindComponent(name));
    }

    // True while a window description is being read into the component.
    bool Loading() const { return loading_; }
    bool Destroying() const { return destroying_; }
    void BeginLoading() { loading_ = true; }
    // Called once the description is read, after every component in it exists.
    virtual void Loaded();
    // A description nests this (non-visual) component inside another object: a menu item
    // inside its menu, say. Controls get a parent instead; here nothing happens by default.
    virtual void SetParentComponent(Component* parent);

    // Asks for a Notification call on subscriber when this component is deleted.
    void FreeNotification(Component* subscriber);
    void RemoveFreeNotification(Component* subscriber);

    // Components alive in the process; tests use it to find leaks.
    static std::size_t LiveCount();

  protected:
    // component is being deleted: drop every reference to it. Owners hear of the components
    // they own; others only after FreeNotification.
    virtual void Notification(Component* component);
    // Deletes the owned components, last first. Derived destructors call it when their
    // components need the derived part alive.
    void DestroyComponents();
    // Destructors call it first, so the teardown that follows skips needless work.
    void MarkDestroying() { destroying_ = true; }

  private:
    void Unsubscribe(Component* other);

    Component* owner_ = nullptr;
    std::wstring name_;
    std::intptr_t tag_ = 0;
    std::vector<Component*> components_;
    std::vector<Component*> subscribers_;
    bool loading_ = false;
    bool destroying_ = false;
};

} // namespace toolkit
