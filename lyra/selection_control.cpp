#include "lyra/selection_control.h"

#include "lyra/colors.h"
#include "lyra/text_layout.h"
#include "lyra/theme_manager.h"

#include <cmath>
#include <utility>

namespace lyra {

namespace {

// Disabled symbols (and check box captions) are drawn in this grey.
constexpr TColor DisabledGrey = MakeColor(128, 128, 128);

// How far the hover and press accents are lightened and darkened.
constexpr int StateLightChange = 25;

void OffsetRectX(RECT& rect, int dx) {
    rect.left += dx;
    rect.right += dx;
}

} // namespace

LySelectionRects LayoutSelection(const RECT& DrawRect, int GlyphWidth, int ImageSize, int Spacing,
                                 LyDrawLayout Layout) {
    const auto [L, T, R, B] = DrawRect;
    const int G = GlyphWidth, Sp = Spacing;
    const int centring = (R - L - G) / 2;
    LySelectionRects rects;
    switch (Layout) {
    case LyDrawLayout::Left:
        rects.IconRect = {L, T, L + G + 2 * Sp, B};
        rects.TextRect = {rects.IconRect.right + Sp, T, R, B};
        break;
    case LyDrawLayout::Right:
        rects.IconRect = {R - G - Sp, T, R, B};
        rects.TextRect = {L, T, rects.IconRect.left - 2 * Sp, B};
        break;
    case LyDrawLayout::Top:
        rects.TextRect = {L, T + G + 2 * Sp + Sp, R, B};
        rects.IconRect = {L, T, L + G, T + G};
        OffsetRectX(rects.IconRect, centring);
        rects.TextLayout = LyLayout::Center;
        break;
    case LyDrawLayout::Bottom:
        // The caption ends where the glyph's area (with its spacing) begins.
        rects.TextRect = {L, T, R, B - G - 2 * Sp};
        rects.IconRect = {L, B - G, L + G, B};
        OffsetRectX(rects.IconRect, centring);
        rects.TextLayout = LyLayout::Center;
        break;
    }
    if (ImageSize > 0) {
        RECT& text = rects.TextRect;
        if (Layout == LyDrawLayout::Left || Layout == LyDrawLayout::Right) {
            rects.ImageRect = {text.left, T, text.left + ImageSize, B};
            text.left = rects.ImageRect.right + Sp;
        } else {
            rects.ImageRect = {L, text.top, R, text.top + ImageSize};
            text.top = rects.ImageRect.bottom + Sp;
        }
    }
    return rects;
}

LySelectionControl::LySelectionControl(toolkit::Component* AOwner, int IconFontSize,
                                       std::wstring AText, bool GreyTextWhenDisabled)
    : LyWindowsControl(AOwner), FGreyTextWhenDisabled(GreyTextWhenDisabled),
      FCustomColors(std::make_unique<LyColorSets>(this)),
      FIconFont(std::make_unique<toolkit::Font>()), FImage(std::make_unique<LyIconSelect>(this)),
      FDrawColors(std::make_unique<LyCompleteColorSet>(this)),
      FIconAccentColors(std::make_unique<LySingleColorStateSet>(this)), FText(std::move(AText)) {
    FIconFont->SetName(ThemeManager().IconFont());
    FIconFont->SetSize(IconFontSize);
    FIconFont->OnChange = [this] {
        if (Loading()) return;
        UpdateRects();
        Invalidate();
    };
    SetAutoFocusLine(true);
    SetCaption(FText);
    SetBounds(Left(), Top(), 180, 30);
    UpdateColors();

    PublishObject(L"CustomColors", *FCustomColors);
    PublishObject(L"IconFont", *FIconFont);
    Publish(L"TextSpacing", &LySelectionControl::TextSpacing, &LySelectionControl::SetTextSpacing);
    Publish(L"AutomaticCursorPointer", &LySelectionControl::AutomaticCursorPointer,
            &LySelectionControl::SetAutomaticCursorPointer);
    Publish(L"Text", &LySelectionControl::Text, &LySelectionControl::SetText);
    Publish(L"WordWrap", &LySelectionControl::WordWrap, &LySelectionControl::SetWordWrap);
    PublishObject(L"Image", *FImage);
    Publish(L"ImageScale", &LySelectionControl::ImageScale, &LySelectionControl::SetImageScale);
    PublishEnum(L"Layout", &LySelectionControl::Layout, &LySelectionControl::SetLayout,
                LyDrawLayoutNames());
}

LySelectionControl::~LySelectionControl() {
    // The icon font's handler reaches into this control.
    FIconFont->OnChange = nullptr;
}

void LySelectionControl::SetTextSpacing(int Value) {
    if (Value == FTextSpacing) return;
    FTextSpacing = Value;
    UpdateRects();
    Invalidate();
}

void LySelectionControl::SetText(const std::wstring& Value) {
    // The window text names the control to screen readers and the accessibility layer.
    SetCaption(Value);
    FText = Value;
    Invalidate();
}

void LySelectionControl::SetWordWrap(bool Value) {
    FWordWrap = Value;
    Invalidate();
}

void LySelectionControl::SetImage(const LyIconSelect& Value) {
    FImage->Assign(Value);
    UpdateRects();
    Invalidate();
}

void LySelectionControl::SetImageScale(float Value) {
    if (Value == FImageScale) return;
    FImageScale = Value;
    UpdateRects();
    Invalidate();
}

void LySelectionControl::SetLayout(LyDrawLayout Value) {
    if (Value == FLayout) return;
    FLayout = Value;
    UpdateRects();
    Invalidate();
}

void LySelectionControl::UpdateTheme(bool) {
    UpdateColors();
    UpdateRects();
    Invalidate();
}

void LySelectionControl::Loaded() {
    // Resolved before the base draws the buffer for the first time.
    UpdateColors();
    UpdateRects();
    LyWindowsControl::Loaded();
}

void LySelectionControl::UpdateColors() {
    LyThemeManager& manager = ThemeManager();
    manager.LoadColorSet(*FDrawColors);
    // The background blends into what lies behind even while the control is disabled.
    if (FCustomColors->Enabled()) {
        FDrawColors->BackGround = GetThemeColor(*FCustomColors, LyColorKind::BackGround);
    } else {
        const TColor behind = Parent() ? Parent()->Color() : manager.SystemColor.BackGround;
        FDrawColors->BackGround = GetParentBackgroundColor(behind);
    }
    if (!Enabled()) {
        FDrawColors->Accent = DisabledGrey;
        if (FGreyTextWhenDisabled) FDrawColors->ForeGround = DisabledGrey;
    } else if (FCustomColors->Enabled()) {
        FDrawColors->Accent = FCustomColors->Accent;
        FDrawColors->ForeGround = GetThemeColor(*FCustomColors, LyColorKind::ForeGround);
    } else {
        FDrawColors->Accent = manager.AccentColor();
        FDrawColors->ForeGround = manager.SystemColor.ForeGround;
    }
    // Stored windows may name system colours; drawing needs them as plain colours.
    FDrawColors->BackGround = ResolveColor(FDrawColors->BackGround);
    FDrawColors->ForeGround = ResolveColor(FDrawColors->ForeGround);
    const TColor accent = ResolveColor(FDrawColors->Accent);
    FDrawColors->Accent = accent;
    FIconAccentColors->Accent = accent;
    FIconAccentColors->LoadColors(accent, ChangeColorLight(accent, StateLightChange),
                                  ChangeColorLight(accent, -StateLightChange));
    if (Color() != FDrawColors->BackGround) SetColor(FDrawColors->BackGround);
}

void LySelectionControl::UpdateRects() {
    FDrawRect = PaddedClientRect();
    toolkit::Canvas& canvas = Buffer();
    canvas.Font().Assign(*FIconFont);
    const int glyphWidth = canvas.TextWidth(L"\uE003");
    int imageSize = 0;
    if (FImage->Enabled()) {
        canvas.Font().Assign(TextFont());
        imageSize = int(std::lround(float(canvas.TextHeight(L"ABC...")) * FImageScale));
    }
    FRects = LayoutSelection(FDrawRect, glyphWidth, imageSize, FTextSpacing, FLayout);
}

void LySelectionControl::PaintBuffer() {
    PaintBackground();
    toolkit::Canvas& canvas = Buffer();
    canvas.Brush().SetStyle(toolkit::BrushStyle::Clear);
    canvas.Font().Assign(TextFont());
    canvas.Font().SetColor(FDrawColors->ForeGround);
    LyTextFlags flags{LyTextFlag::VerticalCenter};
    switch (FRects.TextLayout) {
    case LyLayout::Beginning:
        flags.Include(LyTextFlag::Left);
        break;
    case LyLayout::Center:
        flags.Include(LyTextFlag::Center);
        break;
    case LyLayout::Ending:
        flags.Include(LyTextFlag::Right);
        break;
    }
    if (FWordWrap) flags.Include(LyTextFlag::WordWrap);
    DrawTextRect(canvas, FRects.TextRect, FText, flags, 0);

    canvas.Font().Assign(*FIconFont);
    canvas.Font().SetColor(StateAccent());
    if (FImage->Enabled()) FImage->DrawIcon(canvas, FRects.ImageRect);
    PaintGlyphs();
    LyWindowsControl::PaintBuffer();
}

void LySelectionControl::DrawGlyph(wchar_t Glyph, const RECT& Rect) {
    RECT rect = Rect;
    Buffer().TextRect(rect, std::wstring(1, Glyph),
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void LySelectionControl::ScaleChanged(float Scaling) {
    FIconFont->SetHeight(int(std::lround(float(FIconFont->Height()) * Scaling)));
    FTextSpacing = int(std::lround(float(FTextSpacing) * Scaling));
    FImageScale *= Scaling;
    LyWindowsControl::ScaleChanged(Scaling);
    UpdateRects();
}

void LySelectionControl::FontUpdate() {
    // The picture's size follows the caption's line height.
    UpdateRects();
    LyWindowsControl::FontUpdate();
}

void LySelectionControl::InteractionStateChanged(LyControlState AState) {
    LyWindowsControl::InteractionStateChanged(AState);
    Invalidate();
}

void LySelectionControl::KeyPress(wchar_t& key) {
    if ((key == L' ' || key == L'\r') && Enabled()) Select();
    LyWindowsControl::KeyPress(key);
}

void LySelectionControl::MouseMove(toolkit::ShiftState shift, int x, int y) {
    LyWindowsControl::MouseMove(shift, x, y);
    if (!FAutomaticCursorPointer) return;
    const POINT point{x, y};
    SetCursor(PtInRect(&FRects.IconRect, point) ? toolkit::CursorKind::Hand
                                                : toolkit::CursorKind::Default);
}

void LySelectionControl::MouseDown(toolkit::MouseButton button, toolkit::ShiftState shift, int x,
                                   int y) {
    LyWindowsControl::MouseDown(button, shift, x, y);
    if (button == toolkit::MouseButton::Left) FLeftPressed = true;
}

void LySelectionControl::MouseUp(toolkit::MouseButton button, toolkit::ShiftState shift, int x,
                                 int y) {
    // Like the system's check boxes: dragging off the control before releasing cancels.
    if (button == toolkit::MouseButton::Left && std::exchange(FLeftPressed, false) && Enabled() &&
        x >= 0 && y >= 0 && x < Width() && y < Height())
        Select();
    LyWindowsControl::MouseUp(button, shift, x, y);
}

void LySelectionControl::Resize() {
    UpdateRects();
    LyWindowsControl::Resize();
}

void LySelectionControl::ParentChanged() {
    LyWindowsControl::ParentChanged();
    // The background follows the new parent's.
    UpdateColors();
    Invalidate();
}

} // namespace lyra
