#include "lyra/radio_button.h"

namespace lyra {

namespace {

// Glyphs of the icon font.
constexpr wchar_t EmptyCircle = L'\uECCA';
constexpr wchar_t FilledCircle = L'\uE91F';
constexpr wchar_t InnerDot = L'\uECCC';

// How the inner dot follows the mouse, in points.
constexpr int HoverDotGrowth = 2;
constexpr int PressDotShrink = 1;

} // namespace

LyRadioButton::LyRadioButton(toolkit::Component* AOwner)
    : LySelectionControl(AOwner, 14, L"Lyra Radio Button", false) {
    Publish(L"Checked", &LyRadioButton::Checked, &LyRadioButton::SetChecked);
    PublishEvent(L"OnCheck", OnCheck);
}

void LyRadioButton::SetChecked(bool Value) {
    if (Value == FChecked) return;
    FChecked = Value;
    if (Value) {
        if (toolkit::WinControl* parent = Parent()) {
            for (int index = 0; index < parent->ControlCount(); ++index) {
                auto* sibling = dynamic_cast<LyRadioButton*>(parent->Controls(index));
                if (sibling && sibling != this) sibling->SetChecked(false);
            }
        }
        if (!Loading() && OnCheck) OnCheck(this);
    }
    Invalidate();
}

std::intptr_t LyRadioButton::GetCheckedTag() const {
    if (toolkit::WinControl* parent = Parent()) {
        for (int index = 0; index < parent->ControlCount(); ++index) {
            auto* button = dynamic_cast<const LyRadioButton*>(parent->Controls(index));
            if (button && button->Checked()) return button->Tag();
        }
    }
    return Tag();
}

void LyRadioButton::Select() {
    if (!FChecked) SetChecked(true);
}

void LyRadioButton::PaintGlyphs() {
    toolkit::Font& font = Buffer().Font();
    if (!FChecked) {
        font.SetColor(DrawColors().ForeGround);
        DrawGlyph(EmptyCircle);
        return;
    }
    DrawGlyph(FilledCircle);
    if (Interaction() == LyControlState::Hover)
        font.SetSize(font.Size() + HoverDotGrowth);
    else if (Interaction() == LyControlState::Press)
        font.SetSize(font.Size() - PressDotShrink);
    font.SetColor(DrawColors().BackGround);
    DrawGlyph(InnerDot);
}

} // namespace lyra
