// The button's drawing and the colour fade between its interaction states.
#include "lyra/button.h"

#include "lyra/gdi_shapes.h"
#include "lyra/text_layout.h"
#include "lyra/theme_manager.h"

#include <cmath>
#include <optional>

namespace lyra {

namespace {

// The chevron of a drop-down button, from the theme's icon font.
constexpr wchar_t DropDownChevron[] = L"\uE70D";

Gdiplus::Color ShapeColor(TColor Color) {
    return Gdiplus::Color(MakeGPColor(ResolveColor(Color)));
}

} // namespace

void LyButton::PaintBuffer() {
    PaintBackground();
    const LyControlState state = Interaction();
    TColor fill = FButtonColors->GetColor(false, state);
    TColor text = FButtonColors->GetColor(true, state);
    if (FAnimationRunning) {
        const LyControlState previous = PreviousInteraction();
        fill = ColorBlend(FButtonColors->GetColor(false, previous), fill, FAnimPos);
        text = ColorBlend(FButtonColors->GetColor(true, previous), text, FAnimPos);
    }
    PaintShape(fill);
    PaintCaption(text);
    LyWindowsControl::PaintBuffer();
}

void LyButton::PaintShape(TColor Fill) {
    toolkit::Canvas& canvas = Buffer();
    RECT shape = FLayout.DrawRect;
    shape.right -= 1;
    shape.bottom -= 1;
    std::optional<Gdiplus::Pen> pen;
    int inset = 0;
    switch (FDetail) {
    case LyDetailType::None:
        if (FBorderWidth != 0) {
            pen.emplace(ShapeColor(FDrawColors->BackGroundInterior), float(FBorderWidth));
            inset = int(FBorderWidth);
        }
        break;
    case LyDetailType::Underline: {
        // The accent shows below the fill as a line along the bottom edge.
        const Gdiplus::SolidBrush accent(ShapeColor(FButtonColors->Accent));
        GDIRoundRect(canvas, TRoundRect(shape, FRoundness), &accent, nullptr);
        shape.bottom = int(std::lround(shape.bottom - FLineWidth));
        break;
    }
    case LyDetailType::Outline:
        pen.emplace(ShapeColor(FDrawColors->BackGroundInterior), float(FLineWidth));
        inset = int(std::lround(FLineWidth));
        break;
    }
    InflateRect(&shape, -inset, -inset);
    if (shape.right - shape.left <= 0) return;
    const Gdiplus::SolidBrush brush(ShapeColor(Fill));
    GDIRoundRect(canvas, TRoundRect(shape, FRoundness), &brush, pen ? &*pen : nullptr);
}

void LyButton::PaintCaption(TColor TextColor) {
    toolkit::Canvas& canvas = Buffer();
    canvas.Brush().SetStyle(toolkit::BrushStyle::Clear);
    canvas.Font().Assign(TextFont());
    canvas.Font().SetColor(TextColor);
    if (FShowText)
        DrawTextRect(canvas, FLayout.TheTextRect, DisplayedText(), FLayout.TextDrawFlags);

    if (FButtonKind == LyButtonKind::Dropdown) {
        canvas.Font().SetName(ThemeManager().IconFont());
        canvas.Font().SetHeight(ThemeManager().FormFontHeight());
        RECT chevron = FLayout.IndicatorRect;
        OffsetRect(&chevron, 0, FArrowOffset);
        canvas.TextRect(chevron, DropDownChevron,
                        DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        canvas.Font().Assign(TextFont());
        canvas.Font().SetColor(TextColor);
    }

    const LyIconSelect& icon = DisplayedImage();
    if (icon.Enabled()) icon.DrawIcon(canvas, FLayout.ImageRect);
}

void LyButton::InteractionStateChanged(LyControlState AState) {
    LyWindowsControl::InteractionStateChanged(AState);
    // Started before the repaint, so the first frame shows the old state's colours.
    if (FAnimation && HandleAllocated() && !Destroying() && Parent() && !FAnimationRunning)
        StartColorAnimation();
    Invalidate();
}

void LyButton::StartColorAnimation() {
    FAnimPos = 0;
    FMaxArrowOffset = FLineHeight / 8.0;
    FColorAnimation = std::make_unique<TIntAni>();
    FColorAnimation->Duration = 10;
    FColorAnimation->Step = 10;
    FColorAnimation->StartValue = 0;
    FColorAnimation->DeltaValue = 255;
    FColorAnimation->OnSync = [this](int32_t) { AnimationStep(); };
    FColorAnimation->OnDone = [this] { FAnimationRunning = false; };
    FAnimationRunning = true;
    FColorAnimation->Start();
}

void LyButton::AnimationStep() {
    const double percent = FColorAnimation->Percent();
    FAnimPos = int(percent * 255);
    if (FButtonKind == LyButtonKind::Dropdown) {
        // Pressing pushes the chevron down; letting go brings it back.
        const LyControlState previous = PreviousInteraction();
        if (previous == LyControlState::Hover && Interaction() == LyControlState::Press)
            FArrowOffset = int(std::lround(percent * FMaxArrowOffset));
        else if (previous == LyControlState::Press)
            FArrowOffset = int(std::lround(FMaxArrowOffset - percent * FMaxArrowOffset));
        else if (previous == LyControlState::None)
            FArrowOffset = 0;
    }
    if (Parent()) Invalidate();
}

} // namespace lyra
