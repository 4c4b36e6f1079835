#include "lyra/text_box.h"

#include "lyra/theme_manager.h"

namespace lyra {

LyTextBox::LyTextBox(toolkit::Component* AOwner) : LyThemedControl(AOwner) {
    SetAutoFocusLine(true);
    SetTabStop(false);
    SetCaption(L"Hello World");
    SetBounds(Left(), Top(), 180, 30);
    UpdateColors();
    UpdateRects();
    // A new text box keeps 180 x 30 until its text, font or window asks for the text's size.
    FAutoSize = true;

    Publish(L"Caption", &Control::Caption, &Control::SetCaption);
    Publish(L"Text", &Control::Caption, &Control::SetCaption);
    PublishEnum(L"LayoutHorizontal", &LyTextBox::LayoutHorizontal, &LyTextBox::SetLayoutHorizontal,
                LyLayoutNames());
    PublishEnum(L"LayoutVertical", &LyTextBox::LayoutVertical, &LyTextBox::SetLayoutVertical,
                LyLayoutNames());
    Publish(L"AutoSize", &LyTextBox::AutoSize, &LyTextBox::SetAutoSize);
    Publish(L"WordWrap", &LyTextBox::WordWrap, &LyTextBox::SetWordWrap);
    Publish(L"Elipsis", &LyTextBox::Elipsis, &LyTextBox::SetElipsis);
    Publish(L"InnerMargin", &LyTextBox::InnerMargin, &LyTextBox::SetInnerMargin);

    PaddingFill().OnChange = [this] {
        UpdateRects();
        AutoSizeIfDue();
    };
}

void LyTextBox::SetLayoutHorizontal(LyLayout Value) {
    if (Value == FLayoutHorizontal) return;
    FLayoutHorizontal = Value;
    UpdateRects();
    Invalidate();
}

void LyTextBox::SetLayoutVertical(LyLayout Value) {
    if (Value == FLayoutVertical) return;
    FLayoutVertical = Value;
    UpdateRects();
    Invalidate();
}

void LyTextBox::SetAutoSize(bool Value) {
    if (Value == FAutoSize) return;
    FAutoSize = Value;
    if (!Value || Loading())
        Invalidate();
    else
        UpdateAutoSize();
}

void LyTextBox::SetWordWrap(bool Value) {
    if (Value == FWordWrap) return;
    FWordWrap = Value;
    AutoSizeIfDue();
    UpdateRects();
    Invalidate();
}

void LyTextBox::SetElipsis(bool Value) {
    if (Value == FElipsis) return;
    FElipsis = Value;
    Invalidate();
}

LyTextFlags LyTextBox::TextFlags() const {
    static constexpr LyTextFlag horizontal[] = {LyTextFlag::Left, LyTextFlag::Center,
                                                LyTextFlag::Right};
    static constexpr LyTextFlag vertical[] = {LyTextFlag::Top, LyTextFlag::VerticalCenter,
                                              LyTextFlag::Bottom};
    LyTextFlags flags{horizontal[int(FLayoutHorizontal)], vertical[int(FLayoutVertical)]};
    // Wrapped lines may run past the text rectangle (into the padding) rather than be cut.
    if (FWordWrap) flags.Include(LyTextFlag::WordWrap).Include(LyTextFlag::NoClip);
    return flags;
}

void LyTextBox::UpdateAutoSize() {
    toolkit::Canvas& canvas = Buffer();
    canvas.Font().Assign(TextFont());
    SIZE text{};
    if (FWordWrap) {
        const RECT lines = MeasureTextRect(canvas, FTextRect, Caption(), TextFlags(), FInnerMargin);
        text = {lines.right - lines.left, lines.bottom - lines.top};
    } else {
        text = canvas.TextExtent(Caption());
    }
    // The margin lies around the text on every side; without it a wrapped text box would
    // lose twice its margin in width at every measure, and a single line would be cut.
    const int margins = 2 * FInnerMargin;
    SetBounds(Left(), Top(), text.cx + margins + PaddingFill().PadWidth(),
              text.cy + margins + PaddingFill().PadHeight());
}

void LyTextBox::AutoSizeIfDue() {
    if (FAutoSize && !Loading()) UpdateAutoSize();
}

void LyTextBox::UpdateColors() {
    LyThemeManager& manager = ThemeManager();
    LyCompleteColorSet& colors = ResolvedColors();
    manager.LoadColorSet(colors);
    if (CustomColors().Enabled())
        colors.LoadFrom(CustomColors(), manager.DarkTheme());
    else
        colors.BackGround = GetParentBackgroundColor(colors.BackGround);
    SetColor(colors.BackGround);
}

void LyTextBox::UpdateRects() {
    FTextRect = PaddedClientRect();
}

void LyTextBox::PaintBuffer() {
    PaintBackground();
    toolkit::Canvas& canvas = Buffer();
    canvas.Font().Assign(TextFont());
    canvas.Font().SetColor(DrawColors().ForeGround);
    canvas.Brush().SetStyle(toolkit::BrushStyle::Clear);
    DrawTextRect(canvas, FTextRect, Caption(), TextFlags(), FInnerMargin);
    LyThemedControl::PaintBuffer();
}

void LyTextBox::HandleCreated() {
    LyThemedControl::HandleCreated();
    AutoSizeIfDue();
}

void LyTextBox::FontUpdate() {
    AutoSizeIfDue();
    UpdateRects();
    Invalidate();
}

void LyTextBox::ScaleChanged(float Scaling) {
    LyThemedControl::ScaleChanged(Scaling);
    UpdateRects();
}

void LyTextBox::Resize() {
    // The text is laid out for the new size before the base redraws the buffer.
    UpdateRects();
    AutoSizeIfDue();
    LyThemedControl::Resize();
}

void LyTextBox::TextChanged() {
    UpdateRects();
    AutoSizeIfDue();
    LyThemedControl::TextChanged();
}

} // namespace lyra
