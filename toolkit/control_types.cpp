#include "toolkit/control_types.h"

namespace toolkit {

const EnumNames<AlignKind>& AlignNames() {
    static const EnumNames<AlignKind> names = {
        {L"None", AlignKind::None}, {L"Top", AlignKind::Top},     {L"Bottom", AlignKind::Bottom},
        {L"Left", AlignKind::Left}, {L"Right", AlignKind::Right}, {L"Client", AlignKind::Client}};
    return names;
}

const EnumNames<Anchor>& AnchorNames() {
    static const EnumNames<Anchor> names = {{L"Left", Anchor::Left},
                                            {L"Top", Anchor::Top},
                                            {L"Right", Anchor::Right},
                                            {L"Bottom", Anchor::Bottom}};
    return names;
}

const EnumNames<CursorKind>& CursorNames() {
    static const EnumNames<CursorKind> names = {
        {L"Default", CursorKind::Default}, {L"Arrow", CursorKind::Arrow},
        {L"Hand", CursorKind::Hand},       {L"IBeam", CursorKind::IBeam},
        {L"Wait", CursorKind::Wait},       {L"Cross", CursorKind::Cross},
        {L"SizeAll", CursorKind::SizeAll}, {L"SizeNS", CursorKind::SizeNS},
        {L"SizeWE", CursorKind::SizeWE},   {L"No", CursorKind::No}};
    return names;
}

const EnumNames<FrameStyle>& FrameStyleNames() {
    static const EnumNames<FrameStyle> names = {{L"None", FrameStyle::None},
                                                {L"Single", FrameStyle::Single}};
    return names;
}

ShiftState KeyboardShiftState() {
    ShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) shift.Include(ShiftKey::Shift);
    if (GetKeyState(VK_CONTROL) < 0) shift.Include(ShiftKey::Ctrl);
    if (GetKeyState(VK_MENU) < 0) shift.Include(ShiftKey::Alt);
    return shift;
}

ShiftState MouseShiftState(WPARAM mouseKeys) {
    ShiftState shift;
    if (mouseKeys & MK_SHIFT) shift.Include(ShiftKey::Shift);
    if (mouseKeys & MK_CONTROL) shift.Include(ShiftKey::Ctrl);
    if (GetKeyState(VK_MENU) < 0) shift.Include(ShiftKey::Alt);
    if (mouseKeys & MK_LBUTTON) shift.Include(ShiftKey::Left);
    if (mouseKeys & MK_RBUTTON) shift.Include(ShiftKey::Right);
    if (mouseKeys & MK_MBUTTON) shift.Include(ShiftKey::Middle);
    return shift;
}

} // namespace toolkit
