#pragma once
// A themed text label: one string in the theme's (or its own) text colour over its parent's
// background, placed in nine positions, optionally wrapped at word boundaries and optionally
// sizing the control to its text.
#include "lyra/layouts.h"
#include "lyra/text_layout.h"
#include "lyra/themed_control.h"

#include <string>

namespace lyra {

class LyTextBox : public LyThemedControl {
  public:
    explicit LyTextBox(toolkit::Component* AOwner);

    // Caption and Text are one string under two names.
    const std::wstring& Text() const { return Caption(); }
    void SetText(const std::wstring& Value) { SetCaption(Value); }
    LyLayout LayoutHorizontal() const { return FLayoutHorizontal; }
    void SetLayoutHorizontal(LyLayout Value);
    LyLayout LayoutVertical() const { return FLayoutVertical; }
    void SetLayoutVertical(LyLayout Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // Kept for the stored window descriptions; the text is drawn the same either way.
    bool Elipsis() const { return FElipsis; }
    void SetElipsis(bool Value);
    int InnerMargin() const { return FInnerMargin; }
    // Only stored: the new margin shows at the next repaint.
    void SetInnerMargin(int Value) { FInnerMargin = Value; }
    // Where the text goes: the client area inside the padding.
    const RECT& TextRect() const { return FTextRect; }
    // The alignment and wrapping flags the text is drawn with.
    LyTextFlags TextFlags() const;

    // Sizes the control to its text and its padding; a wrapped text keeps the width and
    // takes the height of its lines.
    void UpdateAutoSize();

  protected:
    // The theme's colours over the parent's background, or the custom colours as they are.
    void UpdateColors() override;
    void UpdateRects() override;
    void PaintBuffer() override;
    void HandleCreated() override;
    void FontUpdate() override;
    void ScaleChanged(float Scaling) override;
    void Resize() override;
    void TextChanged() override;

  private:
    // Auto size is applied whenever the text's size may change, except while the
    // description is read: it is applied when the window is made.
    void AutoSizeIfDue();

    LyLayout FLayoutHorizontal = LyLayout::Beginning;
    LyLayout FLayoutVertical = LyLayout::Center;
    // Switched on at the end of construction (its published default).
    bool FAutoSize = false;
    bool FWordWrap = false;
    bool FElipsis = false;
    int FInnerMargin = 0;
    RECT FTextRect{};
};

} // namespace lyra
