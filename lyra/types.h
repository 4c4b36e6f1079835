#pragma once
// Small enumerations the framework's controls and theme manager share.

namespace lyra {

// A control's interaction state; colour lookups index by its ordinal.
enum class LyControlState { None, Hover, Press };

// Whether the theme follows the system or is forced.
enum class LyDarkSetting { Auto, ForceDark, ForceLight };

} // namespace lyra
