#include "lyra/control_layers.h"

#include "lyra/buffer_graphic_control.h"
#include "lyra/windows_control.h"
#include "toolkit/win_control.h"

#include <functional>

namespace lyra {

namespace {
// Calls Visit with every other sibling overlapping Control, and the overlap in the parent's
// coordinates, in the parent's order.
void ForEachOverlappingSibling(const toolkit::Control& Control,
                               const std::function<void(toolkit::Control&, const RECT&)>& Visit) {
    toolkit::WinControl* parent = Control.Parent();
    if (!parent) return;
    const RECT bounds = Control.BoundsRect();
    for (int index = 0; index < parent->ControlCount(); ++index) {
        toolkit::Control* sibling = parent->Controls(index);
        if (sibling == &Control) continue;
        RECT siblingBounds = sibling->BoundsRect(), overlap{};
        if (IntersectRect(&overlap, &bounds, &siblingBounds)) Visit(*sibling, overlap);
    }
}
} // namespace

toolkit::Bitmap* ControlBuffer(toolkit::Control& Control) {
    if (auto* windowed = dynamic_cast<LyWindowsControl*>(&Control))
        return &windowed->BufferBitmap();
    if (auto* graphic = dynamic_cast<LyBufferGraphicControl*>(&Control))
        return &graphic->BufferBitmap();
    return nullptr;
}

void CopyBuffersBeneath(const toolkit::Control& Control, toolkit::Bitmap& Target) {
    const int order = Control.ComponentIndex();
    ForEachOverlappingSibling(Control, [&](toolkit::Control& sibling, const RECT& overlap) {
        toolkit::Bitmap* buffer = ControlBuffer(sibling);
        if (!buffer || !sibling.Visible() || sibling.ComponentIndex() >= order) return;
        RECT destination = overlap, source = overlap;
        OffsetRect(&destination, -Control.Left(), -Control.Top());
        OffsetRect(&source, -sibling.Left(), -sibling.Top());
        Target.Canvas().CopyRect(destination, buffer->Canvas(), source);
    });
}

void InvalidateTransparentSiblings(const toolkit::Control& Control, bool OnlyLater) {
    const int order = Control.ComponentIndex();
    ForEachOverlappingSibling(Control, [&](toolkit::Control& sibling, const RECT&) {
        auto* windowed = dynamic_cast<LyWindowsControl*>(&sibling);
        if (!windowed || !windowed->Transparent()) return;
        if (OnlyLater && sibling.ComponentIndex() <= order) return;
        windowed->Invalidate();
    });
}

} // namespace lyra
