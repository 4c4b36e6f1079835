#pragma once
// A picture of some kind (bitmap, icon, PNG, GIF, JPEG) that can draw itself.
#include <windows.h>

#include <functional>
#include <memory>

namespace toolkit {

class Bitmap;
class Canvas;

class Graphic {
  public:
    Graphic() = default;
    virtual ~Graphic() = default;
    Graphic(const Graphic&) = delete;
    Graphic& operator=(const Graphic&) = delete;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }

    // Draws the picture scaled into rect with a constant opacity (255 = opaque).
    virtual void Draw(Canvas& canvas, const RECT& rect, BYTE opacity) const = 0;
    // Makes target a copy of this picture: 32 bits with premultiplied alpha where the
    // picture has transparency, else 24 bits.
    virtual void AssignTo(Bitmap& target) const = 0;
    virtual std::unique_ptr<Graphic> Clone() const = 0;

    // Drawn with its own transparency (mask, alpha or transparent colour) rather than as an
    // opaque rectangle.
    bool Transparent = false;
    // Raised when the picture changes by itself, as an animated GIF does for every frame.
    std::function<void()> OnChange;

  protected:
    void Changed() const {
        if (OnChange) OnChange();
    }
};

} // namespace toolkit
