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

} // namespace

void KeyStroke(WORD key, unsigned modifiers) {
    // Real keyboard input goes to the foreground window: the focused control's window is made
    // that first (a window just shown may not be active yet, and the keys went elsewhere).
    if (HWND root = GetAncestor(GetFocus(), GA_ROOT); root && GetForegroundWindow() != root) {
        SetForegroundWindow(root);
        PumpUntil([root] { return GetForegroundWindow() == root; });
    }
    // The modifiers are in the key state the control reads, as they would be for a user's
    // keys, and the layout translates the key as it would.
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
    if (!focus) ADD_FAILURE() << "no window has the keyboard focus";
    for (wchar_t character : text)
        PostMessageW(focus, WM_CHAR, character, 1);
    Pump();
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
    // The window's activation may arrive after Show returns, and an activation restores the
    // form's own remembered focus: the edit takes the focus once its window is the active one.
    HWND root = host->Handle();
    SetForegroundWindow(root);
    ASSERT_TRUE(PumpUntil([root] { return GetForegroundWindow() == root; }));
    edit->SetFocus();
    ASSERT_TRUE(PumpUntil([this] { return GetFocus() == edit->Handle(); }));
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
