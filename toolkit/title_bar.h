#pragma once
// A form's client-drawn title bar: when enabled, the client area reaches up to the window's
// top edge, and a TitleBarPanel (the hosted Control) paints the caption and the caption
// buttons in the colours below.
#include "toolkit/color.h"
#include "toolkit/persistent.h"

#include <functional>

namespace toolkit {

class TitleBarPanel;

class TitleBar : public Persistent {
  public:
    TitleBar();

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { Set(enabled_, value); }
    TitleBarPanel* Control() const { return control_; }
    void SetControl(TitleBarPanel* panel);
    // The bar's height; with SystemHeight the system caption height of the form's DPI.
    int Height() const { return height_; }
    void SetHeight(int value) { Set(height_, value); }
    // Button colours, bar colours and height from the system instead of the slots below.
    bool SystemButtons() const { return systemButtons_; }
    void SetSystemButtons(bool value) { Set(systemButtons_, value); }
    bool SystemColors() const { return systemColors_; }
    void SetSystemColors(bool value) { Set(systemColors_, value); }
    bool SystemHeight() const { return systemHeight_; }
    void SetSystemHeight(bool value) { Set(systemHeight_, value); }
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool value) { Set(showCaption_, value); }

    TColor BackgroundColor() const { return background_; }
    void SetBackgroundColor(TColor value) { Set(background_, value); }
    TColor ForegroundColor() const { return foreground_; }
    void SetForegroundColor(TColor value) { Set(foreground_, value); }
    TColor InactiveBackgroundColor() const { return inactiveBackground_; }
    void SetInactiveBackgroundColor(TColor value) { Set(inactiveBackground_, value); }
    TColor InactiveForegroundColor() const { return inactiveForeground_; }
    void SetInactiveForegroundColor(TColor value) { Set(inactiveForeground_, value); }
    TColor ButtonBackgroundColor() const { return buttonBackground_; }
    void SetButtonBackgroundColor(TColor value) { Set(buttonBackground_, value); }
    TColor ButtonForegroundColor() const { return buttonForeground_; }
    void SetButtonForegroundColor(TColor value) { Set(buttonForeground_, value); }
    TColor ButtonHoverBackgroundColor() const { return buttonHoverBackground_; }
    void SetButtonHoverBackgroundColor(TColor value) { Set(buttonHoverBackground_, value); }
    TColor ButtonHoverForegroundColor() const { return buttonHoverForeground_; }
    void SetButtonHoverForegroundColor(TColor value) { Set(buttonHoverForeground_, value); }
    TColor ButtonPressedBackgroundColor() const { return buttonPressedBackground_; }
    void SetButtonPressedBackgroundColor(TColor value) { Set(buttonPressedBackground_, value); }
    TColor ButtonPressedForegroundColor() const { return buttonPressedForeground_; }
    void SetButtonPressedForegroundColor(TColor value) { Set(buttonPressedForeground_, value); }
    TColor ButtonInactiveBackgroundColor() const { return buttonInactiveBackground_; }
    void SetButtonInactiveBackgroundColor(TColor value) { Set(buttonInactiveBackground_, value); }
    TColor ButtonInactiveForegroundColor() const { return buttonInactiveForeground_; }
    void SetButtonInactiveForegroundColor(TColor value) { Set(buttonInactiveForeground_, value); }

    // Raised after any change; the form lays itself out and repaints the bar.
    std::function<void()> OnChange;

  private:
    template <class T> void Set(T& field, T value) {
        if (field == value) return;
        field = value;
        if (OnChange) OnChange();
    }

    bool enabled_ = false;
    TitleBarPanel* control_ = nullptr;
    int height_ = 31;
    bool systemButtons_ = true;
    bool systemColors_ = true;
    bool systemHeight_ = true;
    bool showCaption_ = true;
    TColor background_ = clWhite;
    TColor foreground_ = clBlack;
    TColor inactiveBackground_ = clWhite;
    TColor inactiveForeground_ = clGray;
    TColor buttonBackground_ = clWhite;
    TColor buttonForeground_ = clBlack;
    TColor buttonHoverBackground_ = 0xE5E5E5;
    TColor buttonHoverForeground_ = clBlack;
    TColor buttonPressedBackground_ = 0xCCCCCC;
    TColor buttonPressedForeground_ = clBlack;
    TColor buttonInactiveBackground_ = clWhite;
    TColor buttonInactiveForeground_ = clGray;
};

} // namespace toolkit
