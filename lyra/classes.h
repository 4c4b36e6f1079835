#pragma once
// The small persistent classes framework controls publish, and the plain non-visual base.
#include "toolkit/component.h"
#include "toolkit/persistent.h"
#include "vel/components.h"

namespace lyra {

// A published sub-object that knows the object it belongs to (not owned): the utility
// library's.
using vel::TMPersistent;

// A TMPersistent whose Assign copies every published property of another TAssignPersistent
// by name.
class TAssignPersistent : public TMPersistent {
  public:
    using TMPersistent::TMPersistent;
    // Throws toolkit::Error for a source of any other kind.
    void Assign(const toolkit::Persistent& Source) override;
};

// The non-visual component of the framework.
class LyComponent : public toolkit::Component {
  public:
    using toolkit::Component::Component;
};

// Asks the owner of a changed sub-object to re-resolve its colours (UpdateTheme(true)) when it
// is a framework control that is not being read from a window description; it resolves once
// the description is read.
void NotifyThemeOwner(toolkit::Persistent* Owner);

} // namespace lyra
