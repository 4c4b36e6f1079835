#include "toolkit/title_bar.h"

#include "toolkit/title_bar_panel.h"

namespace toolkit {

TitleBar::TitleBar() {
    Publish(L"Enabled", &TitleBar::Enabled, &TitleBar::SetEnabled);
    PublishReference(L"Control", &TitleBar::Control, &TitleBar::SetControl);
    Publish(L"Height", &TitleBar::Height, &TitleBar::SetHeight);
    Publish(L"SystemButtons", &TitleBar::SystemButtons, &TitleBar::SetSystemButtons);
    Publish(L"SystemColors", &TitleBar::SystemColors, &TitleBar::SetSystemColors);
    Publish(L"SystemHeight", &TitleBar::SystemHeight, &TitleBar::SetSystemHeight);
    Publish(L"ShowCaption", &TitleBar::ShowCaption, &TitleBar::SetShowCaption);
    PublishColor(L"BackgroundColor", &TitleBar::BackgroundColor, &TitleBar::SetBackgroundColor);
    PublishColor(L"ForegroundColor", &TitleBar::ForegroundColor, &TitleBar::SetForegroundColor);
    PublishColor(L"InactiveBackgroundColor", &TitleBar::InactiveBackgroundColor,
                 &TitleBar::SetInactiveBackgroundColor);
    PublishColor(L"InactiveForegroundColor", &TitleBar::InactiveForegroundColor,
                 &TitleBar::SetInactiveForegroundColor);
    PublishColor(L"ButtonBackgroundColor", &TitleBar::ButtonBackgroundColor,
                 &TitleBar::SetButtonBackgroundColor);
    PublishColor(L"ButtonForegroundColor", &TitleBar::ButtonForegroundColor,
                 &TitleBar::SetButtonForegroundColor);
    PublishColor(L"ButtonHoverBackgroundColor", &TitleBar::ButtonHoverBackgroundColor,
                 &TitleBar::SetButtonHoverBackgroundColor);
    PublishColor(L"ButtonHoverForegroundColor", &TitleBar::ButtonHoverForegroundColor,
                 &TitleBar::SetButtonHoverForegroundColor);
    PublishColor(L"ButtonPressedBackgroundColor", &TitleBar::ButtonPressedBackgroundColor,
                 &TitleBar::SetButtonPressedBackgroundColor);
    PublishColor(L"ButtonPressedForegroundColor", &TitleBar::ButtonPressedForegroundColor,
                 &TitleBar::SetButtonPressedForegroundColor);
    PublishColor(L"ButtonInactiveBackgroundColor", &TitleBar::ButtonInactiveBackgroundColor,
                 &TitleBar::SetButtonInactiveBackgroundColor);
    PublishColor(L"ButtonInactiveForegroundColor", &TitleBar::ButtonInactiveForegroundColor,
                 &TitleBar::SetButtonInactiveForegroundColor);
}

void TitleBar::SetControl(TitleBarPanel* panel) {
    Set(control_, panel);
}

} // namespace toolkit
