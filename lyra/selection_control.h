#pragma once
// What the check box and the radio button share: a symbol drawn with glyphs of the theme's
// icon font, an optional picture and a caption, laid out by Layout; their colours; and the
// click, Space or Enter that selects them. Each subclass says what selecting does and which
// glyphs it draws.
#include "lyra/color_sets.h"
#include "lyra/color_state_sets.h"
#include "lyra/control_interface.h"
#include "lyra/icon_select.h"
#include "lyra/layouts.h"
#include "lyra/types.h"
#include "lyra/windows_control.h"
#include "toolkit/font.h"

#include <memory>
#include <string>

namespace lyra {

// The areas of a selection control: the symbol, the picture and the caption.
struct LySelectionRects {
    RECT IconRect{};
    RECT ImageRect{};
    RECT TextRect{};
    LyLayout TextLayout = LyLayout::Beginning;
};

// Lays out a selection control in DrawRect: GlyphWidth is the width of the symbol's glyph,
// ImageSize the picture's size (0 without a picture), Spacing the gap unit.
LySelectionRects LayoutSelection(const RECT& DrawRect, int GlyphWidth, int ImageSize, int Spacing,
                                 LyDrawLayout Layout);

class LySelectionControl : public LyWindowsControl, public LyControl {
  public:
    // IconFontSize in points. A disabled control draws its symbol grey, and its caption too
    // when GreyTextWhenDisabled.
    LySelectionControl(toolkit::Component* AOwner, int IconFontSize, std::wstring AText,
                       bool GreyTextWhenDisabled);
    ~LySelectionControl() override;

    LyColorSets& CustomColors() { return *FCustomColors; }
    toolkit::Font& IconFont() { return *FIconFont; }
    int TextSpacing() const { return FTextSpacing; }
    void SetTextSpacing(int Value);
    bool AutomaticCursorPointer() const { return FAutomaticCursorPointer; }
    void SetAutomaticCursorPointer(bool Value) { FAutomaticCursorPointer = Value; }
    const std::wstring& Text() const { return FText; }
    void SetText(const std::wstring& Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // Changing the selection's fields directly repaints only for pictures and glyphs;
    // SetImage (or UpdateTheme) also lays the control out again.
    LyIconSelect& Image() { return *FImage; }
    void SetImage(const LyIconSelect& Value);
    float ImageScale() const { return FImageScale; }
    void SetImageScale(float Value);
    LyDrawLayout Layout() const { return FLayout; }
    void SetLayout(LyDrawLayout Value);

    const RECT& DrawRect() const { return FDrawRect; }
    const RECT& IconRect() const { return FRects.IconRect; }
    const RECT& ImageRect() const { return FRects.ImageRect; }
    const RECT& TextRect() const { return FRects.TextRect; }
    LyLayout TextLayout() const { return FRects.TextLayout; }
    const LyCompleteColorSet& DrawColors() const { return *FDrawColors; }
    const LySingleColorStateSet& IconAccentColors() const { return *FIconAccentColors; }

    bool IsContainer() const override { return false; }
    // Resolves the colours, lays the control out and repaints; there are no children.
    void UpdateTheme(bool UpdateChildren) override;
    TColor Background() const override { return FDrawColors->BackGround; }
    void Loaded() override;

  protected:
    // A click, Space or Enter on the enabled control.
    virtual void Select() = 0;
    // Draws the symbol into IconRect; the buffer's font is the icon font, coloured with the
    // accent of the interaction state.
    virtual void PaintGlyphs() = 0;

    // One glyph, centred in the rectangle on a single line, in the buffer's font.
    void DrawGlyph(wchar_t Glyph, const RECT& Rect);
    void DrawGlyph(wchar_t Glyph) { DrawGlyph(Glyph, FRects.IconRect); }
    TColor StateAccent() const { return FIconAccentColors->GetColor(Interaction()); }

    void UpdateColors();
    void UpdateRects();
    void PaintBuffer() override;
    void ScaleChanged(float Scaling) override;
    void FontUpdate() override;
    void InteractionStateChanged(LyControlState AState) override;
    void KeyPress(wchar_t& key) override;
    void MouseMove(toolkit::ShiftState shift, int x, int y) override;
    void MouseDown(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) override;
    void MouseUp(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) override;
    void Resize() override;
    void ParentChanged() override;

  private:
    bool FGreyTextWhenDisabled;
    std::unique_ptr<LyColorSets> FCustomColors;
    std::unique_ptr<toolkit::Font> FIconFont;
    std::unique_ptr<LyIconSelect> FImage;
    std::unique_ptr<LyCompleteColorSet> FDrawColors;
    std::unique_ptr<LySingleColorStateSet> FIconAccentColors;
    int FTextSpacing = 6;
    bool FAutomaticCursorPointer = false;
    std::wstring FText;
    bool FWordWrap = true;
    float FImageScale = 1.5f;
    LyDrawLayout FLayout = LyDrawLayout::Left;
    RECT FDrawRect{};
    LySelectionRects FRects;
    // A left press began on the control; only its release inside selects.
    bool FLeftPressed = false;
};

} // namespace lyra
