#include "lyra/button_colors.h"

namespace lyra {

const toolkit::EnumNames<LyButtonKind>& LyButtonKindNames() {
    static const toolkit::EnumNames<LyButtonKind> names = {
        {L"Normal", LyButtonKind::Normal}, {L"Accent", LyButtonKind::Accent},
        {L"Toggle", LyButtonKind::Toggle}, {L"Dropdown", LyButtonKind::Dropdown},
        {L"Link", LyButtonKind::Link},     {L"Flat", LyButtonKind::Flat}};
    return names;
}

LyButtonKind PaletteKind(LyButtonKind Kind, bool Checked) {
    if (Kind != LyButtonKind::Toggle) return Kind;
    return Checked ? LyButtonKind::Accent : LyButtonKind::Normal;
}

namespace {

// How far a faded text colour moves, out of 255.
constexpr int FadeAmount = 100;

} // namespace

void ComputeButtonColors(LyButtonKind Kind, bool Dark, const LyCompleteColorSet& Base,
                         LyColorStateSet& Colors) {
    const int direction = Dark ? 1 : -1;
    const int large = 10 * direction, small = 5 * direction;
    const TColor interior = Base.BackGroundInterior, background = Base.BackGround,
                 foreground = Base.ForeGround, accent = Base.Accent;
    Colors.Accent = accent;
    switch (Kind) {
    case LyButtonKind::Accent:
        Colors.BackgroundNone = accent;
        Colors.BackgroundHover = ChangeColorLight(accent, -large);
        Colors.BackgroundPress = ChangeColorLight(accent, -(large + small));
        Colors.ForeGroundNone = background;
        Colors.ForeGroundPress = ColorBlend(background, accent, FadeAmount);
        break;
    case LyButtonKind::Link:
        Colors.BackgroundNone = background;
        Colors.BackgroundHover = ChangeColorLight(background, large);
        Colors.BackgroundPress = ChangeColorLight(background, -small);
        Colors.ForeGroundNone = accent;
        Colors.ForeGroundPress = ChangeColorLight(accent, -large);
        break;
    case LyButtonKind::Flat:
        Colors.BackgroundNone = background;
        Colors.BackgroundHover = ChangeColorLight(background, large);
        Colors.BackgroundPress = ChangeColorLight(interior, -large);
        Colors.ForeGroundNone = foreground;
        Colors.ForeGroundPress = ColorBlend(foreground, background, FadeAmount);
        break;
    default: // Normal and Dropdown; a Toggle comes here through PaletteKind
        Colors.BackgroundNone = ChangeColorLight(interior, -small);
        Colors.BackgroundHover = ChangeColorLight(Colors.BackgroundNone, large);
        Colors.BackgroundPress = ChangeColorLight(interior, -large);
        Colors.ForeGroundNone = foreground;
        Colors.ForeGroundPress = ColorBlend(foreground, Colors.BackgroundNone, FadeAmount);
        break;
    }
    Colors.ForeGroundHover = Colors.ForeGroundNone;
}

void FadeDisabledButtonColors(LyColorStateSet& Colors) {
    Colors.Accent = ColorToGrayscale(Colors.Accent);
    Colors.BackgroundNone = ColorToGrayscale(Colors.BackgroundNone);
    Colors.ForeGroundNone =
        ColorBlend(Colors.BackgroundNone, ColorToGrayscale(Colors.ForeGroundNone), FadeAmount);
}

double KindBorderWidth(LyButtonKind Kind) {
    return Kind == LyButtonKind::Link || Kind == LyButtonKind::Flat ? 0.0 : 1.0;
}

toolkit::CursorKind KindCursor(LyButtonKind Kind) {
    return Kind == LyButtonKind::Link ? toolkit::CursorKind::Hand : toolkit::CursorKind::Default;
}

} // namespace lyra
