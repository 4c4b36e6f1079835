#pragma once
// Limits on a control's size; 0 means no limit.
#include "toolkit/persistent.h"

#include <functional>

namespace toolkit {

class SizeConstraints : public Persistent {
  public:
    SizeConstraints();

    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int value) { Set(minWidth_, value); }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int value) { Set(minHeight_, value); }
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int value) { Set(maxWidth_, value); }
    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int value) { Set(maxHeight_, value); }

    int ConstrainWidth(int width) const { return Constrain(width, minWidth_, maxWidth_); }
    int ConstrainHeight(int height) const { return Constrain(height, minHeight_, maxHeight_); }
    // Without notification: the control that scales lays itself out afterwards.
    void Scale(int multiplier, int divider);

    std::function<void()> OnChange;

  private:
    static int Constrain(int value, int minimum, int maximum);
    void Set(int& limit, int value);

    int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

} // namespace toolkit
