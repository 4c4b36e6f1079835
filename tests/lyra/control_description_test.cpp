// The control bases publish what window descriptions set on framework controls, the icon
// selection's picture included.
#include "lyra/buffer_graphic_control.h"
#include "lyra/icon_select.h"
#include "lyra/windows_control.h"
#include "tests/gui_support/gui_test_support.h"
#include "toolkit/class_registry.h"
#include "toolkit/description_reader.h"
#include "toolkit/form.h"

#include <cstring>
#include <memory>
#include <vector>

namespace {

class DescribedControl : public lyra::LyWindowsControl {
  public:
    explicit DescribedControl(toolkit::Component* owner)
        : lyra::LyWindowsControl(owner), Icon(this) {
        PublishObject(L"Icon", Icon);
    }
    lyra::LyIconSelect Icon;
};

class DescribedGraphic : public lyra::LyBufferGraphicControl {
  public:
    using lyra::LyBufferGraphicControl::LyBufferGraphicControl;
    int loadedCalls = 0;

  protected:
    void ComponentLoaded() override { ++loadedCalls; }
};

const wchar_t kDescription[] = LR"(object Host: Form
  object Box: DescribedControl
    Width = 120
    Height = 40
    Font.Name = 'DejaVu Sans'
    Font.Height = -15
    PaddingFill.Left = 4
    PaddingFill.Bottom = 2
    FocusFlags = [CatchTab, CatchDown]
    Opacity = 200
    Transparent = False
    HitTest = False
    TabStop = False
    Icon.IconType = Image
    Icon.SelectPicture = 'icon.bmp'
    OnPaintBuffer = BoxPainted
  end
  object Mark: DescribedGraphic
    Width = 10
    Height = 10
  end
end
)";

TEST(ControlDescription, SetsThePublishedPropertiesOfTheBases) {
    toolkit::ClassRegistry::Register<DescribedControl>(L"DescribedControl");
    toolkit::ClassRegistry::Register<DescribedGraphic>(L"DescribedGraphic");
    toolkit::Form form(nullptr);
    int painted = 0;
    toolkit::HandlerTable handlers;
    handlers.Add<void(toolkit::Component*)>(L"BoxPainted", [&](toolkit::Component*) { ++painted; });
    const toolkit::PictureSource pictures = [&](const std::wstring&) {
        // A black 6 x 4 BMP file: file header, info header, 32-bit pixels.
        std::vector<std::uint8_t> bytes(14 + 40 + 6 * 4 * 4, 0);
        bytes[0] = 'B', bytes[1] = 'M';
        bytes[10] = 54;
        BITMAPINFOHEADER header{sizeof(header), 6, 4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        std::memcpy(&bytes[14], &header, sizeof(header));
        return bytes;
    };
    toolkit::ReadComponent(form, kDescription, L"test.form", handlers, pictures);

    auto* box = form.Find<DescribedControl>(L"Box");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->TextFont().Name(), L"DejaVu Sans");
    EXPECT_EQ(box->TextFont().Height(), -15);
    EXPECT_EQ(box->PaddingFill().Left(), 4);
    EXPECT_EQ(box->PaddingFill().Bottom(), 2);
    EXPECT_EQ(box->FocusFlags(),
              (lyra::LyFocusFlags{lyra::LyFocusFlag::CatchTab, lyra::LyFocusFlag::CatchDown}));
    EXPECT_EQ(box->Opacity(), 200);
    EXPECT_FALSE(box->Transparent());
    EXPECT_FALSE(box->HitTest());
    EXPECT_FALSE(box->TabStop());
    EXPECT_EQ(box->Icon.IconType(), lyra::LyIconType::Image);
    ASSERT_NE(box->Icon.SelectPicture(), nullptr);
    EXPECT_EQ(box->Icon.SelectPicture()->Width(), 6);
    // The window is not showing: the buffer is drawn when it is first needed.
    EXPECT_EQ(painted, 0);
    EXPECT_EQ(box->BufferBitmap().Width(), 120);
    EXPECT_EQ(painted, 1);

    auto* mark = form.Find<DescribedGraphic>(L"Mark");
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->loadedCalls, 1);
    EXPECT_EQ(mark->BufferBitmap().Width(), 10);
}

} // namespace
