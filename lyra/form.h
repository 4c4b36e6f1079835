#pragma once
// The framework's top-level window: background and text colours from the theme manager or
// its own CustomColors, a client-drawn title bar coloured to match, a short cross-fade when
// the theme changes, a slight translucency, a darkening overlay for modal dialogs and a
// full-screen switch. Theme changes reach every framework control it owns.
#include "lyra/animations.h"
#include "lyra/color_sets.h"
#include "lyra/control_interface.h"
#include "lyra/smoke_overlay.h"
#include "lyra/theme_manager.h"
#include "toolkit/form.h"
#include "toolkit/title_bar_panel.h"

#include <functional>
#include <memory>

namespace lyra {

using LyFormProcedure = std::function<void(toolkit::Component* Sender)>;

// Sent to every control inside the form (the form in lParam) after it moved or was resized.
inline constexpr UINT WM_LY_FORM_MOVED = 0x0601;
inline constexpr UINT WM_LY_FORM_RESIZED = 0x0602;

class LyForm : public toolkit::Form, public LyControl {
  public:
    // A form without a description. A subclass that reads one (ReadDescription) gets the
    // framework's settings applied again once it is read.
    explicit LyForm(toolkit::Component* aOwner);
    ~LyForm() override;

    LyColorSets& CustomColors() { return *FCustomColors; }
    // The colours in force: background and foreground.
    const LyColorSet& DrawColors() const { return *FDrawColors; }
    bool MicaEffect() const { return FMicaEffect; }
    void SetMicaEffect(bool Value);
    bool SmokeEffect() const { return FSmokeEffect; }
    void SetSmokeEffect(bool Value);
    bool AllowThemeChangeAnimation() const { return FAllowThemeChangeAnim; }
    void SetAllowThemeChangeAnimation(bool Value) { FAllowThemeChangeAnim = Value; }
    bool FullScreen() const { return FFullScreen; }
    void SetFullScreen(bool Value);
    bool WindowUpdateLocked() const { return FWindowUpdateLock; }
    void SetWindowUpdateLocked(bool Value);
    // Whether the client-drawn title bar is used (Windows Vista and later).
    bool TitlebarEnabled() const { return FEnableTitlebar; }
    // The panel shown in the title bar; null when the title bar is not used.
    toolkit::TitleBarPanel* TitlebarPanel() const { return TTlCtrl; }
    LySmokeOverlay& SmokeOverlay() { return *Smoke; }
    // The theme cross-fade and the overlay's fade-out while they exist, so their steps can be
    // followed through their callbacks; null otherwise.
    TIntAni* ThemeFade() const { return ThemeAnimation.get(); }
    TIntAni* SmokeFade() const { return SmokeAnimation.get(); }

    bool IsResizable() const;
    // The height of the last title-bar panel among the child controls; 0 without one.
    int GetTitlebarHeight() const;

    bool IsContainer() const override { return true; }
    // Resolves the colours, cross-fades to the new background while shown, colours the title
    // bar, picks the tooltip style, raises OnThemeChange and, when asked, updates every
    // framework control the form owns.
    void UpdateTheme(bool UpdateChildren) override;
    TColor Background() const override { return FDrawColors->BackGround; }

    void Loaded() override;

    LyThemeChange OnThemeChange;
    LyFormProcedure OnMove;

  protected:
    // The framework's settings: font, translucency, overlay, title bar, theme.
    void InitForm();
    void DoShow() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void ApplyTitlebarColors(TColor Background, TColor Foreground);
    // Sets the form's colour and, with the title bar in use, the bar's colours.
    void PaintThemeColor(TColor Background, TColor Foreground);
    void StartThemeFade(TColor Old, TColor New, TColor Foreground);
    void AttachTitlebarPanel();

    std::unique_ptr<LyColorSets> FCustomColors;
    std::unique_ptr<LyColorSet> FDrawColors;
    bool FWindowUpdateLock = false;
    bool FFullScreen = false;
    RECT FRestoredPosition{};
    toolkit::BorderStyleKind FRestoredBorder = toolkit::BorderStyleKind::Sizeable;
    bool FMicaEffect = false;
    bool FSmokeEffect = false;
    bool FAllowThemeChangeAnim = true;
    bool FTitlebarInitialized = false;
    bool FEnableTitlebar = false;
    toolkit::TitleBarPanel* TTlCtrl = nullptr;
    // Made by this form (not read from its description).
    bool FOwnTitlebarPanel = false;
    std::unique_ptr<LySmokeOverlay> Smoke;
    std::unique_ptr<TIntAni> SmokeAnimation;
    // The cross-fade in progress; replacing or deleting it cancels it.
    std::unique_ptr<TIntAni> ThemeAnimation;
};

} // namespace lyra
