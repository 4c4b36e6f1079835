#include "installer/package_info.h"

#include <memory>

#include "installer/center_form.h"
#include "installer/config.h"
#include "toolkit/application.h"
#include "toolkit/clipboard.h"
#include "toolkit/error.h"
#include "toolkit/rich_edit.h"

namespace installer {

uint32_t InfoTextColorFor(bool DarkTheme) {
    return DarkTheme ? 0xFFFFFF : 0;
}

TPackageInfo::TPackageInfo(toolkit::Component* AOwner) : LyForm(AOwner) {
    Handlers().Add(L"Navigation_ExportClick", this, &TPackageInfo::Navigation_ExportClick);
    ReadDescription(L"PackageInfo.form");
    DataSheet = Find<toolkit::RichEdit>(L"DataSheet");
    if (!DataSheet) throw toolkit::Error(L"The package window's description lacks DataSheet");
    OnThemeChange = [this](toolkit::Component*, lyra::LyThemeType, bool DarkTheme, lyra::TColor) {
        RecolorSheet(DarkTheme);
    };
}

void TPackageInfo::ShowSheet(const std::vector<TSheetLine>& lines) {
    const auto color = static_cast<toolkit::TColor>(InfoTextColor);
    DataSheet->Font().SetColor(color);
    DataSheet->Clear();
    // The empty sheet's insertion point: every line appended takes its colour from there.
    DataSheet->SetSelectionColor(color);
    for (const TSheetLine& line : lines) {
        DataSheet->AppendLine(line.Text);
        if (line.Header) BoldLastLine();
    }
    DataSheet->Select(0, 0);
}

void TPackageInfo::BoldLastLine() {
    DataSheet->Font().SetColor(static_cast<toolkit::TColor>(InfoTextColor));
    const std::vector<std::wstring> lines = DataSheet->Lines();
    if (lines.empty()) return;
    // The header is the last line, followed by its line break (one position).
    const int end = DataSheet->TextLength();
    const int lineStart = end - static_cast<int>(lines.back().size()) - 1;
    const int nameStart = lineStart + static_cast<int>(kSheetHeaderMark.size());
    if (nameStart < end - 1) {
        DataSheet->Select(nameStart, end - 1 - nameStart);
        DataSheet->SetSelectionStyle({toolkit::FontStyle::Bold});
    }
    // What is appended next starts plain.
    DataSheet->Select(end, 0);
    DataSheet->SetSelectionStyle({});
}

void TPackageInfo::RecolorSheet(bool DarkTheme) {
    const auto color = static_cast<toolkit::TColor>(InfoTextColorFor(DarkTheme));
    DataSheet->Font().SetColor(color);
    if (DataSheet->HandleAllocated()) DataSheet->SetAllTextColor(color);
}

void TPackageInfo::Navigation_ExportClick(toolkit::Component*) {
    toolkit::Clipboard::SetText(DataSheet->Text());
}

void ShowPackageInfo(const toolkit::Form& wizard) {
    std::unique_ptr<TPackageInfo> window =
        std::make_unique<TPackageInfo>(&toolkit::Application::Instance());
    CenterFormInForm(*window, wizard, false);
    window->ShowSheet(PackageSheetLines());
    window->ShowModal();
}

} // namespace installer
