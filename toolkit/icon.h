#pragma once
// An icon picture that owns its HICON.
#include "toolkit/graphic.h"

#include <windows.h>

#include <cstdint>
#include <span>

namespace toolkit {

class Icon : public Graphic {
  public:
    Icon() = default;
    explicit Icon(HICON handle) : handle_(handle) {}
    ~Icon() override { Reset(); }

    HICON Handle() const { return handle_; }
    void Reset(HICON handle = nullptr) {
        if (handle_) DestroyIcon(handle_);
        handle_ = handle;
    }
    int Width() const override;
    int Height() const override;

    // Reads an .ico file, taking the image nearest to the system's icon size (or the given
    // size); throws Error when it is not one.
    void LoadFromBytes(std::span<const std::uint8_t> bytes, int preferredSize = 0);

    void Draw(Canvas& canvas, const RECT& rect, BYTE opacity) const override;
    // 32 bits with premultiplied alpha: from the icon's alpha channel, or from its mask.
    void AssignTo(Bitmap& target) const override;
    std::unique_ptr<Graphic> Clone() const override;

  private:
    HICON handle_ = nullptr;
};

} // namespace toolkit
