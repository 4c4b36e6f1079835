// How a menu level paints its entries onto its backdrop.
#include "lyra/gdi_shapes.h"
#include "lyra/icon_view.h"
#include "lyra/popup_menu.h"
#include "lyra/text_layout.h"
#include "lyra/theme_manager.h"

#include <algorithm>
#include <cmath>

namespace lyra {

namespace {
constexpr TColor KeyColor = 0x00FF0083;
constexpr int RowHeight = 35;
constexpr int MinimumWidth = 215;
constexpr wchar_t RadioMark[] = L"\uE915";
constexpr wchar_t CheckMark[] = L"\uE73E";
constexpr wchar_t SubmenuArrow[] = L"\uE76C";
constexpr UINT CentredLine = DT_CENTER | DT_SINGLELINE | DT_VCENTER;

bool HasChildren(const LyPopupContainer& entry) {
    return entry.Items().Count() > 0;
}
bool Checkable(const LyPopupContainer& entry) {
    return !HasChildren(entry) && (entry.AutoCheck() || entry.RadioItem() || entry.Checked());
}
bool HasIcon(const LyPopupContainer& entry) {
    return entry.Image().Enabled();
}

// A text in the canvas's font scaled by factor, right-aligned before the window's right margin;
// its width.
int DrawRightAligned(toolkit::Canvas& canvas, const std::wstring& text, double factor, int width,
                     int y) {
    const int size = canvas.Font().Size();
    canvas.Font().SetSize(int(std::lround(size * factor)));
    const int textWidth = canvas.TextWidth(text);
    RECT place{width - textWidth - 20, y, width - 20, y + RowHeight};
    canvas.TextRect(place, text, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
    canvas.Font().SetSize(size);
    return textWidth;
}
} // namespace

void LyPopupComponent::PaintItems() {
    if (!FForm || !FGlassBlur) return;
    toolkit::Canvas& canvas = FGlassBlur->Buffer();
    const TColor foreground = FDrawColors->ForeGround;
    const bool dark = ThemeManager().DarkTheme();
    const BYTE highlightAlpha = (dark && !FItemPressed) || (!dark && FItemPressed) ? 40 : 20;
    const Gdiplus::SolidBrush highlight{Gdiplus::Color(MakeGPColor(foreground, highlightAlpha))};
    const int width = FGlassBlur->Width();

    canvas.Brush().SetStyle(toolkit::BrushStyle::Clear);
    auto useWindowFont = [&](bool bold, bool enabled) {
        canvas.Font().Assign(FForm->Font());
        if (bold) canvas.Font().SetStyle({toolkit::FontStyle::Bold});
        canvas.Font().SetColor(enabled ? foreground : DisabledIconColor);
    };

    bool hasIcons = false, hasChecks = false;
    for (int index = 0; index < Items().Count(); ++index) {
        hasIcons = hasIcons || HasIcon(*Items().GetItem(index));
        hasChecks = hasChecks || Checkable(*Items().GetItem(index));
    }

    int y = 5;
    int normalWidth = MinimumWidth;
    for (int index = 0; index < Items().Count(); ++index) {
        LyPopupItem& entry = *Items().GetItem(index);
        entry.FBounds = {};
        if (!entry.Visible()) continue;
        if (entry.IsSeparator()) {
            GDIFillRect(canvas, {10, y, width - 10, y + 1}, foreground, 100);
            y += 1;
            continue;
        }
        int x = 20;
        if (index == FHoverOver) {
            GDIRoundRect(canvas, TRoundRect({10, y + 2, width - 10, y + 33}, 15), &highlight,
                         nullptr);
        }
        if (Checkable(entry) && entry.Checked()) {
            useWindowFont(false, entry.Enabled());
            const std::wstring mark = entry.RadioItem() ? RadioMark : CheckMark;
            canvas.Font().SetName(ThemeManager().IconFont());
            FitFontHeight(canvas, mark, 20, RowHeight);
            RECT place{x, y, x + 20, y + RowHeight};
            canvas.TextRect(place, mark, CentredLine);
        }
        if (hasChecks) x += 35;
        if (HasIcon(entry)) {
            useWindowFont(false, entry.Enabled());
            canvas.Brush().SetColor(canvas.Font().Color());
            entry.Image().DrawIcon(canvas, {x, y, x + 20, y + RowHeight});
            canvas.Brush().SetStyle(toolkit::BrushStyle::Clear);
        }
        if (HasIcon(entry) || (hasIcons && !hasChecks)) x += 35;

        useWindowFont(entry.IsDefault(), entry.Enabled());
        const int textWidth = canvas.TextWidth(entry.Text());
        RECT textPlace{x, y, x + textWidth, y + RowHeight};
        canvas.TextRect(textPlace, entry.Text(), CentredLine);
        x += textWidth + 20;
        if (!entry.Shortcut().empty() && !HasChildren(entry)) {
            useWindowFont(false, entry.Enabled());
            x += DrawRightAligned(canvas, entry.Shortcut(), 2.5 / 3, width, y) + 20;
        }
        if (HasChildren(entry)) {
            useWindowFont(false, entry.Enabled());
            canvas.Font().SetName(ThemeManager().IconFont());
            x += DrawRightAligned(canvas, SubmenuArrow, 2.8 / 3, width, y) + 20;
        }
        // The widest entry decides, so that no entry is cut off.
        normalWidth = std::max(normalWidth, x);
        entry.FBounds = {10, y, 0, y + RowHeight};
        y += RowHeight;
    }
    for (int index = 0; index < Items().Count(); ++index) {
        LyPopupItem& entry = *Items().GetItem(index);
        if (entry.FBounds.bottom > entry.FBounds.top) entry.FBounds.right = normalWidth;
    }
    NormalWidthValue = normalWidth;

    NormalHeightValue = y + 5;
    if (NormalWidthValue != width || NormalHeightValue != FGlassBlur->Height()) {
        // Entries changed: the backdrop takes the new size and paints again at once, corners
        // and all; an open window that is not growing follows it.
        if (MenuOpen() && (!FAnim || !FAnim->Running()))
            FForm->SetBounds(FForm->Left(), FForm->Top(), NormalWidthValue, NormalHeightValue);
        FGlassBlur->SetBounds(0, 0, NormalWidthValue, NormalHeightValue);
        return;
    }

    if (!FEnableRadius) return;
    const RECT outline = canvas.ClipRect();
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(KeyColor);
    for (int corner = 0; corner <= 28; ++corner)
        canvas.RoundRect(outline, corner, corner);
    if (!FEnableBorder) return;
    canvas.Pen().SetColor(FDrawColors->Accent);
    canvas.RoundRect(outline, 29, 29);
}

} // namespace lyra
