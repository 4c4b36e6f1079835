#include "edit_test_support.h"

namespace test {

namespace {
INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    // The keys of the navigation block and the right Alt (AltGr) are extended keys.
    for (WORD extended : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_DELETE, VK_INSERT,
                          VK_APPS, VK_RMENU, VK_RCONTROL})
        if (key == extended) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
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
    // Real keyboard input: the modifiers are in the key state the control reads, as they would
    // be for a user's keys, and the layout translates the key as it would.
    std::vector<WORD> held;
    if (modifiers & Shift) held.push_back(VK_SHIFT);
    if (modifiers & Ctrl) held.push_back(VK_CONTROL);
    if (modifiers & Alt) held.push_back((modifiers & AltGr) == AltGr ? VK_RMENU : VK_MENU);
    std::vector<INPUT> inputs;
    for (WORD modifier : held)
        inputs.push_back(KeyInput(modifier, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier)
        inputs.push_back(KeyInput(*modifier, true));
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    Pump();
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
