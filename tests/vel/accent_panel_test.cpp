// The system accent colour as the library's panels take it, and copying settings objects.
#include "vel/accent_color.h"
#include "vel/components.h"
#include "vel/panel.h"
#include "toolkit/error.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using vel::VAccentColor;

// Sets (or, with no value, removes) the DWM accent of the test's user for one test.
class AccentColor : public ::testing::Test {
  protected:
    void SetUp() override { saved = Read(); }
    void TearDown() override {
        Write(saved);
        vel::RefreshAccentColors();
    }
    static std::optional<DWORD> Read() {
        DWORD value = 0, size = sizeof(value);
        if (RegGetValueW(HKEY_CURRENT_USER, kKey, L"AccentColor", RRF_RT_REG_DWORD, nullptr, &value,
                         &size) != ERROR_SUCCESS)
            return std::nullopt;
        return value;
    }
    static void Write(std::optional<DWORD> value) {
        if (value)
            RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"AccentColor", REG_DWORD, &*value,
                            sizeof(*value));
        else
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, L"AccentColor");
        vel::RefreshAccentColors();
    }
    static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows\\DWM";
    std::optional<DWORD> saved;
};

TEST_F(AccentColor, ReadsTheSystemAccentAndBringsItIntoTheMiddleBand) {
    const struct {
        std::optional<DWORD> stored;
        toolkit::TColor accent, adjusted;
    } cases[] = {
        {0xFFD77800, 0x00D77800, 0x00D77800}, // mean 111: inside the band
        {0xFF202020, 0x00202020, 0x006E6E6E}, // mean 32: lightened by 78
        {0xFFF0F0F0, 0x00F0F0F0, 0x009B9B9B}, // mean 240: darkened by 85
        {0x40F0F0F0, 0x00F0F0F0, 0x009B9B9B}, // any alpha byte is not part of the colour
        {std::nullopt, 0x00D77800, 0x00D77800},
    };
    for (const auto& c : cases) {
        Write(c.stored);
        EXPECT_EQ(vel::AccentColorOf(VAccentColor::Accent), c.accent);
        EXPECT_EQ(vel::AccentColorOf(VAccentColor::AccentAdjust), c.adjusted);
    }
    EXPECT_EQ(vel::AccentColorOf(VAccentColor::None), 0x00D47800);
    EXPECT_EQ(vel::AccentColorOf(VAccentColor::AccentCustom), 0x00C57517);
}

TEST_F(AccentColor, APanelWithAnAccentTakesItInsteadOfItsParentsColour) {
    Write(0xFF336699);
    toolkit::Panel parent(nullptr);
    parent.SetColor(toolkit::clRed);
    vel::VPanel panel(nullptr);
    panel.SetParentColor(true);
    panel.SetParent(&parent);
    EXPECT_EQ(panel.BevelOuter(), toolkit::BevelCut::None);
    EXPECT_EQ(panel.UseAccentColor(), VAccentColor::None);

    panel.SetUseAccentColor(VAccentColor::Accent);
    EXPECT_FALSE(panel.ParentColor());
    EXPECT_EQ(panel.Color(), 0x00336699);
    panel.SetUseAccentColor(VAccentColor::AccentCustom);
    EXPECT_EQ(panel.Color(), vel::CustomAccentColor);
    panel.SetParent(nullptr);
}

// Two settings classes that share some property names.
class Margins : public vel::TMPersistent {
  public:
    Margins() : vel::TMPersistent(nullptr) {
        Publish(L"Left", &Margins::Left, &Margins::SetLeft);
        Publish(L"Top", &Margins::Top, &Margins::SetTop);
    }
    int Left() const { return left; }
    void SetLeft(int value) { left = value; }
    int Top() const { return top; }
    void SetTop(int value) { top = value; }
    int left = 0, top = 0;
};

class Offsets : public vel::TMPersistent {
  public:
    Offsets() : vel::TMPersistent(nullptr) {
        Publish(L"Left", &Offsets::Left, &Offsets::SetLeft);
        Publish(L"Depth", &Offsets::Depth, &Offsets::SetDepth);
    }
    int Left() const { return left; }
    void SetLeft(int value) { left = value; }
    int Depth() const { return depth; }
    void SetDepth(int value) { depth = value; }
    int left = 0, depth = 0;
};

TEST(TMPersistent, AssignCopiesTheNamesBothHaveAndRefusesOtherObjects) {
    Margins margins;
    margins.left = 4;
    margins.top = 9;
    Offsets offsets;
    offsets.depth = 7;
    offsets.Assign(margins);
    EXPECT_EQ(offsets.left, 4);
    EXPECT_EQ(offsets.depth, 7);

    toolkit::Font font;
    EXPECT_THROW(offsets.Assign(font), toolkit::Error);
}

} // namespace
