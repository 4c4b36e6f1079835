#include "vel/accent_color.h"

#include "vel/color_light.h"

#include <windows.h>

#include <chrono>
#include <optional>

namespace vel {

namespace {

constexpr toolkit::TColor kDefaultAccent = 0x00D77800;
// What None gives: the Windows 10 default accent, a slightly different blue.
constexpr toolkit::TColor kNoAccent = 0x00D47800;

struct AccentState {
    toolkit::TColor raw = kDefaultAccent;
    toolkit::TColor adjusted = kDefaultAccent;
    std::optional<std::chrono::steady_clock::time_point> refreshed;
};

AccentState& State() {
    static AccentState state;
    return state;
}

int Brightness(toolkit::TColor color) {
    return (GetRValue(color) + GetGValue(color) + GetBValue(color)) / 3;
}

} // namespace

const toolkit::EnumNames<VAccentColor>& VAccentColorNames() {
    static const toolkit::EnumNames<VAccentColor> names = {
        {L"None", VAccentColor::None},
        {L"Accent", VAccentColor::Accent},
        {L"AccentAdjust", VAccentColor::AccentAdjust},
        {L"AccentCustom", VAccentColor::AccentCustom}};
    return names;
}

void RefreshAccentColors() {
    AccentState& state = State();
    state.refreshed = std::chrono::steady_clock::now();
    state.raw = state.adjusted = kDefaultAccent;
    DWORD value = 0, size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\DWM", L"AccentColor",
                     RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS) {
        // The top byte is the colour's alpha, not part of a colour reference.
        state.raw = state.adjusted = toolkit::TColor(value % 0xFF000000u & 0x00FFFFFFu);
    }
    const int brightness = Brightness(state.raw);
    if (brightness < 110) state.adjusted = ChangeColorLight(state.raw, 110 - brightness);
    if (brightness > 155) state.adjusted = ChangeColorLight(state.raw, 155 - brightness);
}

toolkit::TColor AccentColorOf(VAccentColor Kind) {
    const AccentState& state = State();
    using namespace std::chrono;
    if (!state.refreshed || steady_clock::now() - *state.refreshed > seconds(30))
        RefreshAccentColors();
    switch (Kind) {
    case VAccentColor::Accent:
        return state.raw;
    case VAccentColor::AccentAdjust:
        return state.adjusted;
    case VAccentColor::AccentCustom:
        return CustomAccentColor;
    case VAccentColor::None:
        break;
    }
    return kNoAccent;
}

} // namespace vel
