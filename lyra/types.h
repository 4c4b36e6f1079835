#pragma once
// Small enumerations the framework's controls and theme manager share.
#include "toolkit/control_types.h"
#include "toolkit/enum_set.h"
#include "toolkit/names.h"

#include <functional>

namespace toolkit {
class Component;
} // namespace toolkit

namespace lyra {

// A control's interaction state; colour lookups index by its ordinal.
enum class LyControlState { None, Hover, Press };

// Whether the theme follows the system or is forced.
enum class LyDarkSetting { Auto, ForceDark, ForceLight };

// Keys a focused control keeps for itself instead of letting them move the focus.
enum class LyFocusFlag { CatchTab, CatchLeft, CatchUp, CatchRight, CatchDown };
using LyFocusFlags = toolkit::EnumSet<LyFocusFlag>;
const toolkit::EnumNames<LyFocusFlag>& LyFocusFlagNames();

// Where the icon of an icon selection comes from.
enum class LyIconType { Image, BitMap, ImageList, SegoeIcon };
const toolkit::EnumNames<LyIconType>& LyIconTypeNames();

// Raised around a control's painting.
using LyControlOnPaint = std::function<void(toolkit::Component* Sender)>;

} // namespace lyra
