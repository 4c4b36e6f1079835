// The package-information window of the built installer, opened from the wizard's
// "Package Info" link: its sheet line by line, which words are bold, its colours in both
// themes, the copy to the clipboard and its place over the wizard.
#include <windows.h>
#include <gtest/gtest.h>
#include <richedit.h>
#include <shlobj.h>

#include <algorithm>
#include <cwctype>
#include <optional>

#include "tests/e2e/installer_run.h"
#include "tests/support/windows.h"
#include "tests/support/wizard_driver.h"

namespace test {
namespace {

const wchar_t kTitle[] = L"Installer Package Information";
const wchar_t kArrow[] = L"\U0001F882 ";
constexpr DWORD kPatience = 15000;

// The sheet of the installer's process. Its text comes through WM_GETTEXT, which the system
// carries between processes; EM_GETCHARFORMAT passes a pointer that the receiving process
// uses as its own, so the format structure lives in memory allocated in that process.
class RemoteSheet {
  public:
    explicit RemoteSheet(HWND sheet) : sheet_(sheet) {
        DWORD pid = 0;
        GetWindowThreadProcessId(sheet, &pid);
        process_ =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_)
            remote_ = VirtualAllocEx(process_, nullptr, sizeof(CHARFORMAT2W),
                                     MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteSheet() {
        if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteSheet(const RemoteSheet&) = delete;
    RemoteSheet& operator=(const RemoteSheet&) = delete;

    bool Usable() const { return remote_ != nullptr; }

    // The lines as shown; the control may end lines with "\r" or "\r\n".
    std::vector<std::wstring> Lines() const {
        std::wstring text(size_t(SendMessageW(sheet_, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
        text.resize(size_t(SendMessageW(sheet_, WM_GETTEXT, text.size(), LPARAM(text.data()))));
        std::vector<std::wstring> lines;
        std::wstring line;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'\n') continue;
            if (text[i] != L'\r') {
                line += text[i];
                continue;
            }
            lines.push_back(line);
            line.clear();
        }
        if (!line.empty()) lines.push_back(line);
        return lines;
    }

    // The format of the characters [start, start + length), a line break counting one.
    CHARFORMAT2W Format(int start, int length) const {
        CHARFORMAT2W format{};
        format.cbSize = sizeof(format);
        format.dwMask = CFM_BOLD | CFM_COLOR;
        SendMessageW(sheet_, EM_SETSEL, start, start + length);
        WriteProcessMemory(process_, remote_, &format, sizeof(format), nullptr);
        SendMessageW(sheet_, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(remote_));
        ReadProcessMemory(process_, remote_, &format, sizeof(format), nullptr);
        return format;
    }

    // The runs of bold characters, each within one line.
    std::vector<std::wstring> BoldRuns() const {
        std::vector<std::wstring> runs;
        int position = 0;
        for (const std::wstring& line : Lines()) {
            const int length = int(line.size());
            const CHARFORMAT2W whole = Format(position, length);
            // A line all of one weight says so at once; only mixed lines go character by character.
            if ((whole.dwMask & CFM_BOLD) && !(whole.dwEffects & CFE_BOLD)) {
                position += length + 1;
                continue;
            }
            std::wstring run;
            for (int i = 0; i < length;) {
                const int width = IS_HIGH_SURROGATE(line[size_t(i)]) ? 2 : 1;
                if (Format(position + i, width).dwEffects & CFE_BOLD) {
                    run += line.substr(size_t(i), size_t(width));
                } else if (!run.empty()) {
                    runs.push_back(run);
                    run.clear();
                }
                i += width;
            }
            if (!run.empty()) runs.push_back(run);
            position += length + 1;
        }
        return runs;
    }

    // The colour of all of the text, or nothing when it is not one colour.
    std::optional<COLORREF> TextColor() const {
        int length = 0;
        for (const std::wstring& line : Lines())
            length += int(line.size()) + 1;
        const CHARFORMAT2W format = Format(0, length);
        if (!(format.dwMask & CFM_COLOR) || (format.dwEffects & CFE_AUTOCOLOR)) return std::nullopt;
        return format.crTextColor;
    }

  private:
    HWND sheet_;
    HANDLE process_ = nullptr;
    void* remote_ = nullptr;
};

HWND FindSheet(HWND window) {
    HWND found = nullptr;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            for (wchar_t& c : name)
                c = wchar_t(std::towlower(c));
            if (!wcsstr(name, L"richedit")) return TRUE;
            *reinterpret_cast<HWND*>(param) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring ClipboardText() {
    std::wstring text;
    for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt)
        Sleep(50);
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void PutOnClipboard(const std::wstring& text) {
    for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt)
        Sleep(50);
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(data), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

// How bright the window's background is near its lower right corner, and how many of the
// sampled pixels of its upper left part (where text stands) are brighter than 200 of 255.
struct Brightness {
    int corner = 0;
    int bright = 0;
};
Brightness ScreenBrightness(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    auto level = [&](int x, int y) {
        const COLORREF c = GetPixel(screen, x, y);
        return (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3;
    };
    Brightness result;
    result.corner = level(r.right - 20, r.bottom - 3);
    for (int y = r.top; y < r.top + 120 && y < r.bottom; y += 2)
        for (int x = r.left; x < r.left + 300 && x < r.right; x += 2)
            result.bright += level(x, y) > 200;
    ReleaseDC(nullptr, screen);
    return result;
}

class PackageInfo : public ::testing::Test {
  protected:
    CleanInstallState clean;
    ScratchFolder scratch;
    StartedProcess setup;
    HWND wizard = nullptr;

    void SetUp() override { KeepScreenOnFailure(); }
    void TearDown() override {
        if (wizard && IsWindow(wizard)) {
            if (HWND info = WaitForMessage(setup.pid, kTitle, 0))
                PostMessageW(info, WM_CLOSE, 0, 0);
            PostMessageW(wizard, WM_CLOSE, 0, 0);
        }
        setup.Wait(20000);
    }

    void OpenWizard() {
        StartProcess(L"\"" + SetupExe() + L"\"", setup);
        wizard = WaitForWizard(setup.pid);
        ASSERT_NE(wizard, nullptr) << "the wizard did not open";
        ASSERT_NE(WaitForControl(wizard, L"Welcome to the Quillpad installer"), nullptr);
    }
    // Clicks "Package Info" and waits for the window with its sheet filled.
    HWND OpenInfo() {
        EXPECT_TRUE(ClickText(wizard, L"Package Info"));
        HWND info = WaitForMessage(setup.pid, kTitle);
        EXPECT_NE(info, nullptr) << "no package information window";
        if (!info) return nullptr;
        HWND sheet = FindSheet(info);
        EXPECT_NE(sheet, nullptr) << "no rich-text sheet";
        if (!sheet || !WaitUntil(kPatience, [&] { return RemoteSheet(sheet).Lines().size() > 40; }))
            ADD_FAILURE() << "the sheet stayed empty";
        return info;
    }
    void CloseInfo(HWND info) {
        ASSERT_TRUE(ClickText(info, L"Close"));
        EXPECT_TRUE(WaitUntil(kPatience, [&] { return !IsWindow(info); }))
            << "the window is destroyed on close";
        EXPECT_TRUE(WaitUntil(kPatience, [&] { return IsWindowEnabled(wizard) != FALSE; }));
    }

    // The sheet for this configuration; previous holds the update's section when there is one.
    static std::vector<std::wstring> Expected(const std::wstring& installPath,
                                              const std::vector<std::wstring>& previous,
                                              bool customPath) {
        const std::wstring folder =
            installPath.empty() || installPath.back() == L'\\' ? installPath : installPath + L"\\";
        std::vector<std::wstring> lines = {
            std::wstring(kArrow) + L"Program information",
            L"Program name: Quillpad",
            L"Complete name: Quillpad Studio",
            L"Install path: " + installPath,
            L"Version: 1.3.0.0",
            L"",
            std::wstring(kArrow) + L"Publisher information",
            L"Publisher: Velmar Software",
            L"Help link: https://velmarsoftware.com/apps/",
            L"Support link: https://velmarsoftware.com/contact/",
            L"Update link: https://velmarsoftware.com/apps/",
            L"",
            std::wstring(kArrow) + L"Executable information",
            L"AppData directory: " + ShellFolder(CSIDL_LOCAL_APPDATA) +
                L"\\VelmarSoftware\\Quillpad\\",
            L"Executable name: Quillpad.exe",
            L"Executable location: " + folder + L"Quillpad.exe",
            L"",
            std::wstring(kArrow) + L"Installation options",
            L"Add uninstaller: true",
            L"Add registry record: true",
            L"",
            std::wstring(kArrow) + L"Additional options",
            L"Desktop shortcut: true",
            L"Start menu shortcut: true",
            L"Has EULA: true",
        };
        lines.insert(lines.end(), previous.begin(), previous.end());
        const std::vector<std::wstring> rest = {
            L"",
            std::wstring(kArrow) + L"User settings",
            L"Allow shortcuts: true",
            std::wstring(L"Allow custom Path: ") + (customPath ? L"true" : L"false"),
            L"Allow extensions: false",
            L"Allow options: false",
            L"",
            std::wstring(kArrow) + L"Installation settings",
            L"Install Support: 2",
            L"Install Pick: 2",
            L"",
            std::wstring(kArrow) + L"Installer Information",
            L"Installer: Vels Installer",
            L"Version: 1.8.0",
            L"Publisher: Velmar Software",
            L"",
            L"Copyright \u00A9 2026 Velmar Software. All rights reserved.",
        };
        lines.insert(lines.end(), rest.begin(), rest.end());
        return lines;
    }
    static void ExpectLines(const std::vector<std::wstring>& expected,
                            const std::vector<std::wstring>& shown) {
        EXPECT_EQ(shown.size(), expected.size());
        for (size_t i = 0; i < std::max(shown.size(), expected.size()); ++i) {
            const std::wstring a = i < expected.size() ? expected[i] : L"(none)";
            const std::wstring b = i < shown.size() ? shown[i] : L"(none)";
            EXPECT_EQ(Narrow(b), Narrow(a)) << "line " << i + 1;
        }
    }
    static std::vector<std::wstring> HeaderNames(const std::vector<std::wstring>& lines) {
        std::vector<std::wstring> names;
        for (const std::wstring& line : lines)
            if (line.rfind(kArrow, 0) == 0) names.push_back(line.substr(wcslen(kArrow)));
        return names;
    }
};

TEST_F(PackageInfo, AFreshInstallShowsTheWholeConfigurationWithBoldHeadersAndCopiesIt) {
    OpenWizard();
    HWND info = OpenInfo();
    ASSERT_NE(info, nullptr);
    const RemoteSheet sheet(FindSheet(info));
    ASSERT_TRUE(sheet.Usable());
    const std::vector<std::wstring> expected = Expected(L"", {}, true);
    ExpectLines(expected, sheet.Lines());
    EXPECT_EQ(sheet.BoldRuns(), HeaderNames(expected)) << "only the header words are bold";
    EXPECT_EQ(sheet.TextColor(), std::optional<COLORREF>(RGB(0, 0, 0)));

    // Its middle is the wizard's middle.
    RECT outer{}, inner{};
    GetWindowRect(wizard, &outer);
    GetWindowRect(info, &inner);
    const int width = inner.right - inner.left, height = inner.bottom - inner.top;
    EXPECT_EQ(inner.left, outer.left + (outer.right - outer.left) / 2 - width / 2);
    EXPECT_EQ(inner.top, outer.top + (outer.bottom - outer.top) / 2 - height / 2);
    EXPECT_FALSE(IsWindowEnabled(wizard)) << "the window is modal";

    // Sizing stays within 450 to 600 wide and at most 500 high.
    auto sizedTo = [&](int width, int height) {
        SetWindowPos(info, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT r{};
        GetWindowRect(info, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    };
    const SIZE large = sizedTo(1000, 1000);
    EXPECT_EQ(large.cx, 600);
    EXPECT_EQ(large.cy, 500);
    EXPECT_EQ(sizedTo(100, 400).cx, 450);

    PutOnClipboard(L"something else");
    ASSERT_TRUE(ClickText(info, L"Copy"));
    EXPECT_NE(WaitForControl(info, L"Copied!", 5000), nullptr) << "the button says it copied";
    std::wstring pasted;
    for (const std::wstring& line : expected)
        pasted += line + L"\r\n";
    EXPECT_EQ(Narrow(ClipboardText()), Narrow(pasted));
    EXPECT_NE(WaitForControl(info, L"Copy"), nullptr) << "and goes back to Copy";
    CloseInfo(info);
}

TEST_F(PackageInfo, AnUpdateShowsTheEarlierInstallation) {
    const std::wstring earlier = scratch.Path() + L"\\Quillpad";
    ASSERT_TRUE(CreateDirectoryW(earlier.c_str(), nullptr));
    WriteUserRecordValue(L"InstallLocation", earlier);
    WriteUserRecordValue(L"DisplayVersion", L"1.2.5");
    OpenWizard();
    HWND info = OpenInfo();
    ASSERT_NE(info, nullptr);
    const RemoteSheet sheet(FindSheet(info));
    ASSERT_TRUE(sheet.Usable());
    // The earlier folder exists, so the settings page offers no other.
    const std::vector<std::wstring> expected =
        Expected(earlier,
                 {L"", std::wstring(kArrow) + L"Previous installation [UPDATE]",
                  L"Install location: " + earlier, L"Install version: 1.2.5", L"Install kind: 2",
                  L"Override install: yes"},
                 false);
    ExpectLines(expected, sheet.Lines());
    EXPECT_EQ(sheet.BoldRuns(), HeaderNames(expected));
    CloseInfo(info);
}

TEST_F(PackageInfo, TheSheetFollowsTheDarkTheme) {
    const LightThemeMeanwhile theme;
    OpenWizard();

    // Switched while the window is open: the background and the text follow.
    HWND info = OpenInfo();
    ASSERT_NE(info, nullptr);
    HWND sheetWindow = FindSheet(info);
    EXPECT_TRUE(WaitUntil(kPatience, [&] { return ScreenBrightness(sheetWindow).corner > 200; }))
        << "light sheet";
    SetLightTheme(false);
    EXPECT_TRUE(WaitUntil(kPatience, [&] {
        return RemoteSheet(sheetWindow).TextColor() == std::optional<COLORREF>(RGB(255, 255, 255));
    })) << "white text after the switch";
    EXPECT_TRUE(WaitUntil(kPatience, [&] { return ScreenBrightness(sheetWindow).corner < 80; }))
        << "dark sheet";
    CloseInfo(info);

    // Opened again in the dark theme: white text on the dark background from the start.
    info = OpenInfo();
    ASSERT_NE(info, nullptr);
    sheetWindow = FindSheet(info);
    const RemoteSheet sheet(sheetWindow);
    EXPECT_EQ(sheet.TextColor(), std::optional<COLORREF>(RGB(255, 255, 255)));
    EXPECT_EQ(sheet.BoldRuns().size(), 8u) << "the headers are still bold";
    EXPECT_TRUE(WaitUntil(kPatience, [&] {
        const Brightness seen = ScreenBrightness(sheetWindow);
        return seen.corner < 80 && seen.bright > 50;
    })) << "white text shows on the dark background";
    CloseInfo(info);
}

} // namespace
} // namespace test
