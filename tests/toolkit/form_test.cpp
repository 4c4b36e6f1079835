// Forms on screen: frames around the client size, showing, modal loops, closing, layering,
// and the standard error box being replaceable.
#include "tests/gui_support/gui_test_support.h"
#include "test_controls.h"

#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/screen.h"
#include "toolkit/utility_window.h"

#include <memory>
#include <thread>

namespace {

using toolkit::BorderStyleKind;
using toolkit::Form;
using toolkit::ModalResultKind;

class FormTest : public test::GuiTest {};

TEST_F(FormTest, EveryBorderStyleKeepsTheClientSize) {
    const BorderStyleKind styles[] = {BorderStyleKind::None,       BorderStyleKind::Single,
                                      BorderStyleKind::Sizeable,   BorderStyleKind::Dialog,
                                      BorderStyleKind::ToolWindow, BorderStyleKind::SizeToolWin};
    for (BorderStyleKind style : styles) {
        SCOPED_TRACE(int(style));
        Form form(nullptr);
        form.SetClientWidth(400);
        form.SetClientHeight(300);
        form.SetBorderStyle(style);
        form.Show();
        RECT client{};
        GetClientRect(form.Handle(), &client);
        EXPECT_EQ(client.right, 400);
        EXPECT_EQ(client.bottom, 300);
        EXPECT_EQ(form.ClientWidth(), 400);
        RECT window{};
        GetWindowRect(form.Handle(), &window);
        EXPECT_EQ(form.Width(), window.right - window.left);
        EXPECT_EQ(form.Height(), window.bottom - window.top);
        DWORD windowStyle = GetWindowLongW(form.Handle(), GWL_STYLE);
        EXPECT_EQ((windowStyle & WS_THICKFRAME) != 0,
                  style == BorderStyleKind::Sizeable || style == BorderStyleKind::SizeToolWin);
        EXPECT_EQ((windowStyle & WS_CAPTION) == WS_CAPTION, style != BorderStyleKind::None);
    }
}

TEST_F(FormTest, ScreenCentrePlacesTheFormInTheWorkArea) {
    Form form(nullptr);
    form.SetBorderStyle(BorderStyleKind::None);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    form.SetPosition(toolkit::PositionKind::ScreenCenter);
    form.Show();
    RECT area = toolkit::Screen::Instance().WorkAreaRect();
    EXPECT_EQ(form.Left(), area.left + (area.right - area.left - 300) / 2);
    EXPECT_EQ(form.Top(), area.top + (area.bottom - area.top - 200) / 2);
    EXPECT_TRUE(toolkit::Screen::Instance().Contains(&form));
}

TEST_F(FormTest, ShowModalReturnsTheResultAndRestoresTheOtherWindows) {
    Form owner(nullptr);
    owner.Show();
    Form dialog(nullptr);
    test::EventLog log;
    dialog.OnShow = [&](toolkit::Component*) {
        log.push_back(L"Show");
        EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
    };
    dialog.OnCloseQuery = [&](toolkit::Component*, bool&) { log.push_back(L"CloseQuery"); };
    dialog.OnClose = [&](toolkit::Component*, toolkit::CloseAction&) { log.push_back(L"Close"); };
    dialog.OnHide = [&](toolkit::Component*) { log.push_back(L"Hide"); };
    toolkit::UtilityWindow::Instance().Post([&] {
        log.push_back(L"InLoop");
        dialog.SetModalResult(ModalResultKind::Yes);
    });
    EXPECT_EQ(dialog.ShowModal(), ModalResultKind::Yes);
    EXPECT_EQ(log, (test::EventLog{L"Show", L"InLoop", L"CloseQuery", L"Close", L"Hide"}));
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.Modal());
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_THROW(owner.ShowModal(), toolkit::Error); // already visible
}

TEST_F(FormTest, CloseQueryCanRefuseAndModalLoopsNest) {
    Form outer(nullptr), inner(nullptr);
    int refusals = 0;
    inner.OnCloseQuery = [&](toolkit::Component*, bool& canClose) {
        canClose = refusals++ > 0; // the first close is refused
    };
    ModalResultKind innerResult = ModalResultKind::None;
    toolkit::UtilityWindow::Instance().Post([&] {
        toolkit::UtilityWindow::Instance().Post([&] {
            inner.Close(); // refused: the loop goes on
            toolkit::UtilityWindow::Instance().Post([&] {
                EXPECT_TRUE(inner.Visible());
                PostMessageW(inner.Handle(), WM_CLOSE, 0, 0); // as the title bar's X does
            });
        });
        innerResult = inner.ShowModal();
        outer.SetModalResult(ModalResultKind::Ok);
    });
    EXPECT_EQ(outer.ShowModal(), ModalResultKind::Ok);
    EXPECT_EQ(innerResult, ModalResultKind::Cancel);
    EXPECT_EQ(refusals, 2);
}

TEST_F(FormTest, OnCloseDecidesWhatClosingDoes) {
    auto* form = new Form(nullptr);
    form->Show();
    form->OnClose = [](toolkit::Component*, toolkit::CloseAction& action) {
        action = toolkit::CloseAction::None;
    };
    form->Close();
    EXPECT_TRUE(form->Visible());
    form->OnClose = [](toolkit::Component*, toolkit::CloseAction& action) {
        action = toolkit::CloseAction::Free;
    };
    form->Close();
    EXPECT_TRUE(toolkit::Screen::Instance().Contains(form)); // freed after the message
    test::Pump();
    EXPECT_FALSE(toolkit::Screen::Instance().Contains(form));
}

TEST_F(FormTest, ExceptionsFromHandlersReachTheReplaceableErrorBox) {
    Form form(nullptr);
    form.Show();
    form.OnClick = [](toolkit::Component*) { throw toolkit::Error(L"Broken handler"); };
    test::Click(form, {5, 5});
    ASSERT_EQ(escaped.size(), 1u);
    EXPECT_EQ(escaped[0], L"Broken handler");
    escaped.clear();
    // The loop goes on: the next message is handled as usual.
    bool clicked = false;
    form.OnClick = [&](toolkit::Component*) { clicked = true; };
    test::Click(form, {5, 5});
    EXPECT_TRUE(clicked);
}

TEST_F(FormTest, LayeringAndStayOnTopReachTheWindow) {
    Form form(nullptr);
    form.SetAlphaBlend(true);
    form.SetAlphaBlendValue(150);
    form.SetFormStyle(toolkit::FormStyleKind::StayOnTop);
    form.Show();
    BYTE alpha = 0;
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(form.Handle(), &key, &alpha, &flags));
    EXPECT_EQ(alpha, 150);
    EXPECT_EQ(flags & LWA_ALPHA, DWORD(LWA_ALPHA));
    EXPECT_TRUE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    form.SetTransparentColor(true);
    form.SetTransparentColorValue(toolkit::clFuchsia);
    ASSERT_TRUE(GetLayeredWindowAttributes(form.Handle(), &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(255, 0, 255));
    EXPECT_EQ(flags & LWA_COLORKEY, DWORD(LWA_COLORKEY));
    form.SetAlphaBlend(false);
    form.SetTransparentColor(false);
    EXPECT_FALSE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    form.SetFormStyle(toolkit::FormStyleKind::Normal);
    EXPECT_FALSE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(FormTest, AMaximisedChildFormCoversItsParent) {
    Form form(nullptr);
    form.SetBorderStyle(BorderStyleKind::None);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    form.Show();
    auto* overlay = new Form(&form);
    overlay->SetBorderStyle(BorderStyleKind::None);
    overlay->SetWindowState(toolkit::WindowStateKind::Maximized);
    overlay->SetParent(&form);
    overlay->SetAlphaBlend(true);
    overlay->SetAlphaBlendValue(150);
    overlay->Show();
    EXPECT_TRUE(GetWindowLongW(overlay->Handle(), GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(GetParent(overlay->Handle()), form.Handle());
    EXPECT_EQ(overlay->Width(), 300);
    EXPECT_EQ(overlay->Height(), 200);
    form.SetClientWidth(400);
    EXPECT_EQ(overlay->Width(), 400);
}

TEST_F(FormTest, APerMonitorDpiChangeScalesTheWholeForm) {
    Form form(nullptr);
    form.SetBorderStyle(BorderStyleKind::None);
    form.SetClientWidth(200);
    form.SetClientHeight(100);
    form.Font().SetHeight(-12);
    auto* panel = new toolkit::Panel(&form);
    panel->SetBounds(10, 20, 80, 40);
    panel->SetParent(&form);
    panel->Margins().SetAll(4, 4, 4, 4);
    form.Show();
    RECT suggested{form.Left(), form.Top(), form.Left() + 300, form.Top() + 150};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), LPARAM(&suggested));
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 150);
    EXPECT_EQ(panel->Left(), 15);
    EXPECT_EQ(panel->Width(), 120);
    EXPECT_EQ(panel->Height(), 60);
    EXPECT_EQ(panel->Margins().Left(), 6);
    EXPECT_EQ(form.Font().Height(), -18);
    EXPECT_EQ(panel->Font().Height(), -18); // a parent font is handed down scaled
}

TEST_F(FormTest, AFormDesignedAtAnotherResolutionScalesWhenItsWindowIsMade) {
    Form form(nullptr);
    form.SetBorderStyle(BorderStyleKind::None);
    form.SetPixelsPerInch(48); // designed at half the resolution of the test's screen
    form.SetClientWidth(200);
    form.SetClientHeight(100);
    auto* panel = new toolkit::Panel(&form);
    panel->SetBounds(10, 20, 80, 40);
    panel->SetParent(&form);
    form.Show();
    EXPECT_EQ(form.ClientWidth(), 400);
    EXPECT_EQ(form.ClientHeight(), 200);
    EXPECT_EQ(panel->BoundsRect().left, 20);
    EXPECT_EQ(panel->Width(), 160);
}

TEST_F(FormTest, TheStandardErrorBoxShowsTheMessage) {
    // Nobody clicks under Xvfb: a helper thread reads the box and closes it.
    std::wstring shown;
    std::thread closer([&] {
        for (int i = 0; i < 500; ++i) {
            HWND box = FindWindowW(L"#32770", toolkit::Application::Instance().Title().c_str());
            if (box) {
                EnumChildWindows(
                    box,
                    [](HWND child, LPARAM text) -> BOOL {
                        wchar_t buffer[256]{};
                        GetWindowTextW(child, buffer, 256);
                        if (std::wstring(buffer).find(L"broke") != std::wstring::npos)
                            *reinterpret_cast<std::wstring*>(text) = buffer;
                        return TRUE;
                    },
                    LPARAM(&shown));
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    });
    toolkit::Application::Instance().ShowException(
        std::make_exception_ptr(toolkit::Error(L"The handler broke")));
    closer.join();
    EXPECT_EQ(shown, L"The handler broke.");
}

TEST_F(FormTest, ConstraintsLimitTheWindowAndTheUsersFrame) {
    Form form(nullptr);
    form.Constraints().SetMinWidth(450);
    form.Constraints().SetMaxWidth(600);
    form.Constraints().SetMaxHeight(500);
    form.SetBounds(0, 0, 800, 900);
    EXPECT_EQ(form.Width(), 600);
    EXPECT_EQ(form.Height(), 500);
    form.Show();
    MINMAXINFO limits{};
    SendMessageW(form.Handle(), WM_GETMINMAXINFO, 0, LPARAM(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 450);
    EXPECT_EQ(limits.ptMaxTrackSize.x, 600);
    EXPECT_EQ(limits.ptMaxTrackSize.y, 500);
    form.SetWidth(100);
    EXPECT_EQ(form.Width(), 450);
}

TEST_F(FormTest, RunShowsTheMainFormAndEndsWhenItCloses) {
    toolkit::Application& application = toolkit::Application::Instance();
    auto* main = application.CreateForm<Form>();
    ASSERT_EQ(application.MainForm(), main);
    EXPECT_EQ(main->Owner(), &application);
    bool shown = false;
    main->OnShow = [&](toolkit::Component*) { shown = true; };
    toolkit::UtilityWindow::Instance().Post([&] {
        // A modal dialog open when the application ends is ended as well.
        Form dialog(nullptr);
        toolkit::UtilityWindow::Instance().Post([&] { main->Close(); });
        EXPECT_EQ(dialog.ShowModal(), ModalResultKind::Cancel);
        EXPECT_TRUE(application.Terminated());
    });
    application.Run();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(application.Terminated()); // a later loop starts afresh
    delete main;
    EXPECT_EQ(application.MainForm(), nullptr);
}

TEST_F(FormTest, WindowUpdateLocksNestAndAreReleased) {
    Form form(nullptr), other(nullptr);
    form.Show();
    other.Show();
    form.LockWindowUpdate();
    form.LockWindowUpdate();
    form.UnlockWindowUpdate();
    EXPECT_FALSE(LockWindowUpdate(other.Handle())); // still locked: one window at a time
    form.UnlockWindowUpdate();
    EXPECT_TRUE(LockWindowUpdate(other.Handle()));
    LockWindowUpdate(nullptr);
}

} // namespace
