#include "toolkit/margins.h"

#include <windows.h>

namespace toolkit {

Margins::Margins(int initial) : left_(initial), top_(initial), right_(initial), bottom_(initial) {
    Publish(L"Left", &Margins::Left, &Margins::SetLeft);
    Publish(L"Top", &Margins::Top, &Margins::SetTop);
    Publish(L"Right", &Margins::Right, &Margins::SetRight);
    Publish(L"Bottom", &Margins::Bottom, &Margins::SetBottom);
}

void Margins::SetAll(int left, int top, int right, int bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    if (OnChange) OnChange();
}

void Margins::Scale(int multiplier, int divider) {
    left_ = MulDiv(left_, multiplier, divider);
    top_ = MulDiv(top_, multiplier, divider);
    right_ = MulDiv(right_, multiplier, divider);
    bottom_ = MulDiv(bottom_, multiplier, divider);
}

void Margins::Set(int& side, int value) {
    if (side == value) return;
    side = value;
    if (OnChange) OnChange();
}

} // namespace toolkit
