#pragma once
// An icon picture that owns its HICON.
#include <windows.h>

namespace toolkit {

class Icon {
  public:
    Icon() = default;
    explicit Icon(HICON handle) : handle_(handle) {}
    ~Icon() { Reset(); }
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    HICON Handle() const { return handle_; }
    bool Empty() const { return handle_ == nullptr; }
    void Reset(HICON handle = nullptr) {
        if (handle_) DestroyIcon(handle_);
        handle_ = handle;
    }
    int Width() const;
    int Height() const;

    // Drawn with its own mask rather than as an opaque square.
    bool Transparent = false;

  private:
    HICON handle_ = nullptr;
};

} // namespace toolkit
