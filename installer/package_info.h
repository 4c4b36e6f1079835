#pragma once
// The package-information window: the whole configuration of this installer package as a
// read-only sheet, and a button that copies it to the clipboard.
#include <cstdint>
#include <vector>

#include "installer/package_sheet.h"
#include "lyra/form.h"

namespace toolkit {
class RichEdit;
}

namespace installer {

class TPackageInfo : public lyra::LyForm {
  public:
    explicit TPackageInfo(toolkit::Component* AOwner);

    // Replaces the sheet with these lines, headers in bold, and shows its top.
    void ShowSheet(const std::vector<TSheetLine>& lines);

  private:
    void Navigation_ExportClick(toolkit::Component* Sender);
    // Makes the words of the header just added bold; what follows it is plain again.
    void BoldLastLine();
    // A theme switch while the window is open: the text takes the new theme's colour.
    void RecolorSheet(bool DarkTheme);

    toolkit::RichEdit* DataSheet = nullptr;
};

// The sheet's text colour in a theme: white on the dark background, black on the light one.
uint32_t InfoTextColorFor(bool DarkTheme);

// Builds the sheet, shows the window modally over the wizard and destroys it once closed.
void ShowPackageInfo(const toolkit::Form& wizard);

} // namespace installer
