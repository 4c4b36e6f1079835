// Hello Sample: the application of the packaging example. One window that greets the
// user with the text file installed beside it.
#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kClassName[] = L"HelloSampleWindow";
constexpr wchar_t kTitle[] = L"Hello Sample";

std::wstring Greeting() {
    wchar_t path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring file(path, n);
    file = file.substr(0, file.find_last_of(L'\\') + 1) + L"greeting.txt";
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return L"Hello!";
    char bytes[4096];
    DWORD got = 0;
    ReadFile(h, bytes, sizeof(bytes), &got, nullptr);
    CloseHandle(h);
    std::wstring text(got, L'\0');
    text.resize(MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(got), text.data(),
                                    static_cast<int>(text.size())));
    return text;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT area;
        GetClientRect(hwnd, &area);
        const std::wstring text = Greeting();
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    HWND hwnd = CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 480, 240, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
