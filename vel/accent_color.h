#pragma once
// The system accent colour as the library's panels use it: as read, brought into a middle
// brightness band, or a fixed custom one. Read from the registry at most every 30 seconds.
// UI thread only.
#include "toolkit/color.h"
#include "toolkit/names.h"

#include <cstdint>

namespace vel {

enum class VAccentColor : std::uint8_t { None, Accent, AccentAdjust, AccentCustom };
const toolkit::EnumNames<VAccentColor>& VAccentColorNames();

// Returned for AccentCustom.
inline toolkit::TColor CustomAccentColor = 0x00C57517;

// Reads the accent from "HKCU\Software\Microsoft\Windows\DWM" "AccentColor" (the defaults when
// it is missing) and works out the adjusted one.
void RefreshAccentColors();
// The colour of that kind, refreshing first when the last read is over 30 seconds old.
toolkit::TColor AccentColorOf(VAccentColor Kind);

} // namespace vel
