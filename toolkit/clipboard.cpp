#include "toolkit/clipboard.h"

#include "toolkit/error.h"

#include <windows.h>

#include <cstring>

namespace toolkit {

namespace {
// Another program may hold the clipboard for a moment: try a few times, then give up.
class OpenClipboardScope {
  public:
    OpenClipboardScope() {
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = OpenClipboard(nullptr) != FALSE;
            if (!open_) Sleep(10);
        }
        if (!open_) throw Error(L"Cannot open clipboard");
    }
    ~OpenClipboardScope() { CloseClipboard(); }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;

  private:
    bool open_ = false;
};

// Global memory until the clipboard takes it over.
class GlobalMemory {
  public:
    explicit GlobalMemory(std::size_t bytes) : handle_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (!handle_) throw Error(L"Out of memory for the clipboard");
    }
    ~GlobalMemory() {
        if (handle_) GlobalFree(handle_);
    }
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    HGLOBAL Get() const { return handle_; }
    HGLOBAL Release() {
        HGLOBAL handle = handle_;
        handle_ = nullptr;
        return handle;
    }

  private:
    HGLOBAL handle_;
};
} // namespace

void Clipboard::SetText(const std::wstring& text) {
    GlobalMemory memory((text.size() + 1) * sizeof(wchar_t));
    void* target = GlobalLock(memory.Get());
    std::memcpy(target, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory.Get());
    OpenClipboardScope open;
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, memory.Get())) throw Error(L"Cannot set clipboard data");
    memory.Release(); // the clipboard owns it now
}

std::wstring Clipboard::Text() {
    OpenClipboardScope open;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) return {};
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (!text) return {};
    // The block may be larger than the text; stop at the terminator within it.
    std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    std::wstring result(text, wcsnlen(text, capacity));
    GlobalUnlock(data);
    return result;
}

bool Clipboard::HasText() {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
}

} // namespace toolkit
