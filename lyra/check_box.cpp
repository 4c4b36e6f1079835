#include "lyra/check_box.h"

#include "lyra/theme_manager.h"

#include <algorithm>
#include <cmath>

namespace lyra {

namespace {

// Glyphs of the icon font.
constexpr wchar_t EmptyBox = L'\uE003';
constexpr wchar_t CheckedBox = L'\uE005';
constexpr wchar_t FilledBox = L'\uE73B';
constexpr wchar_t GrayedBox = L'\uE73C';

// The check mark and the grayed bar are drawn in the background colour over the filled box.
constexpr float StrokeWidth = 1.8f;
// Each tick draws this much more of the check mark.
constexpr int AnimationStep = 5;

POINT PartWay(POINT From, POINT To, double Fraction) {
    return {From.x + int(std::lround((To.x - From.x) * Fraction)),
            From.y + int(std::lround((To.y - From.y) * Fraction))};
}

} // namespace

const toolkit::EnumNames<LyCheckBoxState>& LyCheckBoxStateNames() {
    static const toolkit::EnumNames<LyCheckBoxState> names = {
        {L"Checked", LyCheckBoxState::Checked},
        {L"Unchecked", LyCheckBoxState::Unchecked},
        {L"Grayed", LyCheckBoxState::Grayed}};
    return names;
}

std::vector<TLine> CheckMarkStrokes(const RECT& Box, int Status) {
    if (Status <= 0) return {};
    const int w = Box.right - Box.left, h = Box.bottom - Box.top;
    const int cx = Box.left + w / 2, cy = Box.top + h / 2;
    const POINT p1{cx - w / 6, cy - h / 18};
    const POINT p2{cx - w / 12, cy + h / 10};
    const POINT p3{cx + w / 6, cy - h / 7};
    if (Status <= 50) return {{p1, PartWay(p1, p2, Status / 50.0)}};
    return {{p1, p2}, {p2, PartWay(p2, p3, std::min(Status - 50, 50) / 50.0)}};
}

LyCheckBox::LyCheckBox(toolkit::Component* AOwner)
    : LySelectionControl(AOwner, 16, L"Lyra Checkbox", true),
      FAnimateTimer(std::make_unique<toolkit::Timer>(nullptr)) {
    FAnimateTimer->SetEnabled(false);
    FAnimateTimer->SetInterval(1);
    FAnimateTimer->OnTimer = [this](toolkit::Component*) { AnimationTick(); };

    Publish(L"AllowGrayed", &LyCheckBox::AllowGrayed, &LyCheckBox::SetAllowGrayed);
    PublishEnum(L"State", &LyCheckBox::State, &LyCheckBox::SetState, LyCheckBoxStateNames());
    Publish(L"Checked", &LyCheckBox::Checked, &LyCheckBox::SetChecked);
    PublishEvent(L"OnChange", OnChange);
    Publish(L"AnimationEnabled", &LyCheckBox::AnimationEnabled, &LyCheckBox::SetAnimationEnabled);
}

LyCheckBox::~LyCheckBox() = default;

void LyCheckBox::SetAllowGrayed(bool Value) {
    if (Value == FAllowGrayed) return;
    FAllowGrayed = Value;
    if (!Value && FState == LyCheckBoxState::Grayed) {
        FState = LyCheckBoxState::Unchecked;
        Invalidate();
    }
}

void LyCheckBox::SetState(LyCheckBoxState Value) {
    if (Value == FState) return;
    const bool drawMark = FAnimationEnabled && Value == LyCheckBoxState::Checked &&
                          FState == LyCheckBoxState::Unchecked && !ThemeManager().Designing() &&
                          !Loading();
    FAnimationStatus = drawMark ? 0 : 100;
    FAnimateTimer->SetEnabled(drawMark);
    FState = Value;
    if (OnChange) OnChange(this);
    Invalidate();
}

void LyCheckBox::SetChecked(bool Value) {
    SetState(Value ? LyCheckBoxState::Checked : LyCheckBoxState::Unchecked);
}

void LyCheckBox::SetAnimationEnabled(bool Value) {
    FAnimationEnabled = Value;
    Invalidate();
}

void LyCheckBox::Select() {
    switch (FState) {
    case LyCheckBoxState::Unchecked:
        SetState(LyCheckBoxState::Checked);
        break;
    case LyCheckBoxState::Checked:
        SetState(FAllowGrayed ? LyCheckBoxState::Grayed : LyCheckBoxState::Unchecked);
        break;
    case LyCheckBoxState::Grayed:
        SetState(LyCheckBoxState::Unchecked);
        break;
    }
}

void LyCheckBox::AnimationTick() {
    FAnimationStatus += AnimationStep;
    if (FAnimationStatus >= 100) {
        FAnimationStatus = 100;
        FAnimateTimer->SetEnabled(false);
    }
    Invalidate();
}

void LyCheckBox::PaintGlyphs() {
    toolkit::Font& font = Buffer().Font();
    const TColor background = DrawColors().BackGround;
    const Gdiplus::Pen pen(Gdiplus::Color(MakeGPColor(background)), StrokeWidth);
    switch (FState) {
    case LyCheckBoxState::Unchecked:
        font.SetColor(DrawColors().ForeGround);
        DrawGlyph(EmptyBox);
        break;
    case LyCheckBoxState::Grayed:
        DrawGlyph(EmptyBox);
        DrawGlyph(FilledBox);
        if (FAnimationEnabled) {
            const RECT& box = IconRect();
            const int inset = int(std::lround(0.3 * (box.right - box.left)));
            const int cy = box.top + (box.bottom - box.top) / 2;
            GDILine(Buffer(), {{box.left + inset, cy}, {box.right - inset - 1, cy}}, pen);
        } else {
            font.SetColor(background);
            DrawGlyph(GrayedBox);
        }
        break;
    case LyCheckBoxState::Checked:
        if (!FAnimationEnabled) {
            DrawGlyph(CheckedBox);
            break;
        }
        DrawGlyph(EmptyBox);
        font.SetSize(font.Size() + 1);
        DrawGlyph(FilledBox);
        PaintCheckMark(pen);
        break;
    }
}

void LyCheckBox::PaintCheckMark(const Gdiplus::Pen& Pen) {
    // The mark is drawn in a square as wide as the glyph's area, centred on it.
    RECT box = IconRect();
    const int width = box.right - box.left;
    box.top += (box.bottom - box.top) / 2 - width / 2;
    box.bottom = box.top + width;
    for (const TLine& stroke : CheckMarkStrokes(box, FAnimationStatus))
        GDILine(Buffer(), stroke, Pen);
}

} // namespace lyra
