#include "toolkit/size_constraints.h"

#include <windows.h>

#include <algorithm>

namespace toolkit {

SizeConstraints::SizeConstraints() {
    Publish(L"MinWidth", &SizeConstraints::MinWidth, &SizeConstraints::SetMinWidth);
    Publish(L"MinHeight", &SizeConstraints::MinHeight, &SizeConstraints::SetMinHeight);
    Publish(L"MaxWidth", &SizeConstraints::MaxWidth, &SizeConstraints::SetMaxWidth);
    Publish(L"MaxHeight", &SizeConstraints::MaxHeight, &SizeConstraints::SetMaxHeight);
}

int SizeConstraints::Constrain(int value, int minimum, int maximum) {
    if (maximum > 0) value = std::min(value, maximum);
    return std::max(value, minimum);
}

void SizeConstraints::Scale(int multiplier, int divider) {
    minWidth_ = MulDiv(minWidth_, multiplier, divider);
    minHeight_ = MulDiv(minHeight_, multiplier, divider);
    maxWidth_ = MulDiv(maxWidth_, multiplier, divider);
    maxHeight_ = MulDiv(maxHeight_, multiplier, divider);
}

void SizeConstraints::Set(int& limit, int value) {
    value = std::max(value, 0);
    if (limit == value) return;
    limit = value;
    if (OnChange) OnChange();
}

} // namespace toolkit
