#include "test_controls.h"

#include "toolkit/class_registry.h"

namespace test {

LoggingControl::LoggingControl(toolkit::Component* owner) : GraphicControl(owner) {
    SetBounds(0, 0, 50, 50);
}

void LoggingControl::Write(const std::wstring& event) {
    if (Log) Log->push_back(Name() + L"." + event);
}

void LoggingControl::MouseDown(toolkit::MouseButton button, toolkit::ShiftState shift, int x,
                               int y) {
    lastPoint = {x, y};
    Write(button == toolkit::MouseButton::Left ? L"MouseDown" : L"OtherDown");
    GraphicControl::MouseDown(button, shift, x, y);
}

void LoggingControl::MouseUp(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) {
    lastPoint = {x, y};
    GraphicControl::MouseUp(button, shift, x, y);
    Write(L"MouseUp");
}

void LoggingControl::MouseEnter() {
    Write(L"Enter");
    GraphicControl::MouseEnter();
}

void LoggingControl::MouseLeave() {
    Write(L"Leave");
    GraphicControl::MouseLeave();
}

void LoggingControl::Click() {
    Write(L"Click");
    GraphicControl::Click();
}

bool LoggingControl::MouseWheel(toolkit::ShiftState shift, int delta, POINT mousePos) {
    Write(L"Wheel" + std::to_wstring(delta));
    return GraphicControl::MouseWheel(shift, delta, mousePos);
}

void LoggingControl::Paint() {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

TestButton::TestButton(toolkit::Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    Publish(L"Caption", &Control::Caption, &Control::SetCaption);
    PublishEnum(L"ModalResult", &TestButton::ModalResult, &TestButton::SetModalResult,
                toolkit::ModalResultNames());
}

void TestButton::MouseDown(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) {
    if (CanFocus() && !Focused()) SetFocus();
    WinControl::MouseDown(button, shift, x, y);
}

void TestButton::Click() {
    if (Log) Log->push_back(Name() + L".Click");
    WinControl::Click();
    if (modalResult_ != toolkit::ModalResultKind::None)
        if (toolkit::Form* form = ParentForm()) form->SetModalResult(modalResult_);
}

void TestButton::KeyDown(WORD& key, toolkit::ShiftState shift) {
    if (Log) Log->push_back(Name() + L".Key" + std::to_wstring(key));
    WinControl::KeyDown(key, shift);
    if (key == VK_SPACE) Click();
}

void TestButton::Paint() {
    RECT rect = ClientRect();
    if (Focused()) {
        Canvas().Brush().SetColor(toolkit::clBlack);
        Canvas().FrameRect(rect);
    }
    Canvas().Brush().SetStyle(toolkit::BrushStyle::Clear);
    Canvas().TextRect(rect, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TestButton::DoEnter() {
    if (Log) Log->push_back(Name() + L".Enter");
    Invalidate();
    WinControl::DoEnter();
}

void TestButton::DoExit() {
    if (Log) Log->push_back(Name() + L".Exit");
    Invalidate();
    WinControl::DoExit();
}

TestPicture::TestPicture(toolkit::Component* owner) : GraphicControl(owner) {
    SetBounds(0, 0, 100, 100);
    picture_.OnChange = [this] { Invalidate(); };
    AddProperty(std::make_unique<toolkit::PictureProperty>(L"Picture", picture_));
}

void TestPicture::Paint() {
    if (picture_.Graphic()) Canvas().StretchDraw(ClientRect(), *picture_.Graphic());
}

void RegisterTestClasses() {
    toolkit::ClassRegistry::Register<LoggingControl>(L"LoggingControl");
    toolkit::ClassRegistry::Register<TestButton>(L"TestButton");
    toolkit::ClassRegistry::Register<TestPicture>(L"TestPicture");
    toolkit::ClassRegistry::Register<TestMenu>(L"TestMenu");
    toolkit::ClassRegistry::Register<TestItem>(L"TestItem");
}

} // namespace test
