#include "vel/components.h"

#include "toolkit/error.h"

namespace vel {

void TMPersistent::Assign(const toolkit::Persistent& Source) {
    if (!dynamic_cast<const TMPersistent*>(&Source))
        throw toolkit::Error(L"Cannot assign this object to a settings object");
    toolkit::Persistent::Assign(Source);
}

} // namespace vel
