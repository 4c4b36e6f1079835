#include "buffered_controls.h"

namespace test {

HostForm::HostForm(toolkit::TColor color) : toolkit::Form(nullptr) {
    SetBorderStyle(toolkit::BorderStyleKind::None);
    SetClientWidth(320);
    SetClientHeight(200);
    SetColor(color);
}

Swatch::Swatch(HostForm& host, RECT bounds, std::optional<toolkit::TColor> fill)
    : lyra::LyWindowsControl(&host), Fill(fill) {
    SetBoundsRect(bounds);
    SetParent(&host);
    SetColor(GetParentBackgroundColor(toolkit::clWhite));
}

void Swatch::PaintBuffer() {
    ++bufferPaints;
    PaintBackground();
    if (Fill) {
        Buffer().Brush().SetColor(*Fill);
        Buffer().FillRect({0, 0, Width(), Height()});
    }
    LyWindowsControl::PaintBuffer();
}

void Swatch::InteractionStateChanged(lyra::LyControlState state) {
    ++stateChanges;
    LyWindowsControl::InteractionStateChanged(state);
}

GraphicSwatch::GraphicSwatch(HostForm& host, RECT bounds, toolkit::TColor fill)
    : lyra::LyBufferGraphicControl(&host), Fill(fill) {
    SetBoundsRect(bounds);
    SetParent(&host);
}

void GraphicSwatch::PaintBuffer() {
    Buffer().Brush().SetColor(Fill);
    Buffer().FillRect({0, 0, Width(), Height()});
    LyBufferGraphicControl::PaintBuffer();
}

} // namespace test
