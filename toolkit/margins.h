#pragma once
// The space an aligned control keeps around itself when AlignWithMargins is on.
#include "toolkit/persistent.h"

#include <functional>

namespace toolkit {

class Margins : public Persistent {
  public:
    explicit Margins(int initial = 3);

    int Left() const { return left_; }
    void SetLeft(int value) { Set(left_, value); }
    int Top() const { return top_; }
    void SetTop(int value) { Set(top_, value); }
    int Right() const { return right_; }
    void SetRight(int value) { Set(right_, value); }
    int Bottom() const { return bottom_; }
    void SetBottom(int value) { Set(bottom_, value); }
    void SetAll(int left, int top, int right, int bottom);
    // Without notification: the control that scales lays itself out afterwards.
    void Scale(int multiplier, int divider);

    std::function<void()> OnChange;

  private:
    void Set(int& side, int value);

    int left_, top_, right_, bottom_;
};

} // namespace toolkit
