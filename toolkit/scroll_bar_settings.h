#pragma once
// One of a scroll box's two system scroll bars: whether it may show, where it stands, and
// how far a line step goes. The range follows the box's children.
#include "toolkit/persistent.h"

#include <functional>

namespace toolkit {

class ScrollBarSettings : public Persistent {
  public:
    ScrollBarSettings();

    // Whether the bar may appear when the content is larger than the box.
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // The content's offset in pixels, 0 to Range - page.
    int Position() const { return position_; }
    void SetPosition(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int value) { increment_ = value > 0 ? value : increment_; }
    // The content's extent in pixels, as the box measured it.
    int Range() const { return range_; }

    // Set by the box: the position asked for, and the visibility or range changed.
    std::function<void(int position)> OnScroll;
    std::function<void()> OnChange;

  private:
    friend class ScrollBox;
    bool visible_ = true;
    int position_ = 0;
    int increment_ = 8;
    int range_ = 0;
};

} // namespace toolkit
