// Window descriptions: everything a description sets reaches the objects through their
// published properties, and everything unknown is an error naming the file, line and name.
#include "tests/gui_support/gui_test_support.h"
#include "tests/support/picture_encoders.h"
#include "test_controls.h"

#include "toolkit/description_reader.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/timer.h"

#include "tests/support/support.h"

#include <png.h>

namespace {

using toolkit::Component;

const wchar_t kSheet[] = LR"(object Sheet: Form
  // Every kind of value, by a dotted path where it lies in a sub-object.
  ClientWidth = 400
  ClientHeight = $12C
  Caption = 'It\'s a \u{1F882} test' +
            ' window\n'
  Font.Name = 'DejaVu Sans'
  Font.Style = [Bold, Italic]
  Color = clWindow
  BorderStyle = Single
  ActiveControl = Ok
  OnClose = SheetClose
  object Top: Panel
    Align = Top
    Height = 40
    Color = 255
    Tag = -7
    object Ok: TestButton
      Left = 300
      Top = 8
      Anchors = [Right, Top]
      ModalResult = Ok
      TabOrder = 1
      OnClick = OkClick
      PopupMenu = Menu
    end
    object Cancel: TestButton
      TabOrder = 0
    end
  end
  object Swatch: TestPicture
    Left = 10
    Top = 50
    Picture = 'swatch.png'
  end
  object Tick: Timer
    Interval = 250
    Enabled = False
    OnTimer = TickTimer
  end
  object Menu: TestMenu
    object Open: TestItem
    end
  end
end
)";

class Description : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        test::RegisterTestClasses();
        form = std::make_unique<toolkit::Form>(nullptr);
        handlers.Add<void(Component*)>(L"OkClick", [this](Component* sender) { clicked = sender; });
        handlers.Add<void(Component*)>(L"TickTimer", [](Component*) {});
        handlers.Add<void(Component*, toolkit::CloseAction&)>(
            L"SheetClose",
            [](Component*, toolkit::CloseAction& action) { action = toolkit::CloseAction::None; });
        pictures = [](const std::wstring& name) -> test::Bytes {
            if (name != L"swatch.png") throw toolkit::Error(L"no picture " + name);
            return test::EncodePng({3, 2, PNG_COLOR_TYPE_RGB, 8, test::Bytes(18, 200)});
        };
    }
    void Read(const std::wstring& text) {
        toolkit::ReadComponent(*form, text, L"test.form", handlers, pictures);
    }
    std::unique_ptr<toolkit::Form> form;
    toolkit::HandlerTable handlers;
    toolkit::PictureSource pictures;
    Component* clicked = nullptr;
};

TEST_F(Description, SetsPropertiesChildrenReferencesAndHandlers) {
    Read(kSheet);
    EXPECT_EQ(form->Name(), L"Sheet");
    EXPECT_EQ(form->ClientWidth(), 400);
    EXPECT_EQ(form->ClientHeight(), 300);
    EXPECT_EQ(form->Caption(), L"It's a \U0001F882 test window\n");
    EXPECT_EQ(form->Font().Name(), L"DejaVu Sans");
    EXPECT_TRUE(form->Font().Style().Contains(toolkit::FontStyle::Italic));
    EXPECT_EQ(form->Color(), toolkit::clWindow);
    EXPECT_EQ(form->BorderStyle(), toolkit::BorderStyleKind::Single);

    // Owned by the form in the order written; placed in the control that encloses them.
    ASSERT_EQ(form->ComponentCount(), 7);
    const wchar_t* order[] = {L"Top", L"Ok", L"Cancel", L"Swatch", L"Tick", L"Menu", L"Open"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(form->Components(i)->Name(), order[i]);
    EXPECT_EQ(form->Find<test::TestItem>(L"Open")->nestedIn, form->FindComponent(L"Menu"));
    EXPECT_EQ(form->Find<test::TestItem>(L"Open")->Owner(), form.get());
    auto* top = form->Find<toolkit::Panel>(L"Top");
    auto* ok = form->Find<test::TestButton>(L"Ok");
    auto* cancel = form->Find<test::TestButton>(L"Cancel");
    ASSERT_TRUE(top && ok && cancel);
    EXPECT_EQ(ok->Parent(), top);
    EXPECT_EQ(top->Tag(), -7);
    EXPECT_EQ(top->Color(), toolkit::clRed);
    EXPECT_EQ(top->Width(), 400);                 // aligned once the form was read
    EXPECT_EQ(ok->Font().Name(), L"DejaVu Sans"); // handed down from the form
    EXPECT_EQ(ok->Anchors(), (toolkit::AnchorSet{toolkit::Anchor::Right, toolkit::Anchor::Top}));
    EXPECT_EQ(ok->ModalResult(), toolkit::ModalResultKind::Ok);
    EXPECT_EQ(cancel->TabOrder(), 0);
    EXPECT_EQ(ok->TabOrder(), 1);
    EXPECT_EQ(form->ActiveControl(), ok);
    EXPECT_EQ(ok->PopupMenu(), form->Find<test::TestMenu>(L"Menu"));
    EXPECT_EQ(form->Find<test::TestPicture>(L"Swatch")->Picture().Width(), 3);
    auto* tick = form->Find<toolkit::Timer>(L"Tick");
    EXPECT_EQ(tick->Interval(), 250);
    EXPECT_FALSE(tick->Enabled());
    for (int i = 0; i < form->ComponentCount(); ++i)
        EXPECT_FALSE(form->Components(i)->Loading());
    EXPECT_FALSE(form->Loading());

    ok->Click();
    EXPECT_EQ(clicked, ok);
    form->Show();
    form->Close(); // the handler refuses to close
    EXPECT_TRUE(form->Visible());
}

struct BadCase {
    const char* what;
    const wchar_t* text;
    int line;
    const wchar_t* name;
    const wchar_t* says;
};

TEST_F(Description, NamesTheFileLineAndNameOfWhatIsWrong) {
    const BadCase cases[] = {
        {"unknown class", L"object F: Form\n  object X: NoSuchControl\n  end\nend", 2,
         L"NoSuchControl", L"unknown class"},
        {"unknown property", L"object F: Form\n  Colour = clRed\nend", 2, L"Colour",
         L"unknown property Colour of Form"},
        {"unknown sub-property", L"object F: Form\n  Font.Colr = clRed\nend", 2, L"Font.Colr",
         L"unknown property"},
        {"unknown enum value", L"object F: Form\n\n  BorderStyle = Thick\nend", 3, L"Thick",
         L"BorderStyle"},
        {"unknown set member",
         L"object F: Form\n  object P: Panel\n    Anchors = [Left, Middle]\n  end\nend", 3,
         L"Anchors", L"Middle"},
        {"unknown colour", L"object F: Form\n  Color = clPink\nend", 2, L"clPink", L"colour"},
        {"unknown handler", L"object F: Form\n  OnClose = Nobody\nend", 2, L"Nobody",
         L"unknown handler"},
        {"handler of the wrong kind", L"object F: Form\n  OnClose = OkClick\nend", 2, L"OkClick",
         L"parameters"},
        {"unknown component", L"object F: Form\n  ActiveControl = Ghost\nend", 2, L"Ghost",
         L"unknown component"},
        {"wrong kind of component",
         L"object F: Form\n  object T: Timer\n  end\n  ActiveControl = T\nend", 4, L"T",
         L"ActiveControl"},
        {"wrong kind of value", L"object F: Form\n  ClientWidth = 'wide'\nend", 2, L"wide",
         L"not a valid value"},
        {"out of range", L"object F: Form\n  ClientWidth = 99999999999\nend", 2, L"ClientWidth",
         L"out of range"},
        {"missing picture",
         L"object F: Form\n  object P: TestPicture\n    Picture = 'gone.png'\n  end\nend", 3,
         L"gone.png", L"no picture gone.png"},
        {"object without properties", L"object F: Form\n  Font = 3\nend", 2, L"Font",
         L"holds properties"},
        {"duplicate name",
         L"object F: Form\n  object A: Panel\n  end\n  object A: Panel\n  end\nend", 4, L"A",
         L"already exists"},
        {"control outside a window",
         L"object F: Form\n  object T: Timer\n    object P: Panel\n    end\n  end\nend", 3, L"P",
         L"windowed control"},
        {"missing end", L"object F: Form\n  object P: Panel\n  Left = 1\nend", 4, L"Form",
         L"'end' is missing"},
        {"unclosed string", L"object F: Form\n  Caption = 'open\nend", 2, L"", L"not closed"},
        {"bad escape", L"object F: Form\n  Caption = 'a\\qb'\nend", 2, L"", L"unknown escape"},
        {"no value", L"object F: Form\n  Left = ]\nend", 2, L"]", L"expected a value"},
        {"text after end", L"object F: Form\nend\nLeft = 2", 3, L"Left", L"after the end"},
    };
    for (const BadCase& bad : cases) {
        SCOPED_TRACE(bad.what);
        form = std::make_unique<toolkit::Form>(nullptr);
        try {
            Read(bad.text);
            ADD_FAILURE() << "accepted";
        } catch (const toolkit::DescriptionError& error) {
            EXPECT_EQ(error.File(), L"test.form");
            EXPECT_EQ(error.Line(), bad.line);
            EXPECT_EQ(error.Name(), bad.name);
            EXPECT_NE(error.Message().find(bad.says), std::wstring::npos)
                << test::Narrow(error.Message());
            EXPECT_EQ(error.Message().rfind(L"test.form(" + std::to_wstring(bad.line) + L"): ", 0),
                      0u)
                << test::Narrow(error.Message());
        }
    }
}

TEST_F(Description, ComponentsReadAreFreedWithTheirOwner) {
    form.reset();
    const std::size_t before = Component::LiveCount();
    form = std::make_unique<toolkit::Form>(nullptr);
    Read(kSheet);
    EXPECT_EQ(Component::LiveCount(), before + 8);
    form.reset();
    EXPECT_EQ(Component::LiveCount(), before);
}

TEST_F(Description, ProgramResourcesHoldDescriptionsAndTheirPictures) {
    toolkit::ReadComponentResource(*form, L"reader.form", handlers);
    auto* swatch = form->Find<test::TestPicture>(L"Swatch");
    ASSERT_NE(swatch, nullptr);
    EXPECT_EQ(swatch->Picture().Width(), 8);
    EXPECT_EQ(swatch->Picture().Height(), 8);
    try {
        toolkit::ReadComponentResource(*form, L"missing.form", handlers);
        ADD_FAILURE() << "a missing description was read";
    } catch (const toolkit::Error& error) {
        EXPECT_NE(error.Message().find(L"missing.form"), std::wstring::npos);
    }
}

} // namespace
