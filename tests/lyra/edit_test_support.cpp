#include "edit_test_support.h"

namespace test {

namespace {
void HoldModifiers(unsigned modifiers) {
    BYTE state[256]{};
    GetKeyboardState(state);
    auto hold = [&](std::initializer_list<int> keys, bool down) {
        for (int key : keys)
            state[key] = down ? 0x80 : 0;
    };
    hold({VK_SHIFT, VK_LSHIFT}, modifiers & Shift);
    hold({VK_CONTROL, VK_LCONTROL}, modifiers & Ctrl);
    // AltGr is the right Alt key.
    hold({VK_MENU, (modifiers & AltGr) == AltGr ? VK_RMENU : VK_LMENU}, modifiers & Alt);
    SetKeyboardState(state);
}

// The visit in progress; the thread timer that drives it has no other way in.
MenuVisit* visit = nullptr;
int choice = -1;
int ticks = 0;

void CALLBACK MenuTimer(HWND, UINT, UINT_PTR, DWORD) {
    ++ticks;
    HWND window = FindWindowW(L"#32768", nullptr);
    if (!window || !IsWindowVisible(window)) return;
    auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    if (!menu) return;
    if (!visit->opened) {
        visit->opened = true;
        for (int index = 0; index < GetMenuItemCount(menu); ++index) {
            wchar_t text[128]{};
            GetMenuStringW(menu, UINT(index), text, 128, MF_BYPOSITION);
            visit->texts.push_back(text);
            visit->enabled.push_back(!(GetMenuState(menu, UINT(index), MF_BYPOSITION) & MF_GRAYED));
        }
        if (choice < 0) {
            EndMenu();
            return;
        }
        RECT item{};
        GetMenuItemRect(nullptr, menu, UINT(choice), &item);
        SetCursorPos((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        INPUT clicks[2]{};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, clicks, sizeof(INPUT));
        return;
    }
    // A click that did not close the menu must not hang the test.
    if (ticks > 100) EndMenu();
}
} // namespace

void KeyStroke(WORD key, unsigned modifiers) {
    HoldModifiers(modifiers);
    // F10, and keys with Alt but not Ctrl, are system keys, as on a real keyboard.
    const bool system = key == VK_F10 || ((modifiers & Alt) && !(modifiers & Ctrl));
    HWND focus = GetFocus();
    PostMessageW(focus, system ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1);
    PostMessageW(focus, system ? WM_SYSKEYUP : WM_KEYUP, key, LPARAM(0xC0000001));
    Pump();
    HoldModifiers(NoModifier);
}

void TypeText(const std::wstring& text) {
    HWND focus = GetFocus();
    for (wchar_t character : text)
        PostMessageW(focus, WM_CHAR, character, 1);
    Pump();
}

MenuVisit VisitMenu(const std::function<void()>& open, int choose) {
    MenuVisit result;
    visit = &result;
    choice = choose;
    ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &MenuTimer);
    open();
    KillTimer(nullptr, timer);
    visit = nullptr;
    Pump();
    return result;
}

void EditTest::SetUp() {
    GuiTest::SetUp();
    edit = new lyra::LyEdit(host.get());
    edit->SetBounds(10, 10, 200, 35);
    edit->SetParent(host.get());
    edit->OnChange = [this](toolkit::Component* sender) {
        EXPECT_EQ(sender, edit);
        ++changes;
    };
    edit->OnChangeValue = [this](toolkit::Component*) { ++valueChanges; };
    host->Show();
    Pump();
    edit->SetFocus();
    Pump();
}

void EditTest::TearDown() {
    HoldModifiers(NoModifier);
    GuiTest::TearDown();
}

void EditTest::Prepare(const std::wstring& text, int position, int length) {
    edit->SetText(text);
    edit->SetSelectionLength(0);
    edit->SetPosition(position);
    edit->SetSelectionLength(length);
    changes = valueChanges = 0;
}

void EditTest::RightClick(POINT client) {
    MouseMoveTo(*edit, client);
    SendMessageW(edit->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(client.x, client.y));
    SendMessageW(edit->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(client.x, client.y));
}

} // namespace test
