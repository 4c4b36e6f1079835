#pragma once
// The darkening veil a themed form lays over its client area while a modal dialog of the
// framework is up: a borderless black child form with layering. While it is meant to be
// shown it refuses to close, Alt+F4 included.
#include "toolkit/form.h"

#include <functional>

namespace lyra {

class LySmokeOverlay : public toolkit::Form {
  public:
    // Covers host's client area; Refusing tells whether it must stay.
    LySmokeOverlay(toolkit::WinControl& host, std::function<bool()> Refusing);

    bool CloseQuery() override;

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    std::function<bool()> FRefusing;
};

} // namespace lyra
