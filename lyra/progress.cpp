#include "lyra/progress.h"

#include "lyra/colors.h"
#include "lyra/gdi_shapes.h"
#include "lyra/theme_manager.h"
#include "toolkit/thread.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

namespace lyra {

// Slides the bar from the previous value to Value in 25 steps of 10 ms; a new Value set
// meanwhile restarts the slide from the previous target.
class LyProgress::ValueSlide : public toolkit::Thread {
  public:
    explicit ValueSlide(LyProgress& control) : FControl(control), FTarget(control.FValue) {
        SetPriority(toolkit::ThreadPriority::Lowest);
    }
    // The bar shows the last value set and the worker is on its way out.
    bool AtRest() const { return FAtRest; }

  protected:
    void Execute() override {
        LyProgress& c = FControl;
        while (!Terminated()) {
            while (c.FProgressPos < 25 && !Terminated()) {
                c.FValueAdd = float(25 - c.FProgressPos) / 25 * c.FValueAddMax;
                if (!SynchronizeOwn([&c] { c.Relayout(); })) return;
                ++c.FProgressPos;
                Sleep(10);
                (void)Retarget();
            }
            if (!SynchronizeOwn([this] { Settle(); }) || FAtRest) return;
        }
    }

  private:
    // Turns the slide toward a Value set since the last look, from the previous target.
    bool Retarget() {
        LyProgress& c = FControl;
        const float value = c.FValue;
        if (value == FTarget) return false;
        const float from = FTarget;
        FTarget = value;
        c.FValueAdd = c.FValueAddMax = from - FTarget;
        c.FProgressPos = 0;
        return true;
    }
    // The last step, on the window thread. A value set up to its end (even by its own
    // repaint) still turns the slide; once at rest Sliding() is false, so the next value
    // starts a new slide and none is lost while this worker winds down.
    void Settle() {
        const bool turned = Retarget();
        if (!turned) FControl.FValueAdd = 0;
        FControl.Relayout();
        FAtRest = !turned && !Retarget();
    }

    LyProgress& FControl;
    float FTarget;
    bool FAtRest = false; // written on the window thread, read by the worker after Settle
};

// Runs the indeterminate segment across the track: a third of the width, then 1 / 2.2 of it,
// then all of it, each entering from the left, until the kind changes.
class LyProgress::SegmentRun : public toolkit::Thread {
  public:
    explicit SegmentRun(LyProgress& control) : FControl(control) {
        SetPriority(toolkit::ThreadPriority::Lowest);
    }

  protected:
    void Execute() override {
        LyProgress& c = FControl;
        while (c.FThreadActive && !Terminated()) {
            const int width = c.FTrackWidth;
            static constexpr int kDivisors[] = {30, 20, 25};
            // At least a pixel a step, so a narrow bar still moves.
            c.FOffset += std::max(1, width / kDivisors[c.FLengthState]);
            const bool restart = c.FOffset >= width;
            if (restart) c.FLengthState = (c.FLengthState + 1) % 3;
            switch (c.FLengthState) {
            case 0:
                c.FInterSize = int(std::ceil(width / 3.0));
                break;
            case 1:
                c.FInterSize = int(std::ceil(width / 2.2));
                break;
            default:
                c.FInterSize = width;
                break;
            }
            if (restart) c.FOffset = -c.FInterSize;
            if (!SynchronizeOwn([&c] { c.Relayout(); })) return;
            Sleep(10);
        }
    }

  private:
    LyProgress& FControl;
};

const toolkit::EnumNames<LyProgressKind>& LyProgressKindNames() {
    static const toolkit::EnumNames<LyProgressKind> names = {
        {L"Normal", LyProgressKind::Normal},
        {L"Intermediate", LyProgressKind::Intermediate},
        {L"Paused", LyProgressKind::Paused},
        {L"Error", LyProgressKind::Error}};
    return names;
}

LyProgress::LyProgress(toolkit::Component* AOwner)
    : LyWindowsControl(AOwner), FCustomColors(std::make_unique<LyCompleteColorSets>(this)),
      FCustomOtherColors(std::make_unique<LyColorSets>(this)),
      FDrawColors(std::make_unique<LyCompleteColorSet>()),
      FOtherColors(std::make_unique<LyColorSet>()) {
    SetTabStop(false);
    SetAutoFocusLine(true);
    SetBounds(Left(), Top(), 200, 20);
    PublishObject(L"CustomColors", *FCustomColors);
    PublishObject(L"CustomOtherColors", *FCustomOtherColors);
    Publish<double>(
        L"Value", [this] { return double(Value()); },
        [this](const double& value) { SetValue(float(value)); });
    Publish(L"Animations", &LyProgress::Animations, &LyProgress::SetAnimations);
    PublishEnum(L"ProgressKind", &LyProgress::ProgressKind, &LyProgress::SetProgressKind,
                LyProgressKindNames());
    Publish(L"ProgressHeight", &LyProgress::ProgressHeight, &LyProgress::SetProgressHeight);
    Publish(L"ProgressLineHeight", &LyProgress::ProgressLineHeight,
            &LyProgress::SetProgressLineHeight);
    UpdateColors();
    UpdateRects();
}

LyProgress::~LyProgress() {
    // The workers' pending repaints see the control going and do nothing.
    MarkDestroying();
    FProgressPos = 25;
    FThreadActive = false;
    for (toolkit::Thread* worker : {static_cast<toolkit::Thread*>(FProgressThread.get()),
                                    static_cast<toolkit::Thread*>(FAnimateThread.get())}) {
        if (!worker) continue;
        worker->Terminate();
        worker->WaitFor();
    }
}

void LyProgress::SetValue(float AValue) {
    const float previous = FValue;
    if (AValue == previous) return;
    FValue = AValue;
    // A slide under way keeps the bar where it is until it turns toward the new value.
    if (Sliding()) FValueAdd = FValueAdd + (previous - AValue);
    if (FAnimations && !Loading()) AnimateValue(previous);
    UpdateRects();
    Invalidate();
}

void LyProgress::SetProgressKind(LyProgressKind Value) {
    if (Value == FProgressKind) return;
    FProgressKind = Value;
    SetAnimationThread(Value == LyProgressKind::Intermediate);
    UpdateRects();
    Invalidate();
}

void LyProgress::SetProgressHeight(int Value) {
    if (Value == FProgressHeight) return;
    FProgressHeight = Value;
    UpdateRects();
    Invalidate();
}

void LyProgress::SetProgressLineHeight(int Value) {
    if (Value == FProgressLineHeight) return;
    FProgressLineHeight = Value;
    UpdateRects();
    Invalidate();
}

void LyProgress::Reset() {
    UpdateRects();
    Invalidate();
}

bool LyProgress::Sliding() const {
    return FProgressThread && !FProgressThread->AtRest() && !FProgressThread->Finished();
}

bool LyProgress::SegmentRunning() const {
    return FAnimateThread && !FAnimateThread->Finished();
}

void LyProgress::UpdateTheme(bool) {
    UpdateColors();
    UpdateRects();
    Invalidate();
}

void LyProgress::UpdateColors() {
    const LyThemeManager& manager = ThemeManager();
    const bool dark = manager.DarkTheme();
    FDrawColors->Assign(manager.SystemColor);
    if (!Enabled()) {
        FDrawColors->ForeGround = MakeColor(128, 128, 128);
    } else {
        if (FCustomColors->Enabled()) {
            FDrawColors->LoadFrom(*FCustomColors, dark);
        } else {
            FDrawColors->LoadFrom(manager.SystemColorSet, dark);
            FDrawColors->BackGroundInterior =
                dark ? MakeColor(251, 251, 251) : MakeColor(43, 43, 43);
            FDrawColors->BackGround = GetParentBackgroundColor(FDrawColors->BackGround);
        }
        if (FCustomOtherColors->Enabled()) {
            FOtherColors->LoadFrom(*FCustomOtherColors, dark);
        } else {
            FOtherColors->BackGround = dark ? MakeColor(255, 153, 164) : MakeColor(196, 43, 28);
            FOtherColors->ForeGround = dark ? MakeColor(252, 225, 0) : MakeColor(157, 93, 0);
        }
    }
    SetColor(FDrawColors->BackGround);
}

void LyProgress::UpdateRects() {
    DrawRect = PaddedClientRect();
    FTrackWidth = DrawRect.right - DrawRect.left;
    const LONG height = DrawRect.bottom - DrawRect.top;
    const LONG width = DrawRect.right - DrawRect.left - 1;
    const auto band = [&](int bandHeight) {
        const LONG top = DrawRect.top + (height - bandHeight) / 2;
        return RECT{DrawRect.left, top, DrawRect.left + width, top + bandHeight};
    };
    FFilledRect = band(FProgressHeight);
    FFilledRect.right =
        FFilledRect.left + LONG(std::lrint((FValue + FValueAdd) / 100.0f * float(width)));
    FLineRect = band(FProgressLineHeight);
    if (FProgressKind == LyProgressKind::Intermediate) {
        FFilledRect.left += FOffset;
        FFilledRect.right = FFilledRect.left + FInterSize;
    }
}

TColor LyProgress::BarColor() const {
    switch (FProgressKind) {
    case LyProgressKind::Paused:
        return FOtherColors->ForeGround;
    case LyProgressKind::Error:
        return FOtherColors->BackGround;
    case LyProgressKind::Normal:
    case LyProgressKind::Intermediate:
        break;
    }
    return FDrawColors->Accent;
}

void LyProgress::PaintBuffer() {
    PaintBackground();
    const auto pill = [this](const RECT& rect, TColor color) {
        const Gdiplus::SolidBrush brush(Gdiplus::Color(MakeGPColor(ResolveColor(color))));
        const int round = rect.bottom - rect.top;
        GDIRoundRect(Buffer(), TRoundRect(rect, round), &brush, nullptr);
    };
    if (FProgressKind != LyProgressKind::Intermediate)
        pill(FLineRect, FDrawColors->BackGroundInterior);
    pill(FFilledRect, BarColor());
    LyWindowsControl::PaintBuffer();
}

void LyProgress::InteractionStateChanged(LyControlState AState) {
    LyWindowsControl::InteractionStateChanged(AState);
    Invalidate();
}

void LyProgress::Resize() {
    LyWindowsControl::Resize();
    UpdateRects();
    Invalidate();
}

void LyProgress::AnimateValue(float From) {
    if (Sliding()) return;
    FValueAdd = FValueAddMax = From - FValue;
    FProgressPos = 0;
    if (FProgressThread) FProgressThread->WaitFor();
    FProgressThread = std::make_unique<ValueSlide>(*this);
    FProgressThread->Start();
}

void LyProgress::SetAnimationThread(bool Active) {
    if (Active == FThreadActive) return;
    FThreadActive = Active;
    if (Active) {
        FOffset = 0;
        FValueAdd = 0;
        if (FAnimateThread) FAnimateThread->WaitFor();
        FAnimateThread = std::make_unique<SegmentRun>(*this);
        FAnimateThread->Start();
    } else if (FAnimateThread) {
        FAnimateThread->Terminate();
        FAnimateThread->WaitFor();
    }
}

void LyProgress::Relayout() {
    if (Destroying()) return;
    UpdateRects();
    Invalidate();
}

} // namespace lyra
