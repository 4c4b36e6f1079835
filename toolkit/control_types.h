#pragma once
// The vocabulary controls share: alignment, anchors, mouse buttons, shift state, cursors and
// the signatures of their events.
#include "toolkit/enum_set.h"
#include "toolkit/names.h"

#include <windows.h>

#include <functional>

namespace toolkit {

class Component;

enum class AlignKind { None, Top, Bottom, Left, Right, Client };
enum class Anchor { Left, Top, Right, Bottom };
using AnchorSet = EnumSet<Anchor>;
enum class MouseButton { Left, Right, Middle };
enum class ShiftKey { Shift, Alt, Ctrl, Left, Right, Middle, Double };
using ShiftState = EnumSet<ShiftKey>;
enum class CursorKind { Default, Arrow, Hand, IBeam, Wait, Cross, SizeAll, SizeNS, SizeWE, No };
// The border of a scroll box or a text view.
enum class FrameStyle { None, Single };

const EnumNames<AlignKind>& AlignNames();
const EnumNames<Anchor>& AnchorNames();
const EnumNames<CursorKind>& CursorNames();
const EnumNames<FrameStyle>& FrameStyleNames();

// The keyboard modifiers held now, plus the mouse buttons named in a mouse message's wParam.
ShiftState KeyboardShiftState();
ShiftState MouseShiftState(WPARAM mouseKeys);

using NotifyEvent = std::function<void(Component* sender)>;
using MouseEvent =
    std::function<void(Component* sender, MouseButton button, ShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(Component* sender, ShiftState shift, int x, int y)>;
// delta: a multiple of WHEEL_DELTA, positive away from the user; mousePos in screen pixels.
using MouseWheelEvent = std::function<void(Component* sender, ShiftState shift, int delta,
                                           POINT mousePos, bool& handled)>;
// Setting key to 0 consumes it.
using KeyEvent = std::function<void(Component* sender, WORD& key, ShiftState shift)>;
using KeyPressEvent = std::function<void(Component* sender, wchar_t& key)>;

} // namespace toolkit
