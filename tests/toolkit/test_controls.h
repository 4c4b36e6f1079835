#pragma once
// Small controls the toolkit's tests build windows from: a window-less control that logs
// what happens to it, and a button-like windowed control.
#include "toolkit/form.h"
#include "toolkit/graphic_control.h"
#include "toolkit/picture.h"
#include "toolkit/popup_menu.h"
#include "toolkit/win_control.h"

#include <string>
#include <vector>

namespace test {

using EventLog = std::vector<std::wstring>;

// Paints itself in its colour and writes every input event to Log as "Name.Event".
class LoggingControl : public toolkit::GraphicControl {
  public:
    explicit LoggingControl(toolkit::Component* owner);
    EventLog* Log = nullptr;
    POINT lastPoint{-1, -1};

    void MouseDown(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) override;
    void MouseUp(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Click() override;
    bool MouseWheel(toolkit::ShiftState shift, int delta, POINT mousePos) override;

  protected:
    void Paint() override;

  private:
    void Write(const std::wstring& event);
};

// Focusable; paints its colour (a darker frame while focused) and its caption; a click or
// Space raises OnClick and hands ModalResult to its form.
class TestButton : public toolkit::WinControl {
  public:
    explicit TestButton(toolkit::Component* owner);
    toolkit::ModalResultKind ModalResult() const { return modalResult_; }
    void SetModalResult(toolkit::ModalResultKind result) { modalResult_ = result; }
    EventLog* Log = nullptr;

    void MouseDown(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) override;
    void Click() override;
    void KeyDown(WORD& key, toolkit::ShiftState shift) override;

  protected:
    void Paint() override;
    void DoEnter() override;
    void DoExit() override;

  private:
    toolkit::ModalResultKind modalResult_ = toolkit::ModalResultKind::None;
};

// Shows its picture stretched over its whole area.
class TestPicture : public toolkit::GraphicControl {
  public:
    explicit TestPicture(toolkit::Component* owner);
    toolkit::Picture& Picture() { return picture_; }

  protected:
    void Paint() override;

  private:
    toolkit::Picture picture_;
};

// A context menu that only remembers where it was asked to open.
class TestMenu : public toolkit::Component, public toolkit::PopupMenu {
  public:
    using Component::Component;
    void Popup(int x, int y) override { openedAt = {x, y}; }
    POINT openedAt{-1, -1};
};

// A non-visual entry that remembers the object a description nested it in.
class TestItem : public toolkit::Component {
  public:
    using Component::Component;
    void SetParentComponent(toolkit::Component* parent) override { nestedIn = parent; }
    toolkit::Component* nestedIn = nullptr;
};

// Makes the test controls known to window descriptions.
void RegisterTestClasses();

} // namespace test
