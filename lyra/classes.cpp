#include "lyra/classes.h"

#include "lyra/control_interface.h"
#include "toolkit/error.h"

namespace lyra {

void TAssignPersistent::Assign(const toolkit::Persistent& Source) {
    if (!dynamic_cast<const TAssignPersistent*>(&Source))
        throw toolkit::Error(L"Cannot assign this object to a settings object");
    TMPersistent::Assign(Source);
}

void NotifyThemeOwner(toolkit::Persistent* Owner) {
    auto* control = dynamic_cast<LyControl*>(Owner);
    if (!control) return;
    auto* component = dynamic_cast<toolkit::Component*>(Owner);
    if (component && component->Loading()) return;
    control->UpdateTheme(true);
}

} // namespace lyra
