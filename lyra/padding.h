#pragma once
// The inner padding of a control: four sides in pixels.
#include "lyra/classes.h"

#include <windows.h>

#include <functional>

namespace lyra {

class LyPadding : public TAssignPersistent {
  public:
    explicit LyPadding(toolkit::Persistent* AOwner);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Right() const { return FRight; }
    int Bottom() const { return FBottom; }
    // Each setter stores the value (also an equal one), asks a framework owner to update its
    // theme, then raises OnChange.
    void SetLeft(int Value) { SetSide(FLeft, Value); }
    void SetTop(int Value) { SetSide(FTop, Value); }
    void SetRight(int Value) { SetSide(FRight, Value); }
    void SetBottom(int Value) { SetSide(FBottom, Value); }

    // The rectangle moved in by each side.
    RECT ApplyTo(RECT ARect) const;
    int PadWidth() const { return FLeft + FRight; }
    int PadHeight() const { return FTop + FBottom; }
    // Scales every side (truncating) without any notification.
    void ScaleChanged(float Scaling);

    std::function<void()> OnChange;

  private:
    void SetSide(int& Side, int Value);

    int FLeft = 0;
    int FTop = 0;
    int FRight = 0;
    int FBottom = 0;
};

} // namespace lyra
