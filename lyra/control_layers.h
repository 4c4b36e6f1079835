#pragma once
// How buffered framework controls see each other: the see-through background a control
// composes from the buffers of the siblings beneath it, and the siblings above it that must
// compose theirs again when it changed.
#include "toolkit/bitmap.h"
#include "toolkit/control.h"

namespace lyra {

// The off-screen drawing of a buffered framework control, or null for any other control.
toolkit::Bitmap* ControlBuffer(toolkit::Control& Control);

// Copies into Target (the size of Control) what every visible buffered sibling that comes
// earlier in the owner's component order shows where it overlaps Control.
void CopyBuffersBeneath(const toolkit::Control& Control, toolkit::Bitmap& Target);

// Invalidates every other transparent windowed framework sibling overlapping Control; with
// OnlyLater, just those later in the owner's component order.
void InvalidateTransparentSiblings(const toolkit::Control& Control, bool OnlyLater);

} // namespace lyra
