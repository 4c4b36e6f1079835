#include "toolkit/component.h"

#include <algorithm>
#include <atomic>

namespace toolkit {

namespace {
std::atomic<std::size_t> liveComponents{0};

void Erase(std::vector<Component*>& list, Component* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}
} // namespace

Component::Component(Component* owner) : owner_(owner) {
    ++liveComponents;
    if (owner_) owner_->components_.push_back(this);
    Publish(L"Name", &Component::Name, &Component::SetName);
    Publish(L"Tag", &Component::Tag, &Component::SetTag);
}

Component::~Component() {
    destroying_ = true;
    for (Component* subscriber : std::vector<Component*>(subscribers_)) {
        subscriber->Notification(this);
        Erase(subscriber->subscribers_, this);
    }
    subscribers_.clear();
    DestroyComponents();
    if (owner_) {
        Erase(owner_->components_, this);
        owner_->Notification(this);
    }
    --liveComponents;
}

void Component::SetName(const std::wstring& name) {
    if (name == name_) return;
    if (owner_ && !name.empty()) {
        Component* existing = owner_->FindComponent(name);
        if (existing && existing != this)
            throw Error(L"A component named " + name + L" already exists");
    }
    name_ = name;
}

int Component::ComponentIndex() const {
    if (!owner_) return -1;
    auto& list = owner_->components_;
    auto found = std::find(list.begin(), list.end(), this);
    return found == list.end() ? -1 : int(found - list.begin());
}

Component* Component::FindComponent(std::wstring_view name) const {
    if (name.empty()) return nullptr;
    for (Component* component : components_)
        if (SameName(component->name_, name)) return component;
    return nullptr;
}

void Component::SetParentComponent(Component*) {}

void Component::Loaded() {
    loading_ = false;
}

void Component::FreeNotification(Component* subscriber) {
    if (!subscriber || subscriber == this) return;
    if (std::find(subscribers_.begin(), subscribers_.end(), subscriber) == subscribers_.end()) {
        subscribers_.push_back(subscriber);
        // Both sides know each other, so whichever goes first unsubscribes the other.
        subscriber->subscribers_.push_back(this);
    }
}

void Component::RemoveFreeNotification(Component* subscriber) {
    if (!subscriber) return;
    Unsubscribe(subscriber);
    subscriber->Unsubscribe(this);
}

void Component::Unsubscribe(Component* other) {
    Erase(subscribers_, other);
}

std::size_t Component::LiveCount() {
    return liveComponents;
}

void Component::Notification(Component*) {}

void Component::DestroyComponents() {
    while (!components_.empty()) {
        Component* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
}

} // namespace toolkit
