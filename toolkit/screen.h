#pragma once
// What the application knows about the screen: its forms (the active one first), the
// monitors with their work areas and DPI, and the installed fonts.
#include <windows.h>

#include <string>
#include <vector>

namespace toolkit {

class Form;
class WinControl;

struct MonitorInfo {
    HMONITOR handle = nullptr;
    RECT bounds{};
    RECT workArea{};
    bool primary = false;
    int pixelsPerInch = 96;
};

class Screen {
  public:
    static Screen& Instance();

    // Every form of the application, the most recently activated first.
    const std::vector<Form*>& Forms() const { return forms_; }
    bool Contains(const Form* form) const;
    Form* ActiveForm() const;
    WinControl* ActiveControl() const;

    std::vector<MonitorInfo> Monitors() const;
    MonitorInfo PrimaryMonitor() const;
    MonitorInfo MonitorFromWindow(HWND window) const;
    MonitorInfo MonitorFromPoint(POINT point) const;
    // The system's resolution; each monitor may have its own (MonitorInfo::pixelsPerInch).
    int PixelsPerInch() const;
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
    RECT WorkAreaRect() const { return PrimaryMonitor().workArea; }
    // The font family names, sorted, each once.
    const std::vector<std::wstring>& Fonts();

    // Kept up to date by the forms themselves.
    void AddForm(Form* form);
    void RemoveForm(Form* form);
    void FormActivated(Form* form);

  private:
    Screen() = default;

    std::vector<Form*> forms_;
    std::vector<std::wstring> fonts_;
};

} // namespace toolkit
