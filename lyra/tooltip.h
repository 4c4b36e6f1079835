#pragma once
// The framework's flat hint windows: a filled rounded frame with the hint in a contrasting
// colour. The themed forms choose the light or the dark one for the whole application.
#include "toolkit/color.h"
#include "toolkit/hint_window.h"

#include <cstdint>

namespace lyra {

class LyCustomTooltip : public toolkit::HintWindow {
  public:
    explicit LyCustomTooltip(toolkit::Component* aOwner);

    // Keep the system's drop shadow under the window (read when the window is made).
    bool ShowShadow = true;
    // The frame's width in pixels; 0 draws none.
    std::uint8_t BorderThickness = 2;
    toolkit::TColor BorderColor = toolkit::clBlack;
    toolkit::TColor BackColor = toolkit::clWhite;

    // The hint's text measured at MaxWidth, plus the margins and the frame.
    RECT CalcHintRect(int MaxWidth, const std::wstring& AHint) override;

  protected:
    // BackColor and BorderColor from the background and interior of the theme manager's
    // tooltip set, dark or light half.
    void TakeTooltipColors(bool DarkHalf);
    void CreateParams(toolkit::WindowParams& params) override;
    void Paint() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Colours of the theme manager's tooltip set, light half.
class LyLightTooltip : public LyCustomTooltip {
  public:
    explicit LyLightTooltip(toolkit::Component* aOwner);
    void ApplyColor();
};

// Colours of the theme manager's tooltip set, dark half.
class LyDarkTooltip : public LyCustomTooltip {
  public:
    explicit LyDarkTooltip(toolkit::Component* aOwner);
    void ApplyColor();
};

} // namespace lyra
