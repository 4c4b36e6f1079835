#include "lyra/persistent_color.h"

#include "toolkit/error.h"

namespace lyra {

namespace {
template <class Field>
std::unique_ptr<toolkit::Property> ColorProperty(std::wstring name, Field& field) {
    return std::make_unique<toolkit::ValueProperty<TColor>>(
        std::move(name), [&field] { return TColor(field); },
        [&field](const TColor& value) { field = value; }, &toolkit::ParseColor);
}
} // namespace

void LyPersistentColor::SetEnabled(bool value) {
    if (value == FEnable) return;
    FEnable = value;
    NotifyOwner();
}

void LyPersistentColor::Assign(const toolkit::Persistent& source) {
    if (!dynamic_cast<const LyPersistentColor*>(&source))
        throw toolkit::Error(L"A colour set can only be assigned from another colour set");
    toolkit::Persistent::Assign(source);
}

void LyPersistentColor::NotifyOwner() const {
    NotifyThemeOwner(Owner());
}

void LyPersistentColor::PublishEnabled() {
    Publish(L"Enabled", &LyPersistentColor::Enabled, &LyPersistentColor::SetEnabled);
}

void LyPersistentColor::PublishColorField(std::wstring name, TColor& field) {
    AddProperty(ColorProperty(std::move(name), field));
}

void LyPersistentColor::PublishColorField(std::wstring name, LySourceColor& field) {
    AddProperty(ColorProperty(std::move(name), field));
}

} // namespace lyra
