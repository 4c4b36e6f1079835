// The theme manager against real registry values in a scratch key: the system theme and
// accent, the poll, forced modes, the accent override, damping, and the forms it notifies.
#include "lyra/control_interface.h"
#include "lyra/theme_manager.h"
#include "toolkit/application.h"
#include "toolkit/error.h"
#include "toolkit/form.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include "color_set_support.h"
#include "tests/support/scratch_key.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

using lyra::LyDarkSetting;
using lyra::LyThemeManager;
using lyra::TColor;

// A framework form reduced to what the theme manager talks to.
class ThemedForm : public toolkit::Form, public lyra::LyControl {
  public:
    explicit ThemedForm(toolkit::Component* owner) : toolkit::Form(owner) {}

    bool IsContainer() const override { return true; }
    void UpdateTheme(bool UpdateChildren) override {
        ++updates;
        EXPECT_TRUE(UpdateChildren);
        if (onUpdate) onUpdate();
    }
    TColor Background() const override { return 0; }

    int updates = 0;
    std::function<void()> onUpdate;
};

// A registry value to write, or nothing to leave it missing.
struct StoredValue {
    DWORD type;
    std::vector<BYTE> data;
};

StoredValue Number(DWORD value) {
    const auto* bytes = reinterpret_cast<const BYTE*>(&value);
    return {REG_DWORD, std::vector<BYTE>(bytes, bytes + sizeof(value))};
}

class ThemeManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        toolkit::Application::Instance().OnException = [](const std::exception_ptr& exception) {
            ADD_FAILURE() << "escaped: "
                          << testing::PrintToString(toolkit::ExceptionMessage(exception));
        };
    }
    void TearDown() override { toolkit::Application::Instance().OnException = nullptr; }

    void Store(const std::wstring& key, const wchar_t* name,
               const std::optional<StoredValue>& value) {
        if (value)
            test::RawWrite(HKEY_CURRENT_USER, key, name, value->type, value->data);
        else
            RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), name);
    }
    void SetAppsUseLightTheme(const std::optional<StoredValue>& value) {
        Store(keys.Personalize, L"AppsUseLightTheme", value);
    }
    void SetAccent(const std::optional<StoredValue>& value) {
        Store(keys.Dwm, L"AccentColor", value);
    }
    std::unique_ptr<LyThemeManager> Make(bool designing = false) {
        return std::make_unique<LyThemeManager>(lyra::LyThemeManagerOptions{keys, designing});
    }
    // One poll of the system setting, as the timer makes it.
    static void Tick(LyThemeManager& manager) { manager.RegistryMonitor()->OnTimer(nullptr); }

    test::ScratchKey scratch;
    lyra::LySystemThemeKeys keys{scratch.Relative() + L"\\Personalize",
                                 scratch.Relative() + L"\\DWM"};
};

struct ThemeCase {
    const char* what;
    std::optional<StoredValue> value;
    bool dark;
};

TEST_F(ThemeManagerTest, SystemThemeIsDarkOnlyForANumberOtherThanOne) {
    EXPECT_FALSE(lyra::IsSystemDarkTheme(keys)) << "no Personalize key";
    const ThemeCase cases[] = {
        {"missing", std::nullopt, false},
        {"0", Number(0), true},
        {"1", Number(1), false},
        {"2", Number(2), true},
        {"text", StoredValue{REG_SZ, {'0', 0, 0, 0}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetAppsUseLightTheme(c.value);
        EXPECT_EQ(lyra::IsSystemDarkTheme(keys), c.dark);
    }
}

struct AccentCase {
    const char* what;
    std::optional<StoredValue> value;
    TColor plain, lightened;
};

TEST_F(ThemeManagerTest, SystemAccentKeepsOnlyTheColourBytes) {
    const AccentCase cases[] = {
        {"missing", std::nullopt, 0x00D77800, 0x00FFAA32},
        {"opaque", Number(0xFFD77800), 0x00D77800, 0x00FFAA32},
        {"no alpha", Number(0x00123456), 0x00123456, 0x00446688},
        {"half alpha", Number(0x80D77800), 0x00D77800, 0x00FFAA32},
        {"low alpha", Number(0x01102030), 0x00102030, 0x00425262},
        {"text", StoredValue{REG_SZ, {'1', 0, 0, 0}}, 0x00D77800, 0x00FFAA32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetAccent(c.value);
        EXPECT_EQ(lyra::GetSystemAccentColor(false, keys), c.plain);
        EXPECT_EQ(lyra::GetSystemAccentColor(true, keys), c.lightened);
    }
}

TEST_F(ThemeManagerTest, CreationReadsTheSystemAndResolvesTheDefaultSets) {
    SetAppsUseLightTheme(Number(0));
    SetAccent(Number(0xFF112233));
    auto manager = Make();
    EXPECT_TRUE(manager->DarkTheme());
    EXPECT_EQ(manager->DarkThemeMode(), LyDarkSetting::Auto);
    EXPECT_TRUE(manager->AutoAccentColor());
    EXPECT_FALSE(manager->Designing());

    const TColor accent = 0x00435465; // #332211 lightened by 50
    EXPECT_EQ(manager->AccentColor(), accent);
    EXPECT_EQ(test::PublishedColors(manager->SystemColor),
              (std::vector<std::pair<std::wstring, TColor>>{{L"Accent", accent},
                                                            {L"BackGround", 0x00202020},
                                                            {L"ForeGround", 0x00FFFFFF},
                                                            {L"BackGroundInterior", 0x002B2B2B}}));
    EXPECT_EQ(TColor(manager->SystemColorSet.Accent), accent);
    EXPECT_EQ(TColor(manager->SystemColorSet.LightBackGround), 0x00F3F3F3);
    EXPECT_EQ(TColor(manager->SystemGrayControl.Accent), accent);
    EXPECT_EQ(TColor(manager->SystemGrayControl.DarkNone), 0x00A29F9D);
    const auto& states = manager->SystemAccentInteractStates;
    EXPECT_EQ((std::vector<TColor>{states.None, states.Hover, states.Press}),
              (std::vector<TColor>{accent, 0x005C6D7E, 0x002A3B4C}));
    EXPECT_EQ(TColor(manager->SystemToolTip().LightBackGroundInterior), 0x00FBFBFB);
    EXPECT_EQ(TColor(manager->SystemToolTip().Accent), 0x00D47800);
    EXPECT_EQ(manager->GetThemePrimaryColor(), 0x00000000);

    EXPECT_EQ(manager->FormFont(), L"Segoe UI");
    EXPECT_EQ(manager->FormFontHeight(), 22);
    EXPECT_EQ(manager->LargeFontHeight(), -20);
    EXPECT_EQ(manager->IconFont(), lyra::ChooseIconFont(toolkit::Screen::Instance().Fonts()));

    ASSERT_NE(manager->RegistryMonitor(), nullptr);
    EXPECT_TRUE(manager->RegistryMonitor()->Enabled());
    EXPECT_EQ(manager->RegistryMonitor()->Interval(), 100);
}

TEST_F(ThemeManagerTest, ADesigningManagerShowsTheLightThemeAndDoesNotPoll) {
    SetAppsUseLightTheme(Number(0));
    auto manager = Make(true);
    EXPECT_TRUE(manager->Designing());
    EXPECT_FALSE(manager->DarkTheme());
    EXPECT_EQ(manager->SystemColor.BackGround, 0x00F3F3F3);
    EXPECT_EQ(manager->GetThemePrimaryColor(), 0x00FFFFFF);
    EXPECT_EQ(manager->RegistryMonitor(), nullptr);
}

TEST(IconFontTest, FluentIconsWhenInstalledElseMdl2) {
    using Fonts = std::vector<std::wstring>;
    EXPECT_EQ(lyra::ChooseIconFont(Fonts{L"Arial", L"Segoe Fluent Icons", L"Segoe MDL2 Assets"}),
              L"Segoe Fluent Icons");
    EXPECT_EQ(lyra::ChooseIconFont(Fonts{L"Arial", L"Segoe MDL2 Assets"}), L"Segoe MDL2 Assets");
    EXPECT_EQ(lyra::ChooseIconFont(Fonts{}), L"Segoe MDL2 Assets");
    EXPECT_EQ(lyra::ChooseIconFont(Fonts{L"Segoe Fluent Icons Light"}), L"Segoe MDL2 Assets");
}

TEST_F(ThemeManagerTest, ThePollFollowsTheSystemAndNotifiesOnlyOnChange) {
    SetAppsUseLightTheme(Number(1));
    auto manager = Make();
    ThemedForm first(nullptr), second(nullptr);
    toolkit::Form plain(nullptr);

    struct Step {
        const char* what;
        std::optional<StoredValue> value;
        bool dark;
        int updates;
    };
    const Step steps[] = {
        {"unchanged light", Number(1), false, 0}, {"switched to 0", Number(0), true, 1},
        {"still 0", Number(0), true, 1},          {"removed", std::nullopt, false, 2},
        {"switched to 2", Number(2), true, 3},    {"switched to 1", Number(1), false, 4},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        SetAppsUseLightTheme(step.value);
        Tick(*manager);
        EXPECT_EQ(manager->DarkTheme(), step.dark);
        EXPECT_EQ(manager->SystemColor.BackGround, step.dark ? 0x00202020 : 0x00F3F3F3);
        EXPECT_EQ(first.updates, step.updates);
        EXPECT_EQ(second.updates, step.updates);
    }
}

TEST_F(ThemeManagerTest, TheTimerPollsOnItsOwn) {
    SetAppsUseLightTheme(Number(1));
    auto manager = Make();
    ThemedForm form(nullptr);
    SetAppsUseLightTheme(Number(0));
    // Generous: the poll runs every 100 ms; this only bounds a failing run.
    const DWORD deadline = GetTickCount() + 10000;
    while (!manager->DarkTheme() && int(deadline - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        toolkit::Application::Instance().ProcessMessages();
    }
    EXPECT_TRUE(manager->DarkTheme());
    EXPECT_EQ(form.updates, 1);
}

TEST_F(ThemeManagerTest, ForcedModesHoldUntilAutoAndTheNextPoll) {
    SetAppsUseLightTheme(Number(1));
    auto manager = Make();
    ThemedForm form(nullptr);

    manager->SetDarkThemeMode(LyDarkSetting::ForceDark);
    EXPECT_TRUE(manager->DarkTheme());
    EXPECT_EQ(form.updates, 1);
    Tick(*manager);
    EXPECT_TRUE(manager->DarkTheme()) << "the poll leaves a forced theme alone";
    manager->SetDarkThemeMode(LyDarkSetting::ForceDark);
    EXPECT_EQ(form.updates, 1) << "already dark";

    manager->SetDarkThemeMode(LyDarkSetting::ForceLight);
    EXPECT_FALSE(manager->DarkTheme());
    SetAppsUseLightTheme(Number(0));
    Tick(*manager);
    EXPECT_FALSE(manager->DarkTheme());
    EXPECT_EQ(form.updates, 2);

    manager->SetDarkThemeMode(LyDarkSetting::Auto);
    EXPECT_FALSE(manager->DarkTheme()) << "Auto waits for the next poll";
    EXPECT_EQ(form.updates, 2);
    Tick(*manager);
    EXPECT_TRUE(manager->DarkTheme());
    EXPECT_EQ(form.updates, 3);
}

TEST_F(ThemeManagerTest, ASetAccentSurvivesUpdatesUntilAutoAccentReturns) {
    SetAccent(Number(0xFF000000));
    auto manager = Make();
    ThemedForm form(nullptr);
    EXPECT_EQ(manager->AccentColor(), 0x00323232);

    manager->SetAccentColor(0x00102030);
    EXPECT_FALSE(manager->AutoAccentColor());
    EXPECT_EQ(form.updates, 1);
    SetAccent(Number(0xFF0000FF));
    manager->UpdateSettings();
    EXPECT_EQ(manager->AccentColor(), 0x00102030);
    EXPECT_EQ(manager->SystemColor.Accent, 0x00102030);
    EXPECT_EQ(TColor(manager->SystemGrayControl.Accent), 0x00102030);
    EXPECT_EQ(manager->SystemAccentInteractStates.Hover, 0x00293949);

    manager->SetAutoAccentColor(false);
    EXPECT_EQ(form.updates, 2) << "only turning it on updates";
    manager->SetAutoAccentColor(true);
    EXPECT_EQ(form.updates, 3);
    EXPECT_EQ(manager->AccentColor(), 0x003232FF);
    EXPECT_EQ(TColor(manager->SystemColorSet.Accent), 0x003232FF);
}

TEST_F(ThemeManagerTest, MeasuredUpdatesComeAtMostOncePerSecond) {
    auto manager = Make();
    ThemedForm form(nullptr);
    manager->MeasuredUpdateSettings();
    EXPECT_EQ(form.updates, 0) << "the manager was just created";

    manager->LastUpdate -= std::chrono::seconds(2);
    manager->MeasuredUpdateSettings();
    EXPECT_EQ(form.updates, 1);
    manager->MeasuredUpdateSettings();
    EXPECT_EQ(form.updates, 1) << "the update just made starts a new second";
}

TEST_F(ThemeManagerTest, NotifyUpdateReachesTheFormsThatAreOpen) {
    auto manager = Make();
    ThemedForm first(nullptr);
    auto closed = std::make_unique<ThemedForm>(nullptr);
    auto closedByFirst = std::make_unique<ThemedForm>(nullptr);
    ThemedForm last(nullptr);
    closed.reset();
    first.onUpdate = [&] { closedByFirst.reset(); };

    manager->NotifyUpdate();
    EXPECT_EQ(first.updates, 1);
    EXPECT_EQ(closedByFirst, nullptr);
    EXPECT_EQ(last.updates, 1);
}

TEST_F(ThemeManagerTest, LoadColorSetCopiesTheDefaultsEnabledIncluded) {
    SetAppsUseLightTheme(Number(0));
    auto manager = Make();
    lyra::LyCompleteColorSets custom;
    test::FillDistinct(custom);
    custom.SetEnabled(true);
    manager->LoadColorSet(custom);
    EXPECT_FALSE(custom.Enabled());
    EXPECT_EQ(test::PublishedColors(custom), test::PublishedColors(manager->SystemColorSet));

    lyra::LyCompleteColorSet resolved;
    manager->LoadColorSet(resolved);
    EXPECT_EQ(test::PublishedColors(resolved), test::PublishedColors(manager->SystemColor));
    EXPECT_EQ(resolved.BackGroundInterior, 0x002B2B2B);
}

TEST(ThemeColorTest, GetThemeColorTakesTheHalfOfTheThemeInForce) {
    LyThemeManager& manager = lyra::ThemeManager();
    lyra::LyCompleteColorSets colors;
    test::FillDistinct(colors);
    manager.SetDarkThemeMode(LyDarkSetting::ForceDark);
    EXPECT_EQ(lyra::GetThemeColor(colors, lyra::LyColorKind::BackGround),
              TColor(colors.DarkBackGround));
    manager.SetDarkThemeMode(LyDarkSetting::ForceLight);
    EXPECT_EQ(lyra::GetThemeColor(colors, lyra::LyColorKind::BackGroundInterior),
              TColor(colors.LightBackGroundInterior));
    manager.SetDarkThemeMode(LyDarkSetting::Auto);
    manager.UpdateThemeInformation();
}

} // namespace
