#include "toolkit/persistent.h"

namespace toolkit {

Property* Persistent::FindProperty(std::wstring_view name) const {
    for (const auto& property : properties_)
        if (SameName(property->Name(), name)) return property.get();
    return nullptr;
}

void Persistent::Assign(const Persistent& source) {
    if (&source == this) return;
    for (const auto& property : source.Properties()) {
        if (!property->CopiedByAssign()) continue;
        if (Property* target = FindProperty(property->Name())) target->CopyFrom(*property);
    }
}

void Persistent::AddProperty(std::unique_ptr<Property> property) {
    for (auto& existing : properties_) {
        if (SameName(existing->Name(), property->Name())) {
            existing = std::move(property);
            return;
        }
    }
    properties_.push_back(std::move(property));
}

} // namespace toolkit
