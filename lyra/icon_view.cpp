#include "lyra/icon_view.h"

#include "lyra/theme_manager.h"

#include <algorithm>
#include <cmath>

namespace lyra {

namespace {
// How far the icon moves from the start of the free space along one axis (negative when the
// icon is larger than the client area).
int LayoutOffset(LyLayout Layout, int Space) {
    switch (Layout) {
    case LyLayout::Center:
        return Space / 2;
    case LyLayout::Ending:
        return Space;
    default:
        return 0;
    }
}
} // namespace

LyIconView::LyIconView(toolkit::Component* AOwner)
    : LyThemedControl(AOwner), FImage(std::make_unique<LyIconSelect>(this)) {
    FImage->SetEnabled(true);
    SetBounds(Left(), Top(), 60, 60);
    UpdateColors();
    UpdateRects();

    PublishObject(L"Image", *FImage);
    Publish(L"Scale", &LyIconView::Scale, &LyIconView::SetScale);
    PublishEnum(L"LayoutHorizontal", &LyIconView::LayoutHorizontal,
                &LyIconView::SetLayoutHorizontal, LyLayoutNames());
    PublishEnum(L"LayoutVertical", &LyIconView::LayoutVertical, &LyIconView::SetLayoutVertical,
                LyLayoutNames());
}

LyIconView::~LyIconView() = default;

void LyIconView::SetImage(const LyIconSelect& Value) {
    if (&Value == FImage.get()) return;
    FImage->Assign(Value);
    Invalidate();
}

void LyIconView::SetScale(double Value) {
    if (Value == FScale) return;
    FScale = Value;
    UpdateRects();
    Invalidate();
}

void LyIconView::SetLayoutHorizontal(LyLayout Value) {
    FLayoutHorizontal = Value;
    UpdateRects();
    Invalidate();
}

void LyIconView::SetLayoutVertical(LyLayout Value) {
    FLayoutVertical = Value;
    UpdateRects();
    Invalidate();
}

void LyIconView::UpdateColors() {
    LyThemeManager& manager = ThemeManager();
    LyCompleteColorSet& colors = ResolvedColors();
    manager.LoadColorSet(colors);
    if (!Enabled())
        colors.ForeGround = DisabledIconColor;
    else if (CustomColors().Enabled())
        colors.LoadFrom(CustomColors(), manager.DarkTheme());
    SetColor(colors.BackGround);
}

void LyIconView::UpdateRects() {
    const RECT client = PaddedClientRect();
    const int width = client.right - client.left, height = client.bottom - client.top;
    const int side = int(std::min(std::lround(width * FScale), std::lround(height * FScale)));
    const int left = client.left + LayoutOffset(FLayoutHorizontal, width - side);
    const int top = client.top + LayoutOffset(FLayoutVertical, height - side);
    FIconRect = {left, top, left + side, top + side};
}

void LyIconView::PaintBuffer() {
    // Not transparent, the composed background is the background colour alone.
    PaintBackground();
    toolkit::Canvas& canvas = Buffer();
    canvas.Brush().SetStyle(toolkit::BrushStyle::Clear);
    canvas.Font().SetColor(DrawColors().ForeGround);
    FImage->DrawIcon(canvas, FIconRect);
    LyThemedControl::PaintBuffer();
}

void LyIconView::Resize() {
    UpdateRects();
    LyThemedControl::Resize();
}

void LyIconView::InteractionStateChanged(LyControlState AState) {
    LyThemedControl::InteractionStateChanged(AState);
    Invalidate();
}

} // namespace lyra
