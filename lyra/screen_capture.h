#pragma once
// Copies of what is on the screen, as backgrounds for frosted glass.
#include "toolkit/bitmap.h"

#include <memory>
#include <string>

namespace lyra {

constexpr int VirtualDesktop = -2;
constexpr int PrimaryMonitor = -1;

// The bitmap takes the size and pixels of the whole virtual desktop, the primary monitor, or
// monitor number `monitor` (from 0). Throws toolkit::Error for a monitor that does not exist.
void CaptureScreen(toolkit::Bitmap& bitmap, int monitor);

// The pixels of the top-level window with exactly that title, or null when there is none.
std::unique_ptr<toolkit::Bitmap> CaptureWindow(const std::wstring& windowTitle);

} // namespace lyra
