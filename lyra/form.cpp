#include "lyra/form.h"

#include "lyra/colors.h"
#include "lyra/tooltip.h"
#include "toolkit/application.h"
#include "toolkit/screen.h"
#include "vel/paths.h"

namespace lyra {

namespace {
// Frosted glass inside a panel moves with the form too, so the news goes down the whole tree.
void BroadcastToDescendants(toolkit::WinControl& parent, UINT message, LPARAM form) {
    for (int index = 0; index < parent.ControlCount(); ++index) {
        toolkit::Control* child = parent.Controls(index);
        child->Perform(message, 0, form);
        auto* container = dynamic_cast<toolkit::WinControl*>(child);
        if (container && !dynamic_cast<toolkit::Form*>(child))
            BroadcastToDescendants(*container, message, form);
    }
}
} // namespace

LyForm::LyForm(toolkit::Component* aOwner)
    : toolkit::Form(aOwner), FCustomColors(std::make_unique<LyColorSets>(this, false)),
      FDrawColors(
          std::make_unique<LyColorSet>(ThemeManager().SystemColorSet, ThemeManager().DarkTheme())) {
    PublishObject(L"CustomColors", *FCustomColors);
    Publish(L"MicaEffect", &LyForm::MicaEffect, &LyForm::SetMicaEffect);
    Publish(L"SmokeEffect", &LyForm::SmokeEffect, &LyForm::SetSmokeEffect);
    Publish(L"AllowThemeChangeAnimation", &LyForm::AllowThemeChangeAnimation,
            &LyForm::SetAllowThemeChangeAnimation);
    Publish(L"FullScreen", &LyForm::FullScreen, &LyForm::SetFullScreen);
    Publish(L"WindowUpdateLocked", &LyForm::WindowUpdateLocked, &LyForm::SetWindowUpdateLocked);
    PublishEvent(L"OnMove", OnMove);
    PublishEvent(L"OnThemeChange", OnThemeChange);
    InitForm();
}

LyForm::~LyForm() {
    MarkDestroying();
    ThemeAnimation.reset();
    SmokeAnimation.reset();
    Smoke.reset();
    if (FWindowUpdateLock) UnlockWindowUpdate();
}

void LyForm::Loaded() {
    toolkit::Form::Loaded();
    // The description may bring its own title-bar panel: it replaces the one made here.
    if (FOwnTitlebarPanel) {
        for (int index = 0; index < ControlCount(); ++index) {
            auto* panel = dynamic_cast<toolkit::TitleBarPanel*>(Controls(index));
            if (!panel || panel == TTlCtrl) continue;
            if (CustomTitleBar().Control() == TTlCtrl) CustomTitleBar().SetControl(nullptr);
            delete TTlCtrl;
            TTlCtrl = nullptr;
            FOwnTitlebarPanel = false;
            break;
        }
    }
    InitForm();
}

void LyForm::InitForm() {
    Font().SetName(ThemeManager().FormFont());
    Font().SetHeight(ThemeManager().FormFontHeight());
    SetMicaEffect(true);
    if (!Smoke) Smoke = std::make_unique<LySmokeOverlay>(*this, [this] { return FSmokeEffect; });
    FAllowThemeChangeAnim = true;
    FTitlebarInitialized = false;
    FEnableTitlebar = vel::GetWindowsVersionNumber() >= 6.0f;
    if (FEnableTitlebar)
        AttachTitlebarPanel();
    else
        FTitlebarInitialized = true;
    UpdateTheme(true);
}

void LyForm::AttachTitlebarPanel() {
    if (!TTlCtrl) {
        for (int index = 0; index < ControlCount() && !TTlCtrl; ++index)
            TTlCtrl = dynamic_cast<toolkit::TitleBarPanel*>(Controls(index));
    }
    if (!TTlCtrl) {
        TTlCtrl = new toolkit::TitleBarPanel(this);
        TTlCtrl->SetParent(this);
        FOwnTitlebarPanel = true;
    }
    if (!CustomTitleBar().Control()) CustomTitleBar().SetControl(TTlCtrl);
}

void LyForm::DoShow() {
    toolkit::Form::DoShow();
    if (FTitlebarInitialized) return;
    toolkit::TitleBar& bar = CustomTitleBar();
    bar.SetEnabled(true);
    bar.SetSystemButtons(false);
    bar.SetSystemColors(false);
    bar.SetSystemHeight(false);
    bar.SetHeight(TTlCtrl->Height());
    bar.SetControl(TTlCtrl);
    FTitlebarInitialized = true;
    UpdateTheme(false);
}

bool LyForm::IsResizable() const {
    return BorderStyle() == toolkit::BorderStyleKind::Sizeable ||
           BorderStyle() == toolkit::BorderStyleKind::SizeToolWin;
}

int LyForm::GetTitlebarHeight() const {
    int height = 0;
    for (int index = 0; index < ControlCount(); ++index)
        if (auto* panel = dynamic_cast<toolkit::TitleBarPanel*>(Controls(index)))
            height = panel->Height();
    return height;
}

void LyForm::UpdateTheme(bool UpdateChildren) {
    LockWindowUpdate();
    LyThemeManager& manager = ThemeManager();
    TColor background = manager.SystemColor.BackGround;
    TColor foreground = manager.SystemColor.ForeGround;
    if (FCustomColors->Enabled()) {
        background = GetThemeColor(*FCustomColors, LyColorKind::BackGround);
        foreground = GetThemeColor(*FCustomColors, LyColorKind::ForeGround);
    }
    FDrawColors->BackGround = background;
    FDrawColors->ForeGround = foreground;

    const TColor old = Color();
    if (Visible() && FAllowThemeChangeAnim && old != background)
        StartThemeFade(old, background, foreground);
    else
        PaintThemeColor(background, foreground);

    if (manager.DarkTheme())
        toolkit::Application::Instance().Hints().SetWindowClass<LyDarkTooltip>();
    else
        toolkit::Application::Instance().Hints().SetWindowClass<LyLightTooltip>();
    Font().SetColor(foreground);
    if (OnThemeChange)
        OnThemeChange(this, old == background ? LyThemeType::Redraw : LyThemeType::AppTheme,
                      manager.DarkTheme(), manager.AccentColor());
    if (UpdateChildren) {
        for (int index = 0; index < ComponentCount(); ++index)
            if (auto* control = dynamic_cast<LyControl*>(Components(index)))
                control->UpdateTheme(UpdateChildren);
    }
    // The fade's steps lock and release the window themselves.
    UnlockWindowUpdate();
}

void LyForm::StartThemeFade(TColor Old, TColor New, TColor Foreground) {
    // A fade still running is cancelled: the new one starts from where it got to.
    ThemeAnimation = std::make_unique<TIntAni>(
        false, akIn, afkLinear, 25, 100,
        [this, Old, New, Foreground](int32_t value) {
            LockWindowUpdate();
            PaintThemeColor(ColorBlend(Old, New, value), Foreground);
            Invalidate();
            UnlockWindowUpdate();
        },
        [this, New, Foreground] { PaintThemeColor(New, Foreground); });
    ThemeAnimation->Duration = 200;
    ThemeAnimation->Step = 6;
    ThemeAnimation->Start();
}

void LyForm::PaintThemeColor(TColor Background, TColor Foreground) {
    SetColor(Background);
    if (FEnableTitlebar) ApplyTitlebarColors(Background, Foreground);
}

void LyForm::ApplyTitlebarColors(TColor Background, TColor Foreground) {
    const int s = ColorBrightness(Background) < 100 ? 30 : -30;
    const int t = ColorBrightness(Foreground) < 100 ? 30 : -30;
    const int h = t / 2;
    toolkit::TitleBar& bar = CustomTitleBar();
    bar.SetBackgroundColor(Background);
    bar.SetInactiveBackgroundColor(Background);
    bar.SetButtonBackgroundColor(Background);
    bar.SetButtonInactiveBackgroundColor(Background);
    bar.SetButtonHoverBackgroundColor(ChangeColorLight(Background, h));
    bar.SetButtonPressedBackgroundColor(ChangeColorLight(Background, s));
    bar.SetForegroundColor(Foreground);
    bar.SetButtonForegroundColor(Foreground);
    bar.SetButtonHoverForegroundColor(ChangeColorLight(Foreground, h));
    const TColor dimmed = ChangeColorLight(Foreground, t);
    bar.SetInactiveForegroundColor(dimmed);
    bar.SetButtonInactiveForegroundColor(dimmed);
    bar.SetButtonPressedForegroundColor(dimmed);
}

void LyForm::SetSmokeEffect(bool Value) {
    FSmokeEffect = Value;
    if (SmokeAnimation && SmokeAnimation->Running()) {
        SmokeAnimation->Terminate();
        SmokeAnimation->WaitFor();
    }
    if (Value) {
        Smoke->SetAlphaBlendValue(150);
        Smoke->BringToFront();
        Smoke->Show();
        return;
    }
    SmokeAnimation.reset();
    const int alpha = Smoke->AlphaBlendValue();
    SmokeAnimation = std::make_unique<TIntAni>(
        false, akIn, afkLinear, alpha, -alpha,
        [this](int32_t value) { Smoke->SetAlphaBlendValue(value); }, [this] { Smoke->Hide(); });
    SmokeAnimation->Duration = 100;
    SmokeAnimation->Start();
}

void LyForm::SetMicaEffect(bool Value) {
    FMicaEffect = Value;
    SetAlphaBlendValue(251);
    SetAlphaBlend(Value);
}

void LyForm::SetFullScreen(bool Value) {
    if (Value == FFullScreen) return;
    FFullScreen = Value;
    if (Value) {
        FRestoredPosition = BoundsRect();
        FRestoredBorder = BorderStyle();
        CustomTitleBar().SetEnabled(false);
        SetBorderStyle(toolkit::BorderStyleKind::None);
        const HWND window = HandleAllocated() ? ExistingHandle() : nullptr;
        SetBoundsRect(toolkit::Screen::Instance().MonitorFromWindow(window).bounds);
    } else {
        if (FEnableTitlebar) CustomTitleBar().SetEnabled(true);
        SetBorderStyle(FRestoredBorder);
        SetBoundsRect(FRestoredPosition);
    }
}

void LyForm::SetWindowUpdateLocked(bool Value) {
    if (Value == FWindowUpdateLock) return;
    FWindowUpdateLock = Value;
    if (Value)
        LockWindowUpdate();
    else
        UnlockWindowUpdate();
}

LRESULT LyForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE: {
        const LRESULT result = toolkit::Form::WndProc(message, wParam, lParam);
        if (FSmokeEffect && LOWORD(wParam) != WA_INACTIVE) Smoke->SetFocus();
        return result;
    }
    case WM_DWMCOLORIZATIONCOLORCHANGED:
        ThemeManager().MeasuredUpdateSettings();
        UpdateTheme(true);
        break;
    case WM_GETMINMAXINFO:
        if (FSmokeEffect) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = info->ptMaxTrackSize = {Width(), Height()};
            return 0;
        }
        break;
    case WM_MOVE: {
        const LRESULT result = toolkit::Form::WndProc(message, wParam, lParam);
        if (OnMove) OnMove(this);
        BroadcastToDescendants(*this, WM_LY_FORM_MOVED, reinterpret_cast<LPARAM>(this));
        return result;
    }
    case WM_SIZE: {
        const LRESULT result = toolkit::Form::WndProc(message, wParam, lParam);
        BroadcastToDescendants(*this, WM_LY_FORM_RESIZED, reinterpret_cast<LPARAM>(this));
        return result;
    }
    default:
        break;
    }
    return toolkit::Form::WndProc(message, wParam, lParam);
}

} // namespace lyra
