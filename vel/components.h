#pragma once
// The base of the library's owned sub-objects: it knows the object it belongs to and copies
// another such object property by property.
#include "toolkit/persistent.h"

namespace vel {

class TMPersistent : public toolkit::Persistent {
  public:
    explicit TMPersistent(toolkit::Persistent* AOwner) : FOwner(AOwner) {}
    // The object this one belongs to (not owned).
    toolkit::Persistent* Owner() const { return FOwner; }

    // From another TMPersistent of any class: every published property (events aside) that
    // this object also has, by name, in the source's order. Anything else cannot be assigned
    // (toolkit::Error).
    void Assign(const toolkit::Persistent& Source) override;

  private:
    toolkit::Persistent* FOwner;
};

} // namespace vel
