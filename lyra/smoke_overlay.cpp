#include "lyra/smoke_overlay.h"

#include <utility>

namespace lyra {

LySmokeOverlay::LySmokeOverlay(toolkit::WinControl& host, std::function<bool()> Refusing)
    : toolkit::Form(nullptr), FRefusing(std::move(Refusing)) {
    SetVisible(false);
    SetPosition(toolkit::PositionKind::Designed);
    SetBorderStyle(toolkit::BorderStyleKind::None);
    SetBorderIcons({});
    SetCaption(L"");
    SetAlphaBlend(true);
    SetAlphaBlendValue(150);
    SetColor(toolkit::clBlack);
    SetParent(&host);
    SetWindowState(toolkit::WindowStateKind::Maximized);
}

bool LySmokeOverlay::CloseQuery() {
    return !FRefusing() && toolkit::Form::CloseQuery();
}

LRESULT LySmokeOverlay::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A child window hands Alt+F4 on to its top-level window, which would close the form
    // under the veil.
    const bool closeKey = message == WM_SYSKEYDOWN && wParam == VK_F4;
    const bool closeCommand = message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE;
    if ((closeKey || closeCommand) && FRefusing()) return 0;
    return toolkit::Form::WndProc(message, wParam, lParam);
}

} // namespace lyra
