#pragma once
// The state colours of a button, computed from the base colours of the theme in force, and
// what else its kind decides: whether the shape has a border and which cursor it shows.
#include "lyra/color_sets.h"
#include "lyra/color_state_sets.h"
#include "toolkit/names.h"
#include "toolkit/control_types.h"

namespace lyra {

// Look and click behaviour of a button.
enum class LyButtonKind { Normal, Accent, Toggle, Dropdown, Link, Flat };
const toolkit::EnumNames<LyButtonKind>& LyButtonKindNames();

// The kind whose colour row a button uses: a Toggle button looks like an Accent button while
// it is checked and like a Normal one otherwise.
LyButtonKind PaletteKind(LyButtonKind Kind, bool Checked);

// Background and foreground of each interaction state, and the accent, for a kind on the base
// colours. Dark says which way "lighter" goes: hover lightens in the dark theme and darkens in
// the light one.
void ComputeButtonColors(LyButtonKind Kind, bool Dark, const LyCompleteColorSet& Base,
                         LyColorStateSet& Colors);
// A disabled button: a grey accent and a grey resting state whose text fades into its fill.
void FadeDisabledButtonColors(LyColorStateSet& Colors);

// 1 for the kinds drawn with a border, 0 for the borderless Link and Flat.
double KindBorderWidth(LyButtonKind Kind);
// The hand for a Link button, the default arrow otherwise.
toolkit::CursorKind KindCursor(LyButtonKind Kind);

} // namespace lyra
