#include "tests/support/wizard_driver.h"

#include <gtest/gtest.h>
#include <png.h>

#include "tests/support/picture_encoders.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "tests/support/support.h"
#include "tests/support/windows.h"

namespace test {

namespace {

bool Visible(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

struct ChildSearch {
    const std::wstring* text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (!Visible(child) || WindowText(child) != *search->text) return TRUE;
    // Hidden parents hide the child although its own style says visible.
    for (HWND up = GetParent(child); up; up = GetParent(up))
        if (!Visible(up)) return TRUE;
    search->found = child;
    return FALSE;
}

struct TopSearch {
    DWORD pid;
    const std::wstring* prefix;
    bool exact;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTop(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TopSearch*>(param);
    if (!Visible(window)) return TRUE;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->pid) return TRUE;
    const std::wstring text = WindowText(window);
    if (search->exact ? text != *search->prefix : text.rfind(*search->prefix, 0) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindTop(DWORD pid, const std::wstring& text, bool exact, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(timeoutMs, [&] {
        TopSearch search{pid, &text, exact};
        EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
        found = search.found;
        return found != nullptr;
    });
    return found;
}

} // namespace

std::wstring WindowText(HWND window) {
    wchar_t text[1024];
    int n = GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return std::wstring(text, static_cast<size_t>(std::max(n, 0)));
}

HWND WaitForWizard(DWORD pid, DWORD timeoutMs) {
    return WaitForWizardCaption(pid, L"Quillpad Studio Installer", timeoutMs);
}

HWND WaitForWizardCaption(DWORD pid, const std::wstring& caption, DWORD timeoutMs) {
    return FindTop(pid, caption, false, timeoutMs);
}

HWND FindControl(HWND top, const std::wstring& text) {
    ChildSearch search{&text};
    EnumChildWindows(top, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForControl(HWND top, const std::wstring& text, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(timeoutMs, [&] { return (found = FindControl(top, text)) != nullptr; });
    return found;
}

bool WaitForControlGone(HWND top, const std::wstring& text, DWORD timeoutMs) {
    return WaitUntil(timeoutMs, [&] { return FindControl(top, text) == nullptr; });
}

void ClickControl(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    const LPARAM at = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
    PostMessageW(control, WM_MOUSEMOVE, 0, at);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
}

bool ClickText(HWND top, const std::wstring& text) {
    HWND control = WaitForControl(top, text);
    if (!control) return false;
    ClickControl(control);
    return true;
}

HWND FocusedWindow(HWND top) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void PressKeyIn(HWND top, WORD key, bool shift) {
    HWND focus = FocusedWindow(top);
    if (!focus) focus = top;
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (LPARAM(scan) << 16), up = down | (LPARAM(3) << 30);
    // The receiving thread reads Shift from its own key state, which posted messages do not
    // change: the thread is told of Shift through its own queue first.
    if (shift) PostMessageW(focus, WM_KEYDOWN, VK_SHIFT, 1);
    // The receiving loop's TranslateMessage makes the character message, as for a real key.
    PostMessageW(focus, WM_KEYDOWN, key, down);
    PostMessageW(focus, WM_KEYUP, key, up);
    if (shift) PostMessageW(focus, WM_KEYUP, VK_SHIFT, LPARAM(3) << 30 | 1);
}

void TypeIn(HWND top, const std::wstring& text) {
    HWND focus = FocusedWindow(top);
    for (wchar_t c : text) PostMessageW(focus ? focus : top, WM_CHAR, c, 1);
}

HWND WaitForMessage(DWORD pid, const std::wstring& title, DWORD timeoutMs) {
    return FindTop(pid, title, true, timeoutMs);
}

std::vector<std::wstring> MessageTexts(HWND message) {
    struct Item {
        int top;
        std::wstring text;
    };
    std::vector<Item> items;
    EnumChildWindows(
        message,
        [](HWND child, LPARAM param) -> BOOL {
            if (!IsWindowVisible(child)) return TRUE;
            const std::wstring text = WindowText(child);
            if (text.empty()) return TRUE;
            RECT r{};
            GetWindowRect(child, &r);
            reinterpret_cast<std::vector<Item>*>(param)->push_back({int(r.top), text});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&items));
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.top < b.top; });
    std::vector<std::wstring> texts;
    for (const Item& item : items) texts.push_back(item.text);
    return texts;
}

bool MessageSays(HWND message, const std::wstring& text) {
    const std::vector<std::wstring> texts = MessageTexts(message);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool AnswerMessage(HWND message, const std::wstring& button) {
    HWND control = WaitForControl(message, button, 5000);
    if (!control) return false;
    ClickControl(control);
    return WaitUntil(10000, [&] { return !IsWindow(message) || !Visible(message); });
}

bool SaveScreenCapture(const std::wstring& path) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return SaveScreenArea({left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                           top + GetSystemMetrics(SM_CYVIRTUALSCREEN)},
                          path);
}

bool SaveScreenArea(const RECT& area, const std::wstring& path) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    PngPicture picture;
    picture.width = width;
    picture.height = height;
    picture.colorType = PNG_COLOR_TYPE_RGB;
    picture.rows.reserve(size_t(width) * height * 3);
    const auto* pixels = static_cast<const std::uint8_t*>(bits);
    for (size_t i = 0; i < size_t(width) * height; ++i) {
        picture.rows.push_back(pixels[i * 4 + 2]);
        picture.rows.push_back(pixels[i * 4 + 1]);
        picture.rows.push_back(pixels[i * 4]);
    }
    DeleteObject(bitmap);
    const Bytes png = EncodePng(picture);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool saved = WriteFile(file, png.data(), DWORD(png.size()), &written, nullptr) &&
                       written == png.size();
    CloseHandle(file);
    return saved;
}

namespace {
class CaptureOnFailure : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& info) override {
        if (!info.result()->Failed()) return;
        const std::wstring folder = BuildFile(L"test-captures");
        CreateDirectoryW(folder.c_str(), nullptr);
        const std::wstring path = folder + L"\\" + Widen(info.test_suite_name()) + L"." +
                                  Widen(info.name()) + L".png";
        if (SaveScreenCapture(path))
            std::printf("[ capture  ] the screen at the failure: %s\n", Narrow(path).c_str());
    }
};
} // namespace

void SetLightTheme(bool light) {
    const DWORD value = light ? 1 : 0;
    RegSetKeyValueW(HKEY_CURRENT_USER,
                    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                    L"AppsUseLightTheme", REG_DWORD, &value, sizeof(value));
}

void KeepScreenOnFailure() {
    static bool added = false;
    if (added) return;
    added = true;
    ::testing::UnitTest::GetInstance()->listeners().Append(new CaptureOnFailure);
}

} // namespace test
