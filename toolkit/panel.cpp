#include "toolkit/panel.h"

#include <algorithm>

namespace toolkit {

namespace {
const EnumNames<BevelCut>& BevelCutNames() {
    static const EnumNames<BevelCut> names = {
        {L"None", BevelCut::None}, {L"Lowered", BevelCut::Lowered}, {L"Raised", BevelCut::Raised}};
    return names;
}

const EnumNames<AlignmentKind>& AlignmentNames() {
    static const EnumNames<AlignmentKind> names = {{L"Left", AlignmentKind::Left},
                                                   {L"Right", AlignmentKind::Right},
                                                   {L"Center", AlignmentKind::Center}};
    return names;
}

// Draws one bevel of the given width on the rectangle's edge and moves the rectangle in.
void DrawBevel(HDC dc, RECT& rect, BevelCut cut, int width) {
    if (cut == BevelCut::None) return;
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    COLORREF topLeft = cut == BevelCut::Raised ? light : dark;
    COLORREF bottomRight = cut == BevelCut::Raised ? dark : light;
    for (int i = 0; i < width; ++i) {
        GdiObject<HBRUSH> first(CreateSolidBrush(topLeft)), second(CreateSolidBrush(bottomRight));
        RECT top{rect.left, rect.top, rect.right, rect.top + 1};
        RECT left{rect.left, rect.top, rect.left + 1, rect.bottom};
        RECT bottom{rect.left, rect.bottom - 1, rect.right, rect.bottom};
        RECT right{rect.right - 1, rect.top, rect.right, rect.bottom};
        FillRect(dc, &top, first.Get());
        FillRect(dc, &left, first.Get());
        FillRect(dc, &bottom, second.Get());
        FillRect(dc, &right, second.Get());
        InflateRect(&rect, -1, -1);
    }
}
} // namespace

Panel::Panel(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 185, 41);
    Publish(L"Caption", &Control::Caption, &Control::SetCaption);
    Publish(L"ShowCaption", &Panel::ShowCaption, &Panel::SetShowCaption);
    PublishEnum(L"Alignment", &Panel::Alignment, &Panel::SetAlignment, AlignmentNames());
    PublishEnum(L"BevelOuter", &Panel::BevelOuter, &Panel::SetBevelOuter, BevelCutNames());
    PublishEnum(L"BevelInner", &Panel::BevelInner, &Panel::SetBevelInner, BevelCutNames());
    Publish(L"BevelWidth", &Panel::BevelWidth, &Panel::SetBevelWidth);
}

void Panel::SetShowCaption(bool value) {
    if (value == showCaption_) return;
    showCaption_ = value;
    Invalidate();
}

void Panel::SetAlignment(AlignmentKind alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void Panel::SetBevelOuter(BevelCut cut) {
    if (cut == bevelOuter_) return;
    bevelOuter_ = cut;
    BevelsChanged();
}

void Panel::SetBevelInner(BevelCut cut) {
    if (cut == bevelInner_) return;
    bevelInner_ = cut;
    BevelsChanged();
}

void Panel::SetBevelWidth(int width) {
    width = std::max(width, 1);
    if (width == bevelWidth_) return;
    bevelWidth_ = width;
    BevelsChanged();
}

void Panel::BevelsChanged() {
    Realign();
    Invalidate();
}

int Panel::BevelSpace() const {
    return (bevelOuter_ != BevelCut::None ? bevelWidth_ : 0) +
           (bevelInner_ != BevelCut::None ? bevelWidth_ : 0);
}

void Panel::AdjustClientRect(RECT& rect) const {
    const int space = BevelSpace();
    InflateRect(&rect, -space, -space);
}

void Panel::Paint() {
    RECT rect = ClientRect();
    HDC dc = Canvas().Handle();
    DrawBevel(dc, rect, bevelOuter_, bevelWidth_);
    DrawBevel(dc, rect, bevelInner_, bevelWidth_);
    if (!showCaption_ || Caption().empty()) return;
    const UINT horizontal = alignment_ == AlignmentKind::Left    ? DT_LEFT
                            : alignment_ == AlignmentKind::Right ? DT_RIGHT
                                                                 : DT_CENTER;
    Canvas().Brush().SetStyle(BrushStyle::Clear);
    Canvas().TextRect(rect, Caption(),
                      horizontal | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

} // namespace toolkit
