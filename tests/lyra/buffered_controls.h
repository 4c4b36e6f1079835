#pragma once
// Framework controls for the control-base tests: a windowed swatch and a window-less one that
// fill their buffer with a colour and count what the bases call, and a form that is a
// framework container.
#include "lyra/buffer_graphic_control.h"
#include "lyra/control_interface.h"
#include "lyra/windows_control.h"
#include "toolkit/form.h"

#include <optional>

namespace test {

class HostForm : public toolkit::Form, public lyra::LyControl {
  public:
    explicit HostForm(toolkit::TColor color);
    bool IsContainer() const override { return true; }
    void UpdateTheme(bool) override {}
    lyra::TColor Background() const override { return Color(); }
};

// Draws its composed background, then Fill over its whole area when set.
class Swatch : public lyra::LyWindowsControl, public lyra::LyControl {
  public:
    Swatch(HostForm& host, RECT bounds, std::optional<toolkit::TColor> fill);
    bool IsContainer() const override { return false; }
    void UpdateTheme(bool) override { ++themeUpdates; }
    lyra::TColor Background() const override { return Color(); }

    std::optional<toolkit::TColor> Fill;
    int bufferPaints = 0;
    int stateChanges = 0;
    int themeUpdates = 0;

  protected:
    void PaintBuffer() override;
    void InteractionStateChanged(lyra::LyControlState state) override;
};

class GraphicSwatch : public lyra::LyBufferGraphicControl {
  public:
    GraphicSwatch(HostForm& host, RECT bounds, toolkit::TColor fill);
    toolkit::TColor Fill;

  protected:
    void PaintBuffer() override;
};

} // namespace test
