#pragma once
// A GIF picture decoded with giflib: every frame composed as a browser shows it (disposal,
// transparency, local palettes), its delay, and the loop count. It can animate itself: each
// new frame raises OnChange, so whoever shows it repaints.
#include "toolkit/bitmap.h"
#include "toolkit/graphic.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace toolkit {

class GifImage : public Graphic {
  public:
    GifImage() = default;
    ~GifImage() override;
    // Throws Error with giflib's reason when the bytes are not a readable GIF.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int FrameCount() const { return int(frames_.size()); }
    // Frame as shown: 32 bits, premultiplied alpha (transparent where nothing was drawn).
    const Bitmap& Frame(int index) const { return *frames_.at(index).bitmap; }
    // Milliseconds the frame stays, as stored in the file.
    int FrameDelay(int index) const { return frames_.at(index).delay; }
    // How many times the animation plays, as stored: 0 for ever; 1 when the file names no
    // loop count.
    int LoopCount() const { return loopCount_; }

    int CurrentFrame() const { return current_; }
    void SetCurrentFrame(int index);
    bool Animate() const { return animate_; }
    void SetAnimate(bool animate);
    // Percent of the stored delays' pace (200 plays twice as fast), 0 to 1000.
    int AnimationSpeed() const { return speed_; }
    void SetAnimationSpeed(int percent);
    // Repeat forever whatever the file's loop count says.
    bool LoopForever() const { return loopForever_; }
    void SetLoopForever(bool value) { loopForever_ = value; }

    void Draw(Canvas& canvas, const RECT& rect, BYTE opacity) const override;
    void AssignTo(Bitmap& target) const override;
    std::unique_ptr<Graphic> Clone() const override;

  private:
    struct FrameData {
        std::shared_ptr<Bitmap> bitmap; // shared between clones, never changed once made
        int delay = 0;
    };
    void ScheduleNextFrame();
    void NextFrame();
    void StopTimer();

    int width_ = 0;
    int height_ = 0;
    std::vector<FrameData> frames_;
    int loopCount_ = 1;
    int current_ = 0;
    int loopsDone_ = 0;
    bool animate_ = false;
    int speed_ = 100;
    bool loopForever_ = false;
    UINT_PTR timer_ = 0;
};

} // namespace toolkit
