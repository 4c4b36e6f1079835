#pragma once
// What every framework control and form offers, so that colour sets, the theme manager and
// forms can reach it without knowing its class.
#include "lyra/colors.h"

namespace lyra {

class LyControl {
  public:
    // Whether it has framework children that must follow theme changes.
    virtual bool IsContainer() const = 0;
    // Re-resolves its colours from the theme manager or its own custom sets and repaints;
    // a container passes the call on to its children when asked.
    virtual void UpdateTheme(bool UpdateChildren) = 0;
    // The colour a child should blend into.
    virtual TColor Background() const = 0;

  protected:
    // Nobody deletes a control through this interface.
    ~LyControl() = default;
};

} // namespace lyra
