#include "tests/gui_support/gui_test_support.h"

#include "tests/support/support.h"
#include "toolkit/canvas.h"
#include "toolkit/error.h"

#include <cstdlib>

namespace test {

namespace {
// Moves the real cursor. Wine turns each move into a mouse message of its own that arrives
// a little later: handle messages until the one for this move came (a while at most), so
// no late one lands in the middle of what the test does next.
void MoveCursor(POINT screen) {
    Pump();
    POINT now{};
    GetCursorPos(&now);
    if (now.x == screen.x && now.y == screen.y) return;
    SetCursorPos(screen.x, screen.y);
    const DWORD until = GetTickCount() + 100;
    while (int(until - GetTickCount()) > 0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            const bool move = message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE;
            if (move && message.pt.x == screen.x && message.pt.y == screen.y) return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}
} // namespace

void GuiTest::SetUp() {
    // The cursor waits in a corner no test window covers, so a window shown under where an
    // earlier test left it gets no stray mouse moves.
    MoveCursor({GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
    toolkit::Application::Instance().OnException = [this](const std::exception_ptr& exception) {
        escaped.push_back(toolkit::ExceptionMessage(exception));
    };
}

void GuiTest::TearDown() {
    Pump();
    toolkit::Application::Instance().OnException = nullptr;
    toolkit::Application::Instance().Hints().Cancel();
    for (const auto& message : escaped)
        ADD_FAILURE() << "escaped: " << Narrow(message);
}

void Pump() {
    for (int round = 0; round < 4; ++round)
        toolkit::Application::Instance().ProcessMessages();
}

void PumpFor(int milliseconds) {
    DWORD end = GetTickCount() + DWORD(milliseconds);
    while (int(end - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        toolkit::Application::Instance().ProcessMessages();
    }
}

bool PumpUntil(const std::function<bool()>& condition) {
    for (int round = 0; round < 500 && !condition(); ++round)
        PumpFor(10);
    return condition();
}

std::unique_ptr<toolkit::Bitmap> Capture(toolkit::WinControl& control) {
    Pump();
    RECT client = control.ClientRect();
    auto bitmap = std::make_unique<toolkit::Bitmap>(client.right, client.bottom,
                                                    toolkit::PixelFormatKind::Bits32);
    HWND window = control.Handle();
    UpdateWindow(window);
    PrintWindow(window, bitmap->Canvas().Handle(), PW_CLIENTONLY);
    return bitmap;
}

unsigned PixelRgb(const toolkit::Bitmap& bitmap, int x, int y) {
    const std::uint8_t* pixel = bitmap.ScanLine(y) + x * 4;
    return unsigned(pixel[2]) << 16 | unsigned(pixel[1]) << 8 | pixel[0];
}

unsigned Rgb(toolkit::TColor color) {
    COLORREF value = toolkit::ColorToRGB(color);
    return unsigned(GetRValue(value)) << 16 | unsigned(GetGValue(value)) << 8 | GetBValue(value);
}

unsigned ScreenPixel(const toolkit::Control& control, POINT client) {
    Pump();
    const POINT screen = control.ClientToScreen(client);
    HDC dc = GetDC(nullptr);
    const COLORREF value = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(nullptr, dc);
    return unsigned(GetRValue(value)) << 16 | unsigned(GetGValue(value)) << 8 | GetBValue(value);
}

bool NearRgb(unsigned a, unsigned b, int tolerance) {
    for (int shift : {0, 8, 16})
        if (std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) > tolerance) return false;
    return true;
}

unsigned AwaitScreenPixel(const toolkit::Control& control, POINT client, unsigned expected,
                          int tolerance) {
    unsigned pixel = 0;
    PumpUntil([&] {
        pixel = ScreenPixel(control, client);
        return NearRgb(pixel, expected, tolerance);
    });
    return pixel;
}

void MouseMoveTo(toolkit::WinControl& control, POINT client) {
    POINT screen = control.ClientToScreen(client);
    MoveCursor(screen);
    SendMessageW(control.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}

void Click(toolkit::WinControl& control, POINT client) {
    MouseMoveTo(control, client);
    SendMessageW(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    SendMessageW(control.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
}

void PressKey(WORD key, bool shift) {
    BYTE state[256]{};
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
    Pump();
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
}

} // namespace test
