#pragma once
// Owner for a COM interface pointer.
namespace vel {

// Releases the interface when it goes; Out() hands its slot to a creating call.
template <class T> class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return p_; }
    T** Out() { return &p_; }
    explicit operator bool() const { return p_ != nullptr; }

  private:
    T* p_ = nullptr;
};

} // namespace vel
