#include "lyra/panel.h"

#include "lyra/colors.h"
#include "lyra/gdi_shapes.h"
#include "vel/gdiplus_session.h"
#include "lyra/theme_manager.h"

namespace lyra {

LyPanel::LyPanel(toolkit::Component* AOwner)
    : LyPanelBase(AOwner), FCustomColors(std::make_unique<LyCompleteColorSets>(this)),
      FDrawColors(std::make_unique<LyCompleteColorSet>(ThemeManager().SystemColorSet,
                                                       ThemeManager().DarkTheme())) {
    SetShowCaption(false);
    Font().SetName(ThemeManager().FormFont());
    SetBevelInner(toolkit::BevelCut::None);
    SetBevelOuter(toolkit::BevelCut::None);
    // The panel takes the theme's colour, not its parent's (ParentColor goes off with it).
    UpdateColors();

    PublishObject(L"CustomColors", *FCustomColors);
    PublishEnum(L"BackgroundColor", &LyPanel::BackgroundColor, &LyPanel::SetBackgroundColor,
                LyBackgroundColorNames());
    Publish(L"AccentLine", &LyPanel::AccentLine, &LyPanel::SetAccentLine);
    Publish(L"AccentLineWidth", &LyPanel::AccentLineWidth, &LyPanel::SetAccentLineWidth);
}

LyPanel::~LyPanel() = default;

void LyPanel::SetBackgroundColor(LyBackgroundColor Value) {
    if (Value == FBackgroundColor) return;
    FBackgroundColor = Value;
    Invalidate();
    if (Loading()) return;
    SetParentColor(false);
    // The children that blend into the panel's colour follow it too.
    UpdateTheme(true);
}

void LyPanel::SetAccentLine(bool Value) {
    FAccentLine = Value;
    if (!Loading()) Repaint();
}

void LyPanel::SetAccentLineWidth(int Value) {
    FAccentLineWidth = Value;
    if (!Loading()) Repaint();
}

RECT LyPanel::AccentLineRect() const {
    return {10, 10, 10 + FAccentLineWidth, Height() - 10};
}

void LyPanel::DrawAccentLine() {
    if (!FAccentLine) return;
    vel::EnsureGdiplus();
    const Gdiplus::SolidBrush brush(Gdiplus::Color(MakeGPColor(ResolveColor(FDrawColors->Accent))));
    GDIRoundRect(Canvas(), TRoundRect(AccentLineRect(), 8), &brush, nullptr);
}

void LyPanel::UpdateColors() {
    LyThemeManager& manager = ThemeManager();
    if (FCustomColors->Enabled())
        FDrawColors->LoadFrom(*FCustomColors, manager.DarkTheme());
    else
        manager.LoadColorSet(*FDrawColors);
    Font().SetColor(FDrawColors->ForeGround);
    SetColor(Background());
}

TColor LyPanel::Background() const {
    return FBackgroundColor == LyBackgroundColor::Content ? FDrawColors->BackGroundInterior
                                                          : FDrawColors->BackGround;
}

void LyPanel::UpdateTheme(bool UpdateChildren) {
    UpdateColors();
    Invalidate();
    if (!UpdateChildren) return;
    for (int index = 0; index < ControlCount(); ++index)
        if (auto* child = dynamic_cast<LyControl*>(Controls(index)))
            child->UpdateTheme(UpdateChildren);
}

void LyPanel::Loaded() {
    LyPanelBase::Loaded();
    UpdateColors();
}

void LyPanel::Paint() {
    LyPanelBase::Paint();
    DrawAccentLine();
}

void LyPanel::Resize() {
    LyPanelBase::Resize();
    // A resize repaints only the area it uncovers: the bar's whole column is painted again,
    // so its rounded bottom end follows the new height and no old end is left behind.
    if (FAccentLine && HandleAllocated()) {
        const RECT column{0, 0, AccentLineRect().right + 1, Height()};
        InvalidateRect(ExistingHandle(), &column, FALSE);
    }
}

} // namespace lyra
