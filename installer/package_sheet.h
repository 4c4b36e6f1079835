#pragma once
// The lines of the package-information sheet: the whole configuration of this installer
// package, in sections, as the user reads (and copies) it.
#include <string>
#include <vector>

namespace installer {

struct TSheetLine {
    std::wstring Text;
    // A section header: the arrow, a space and the section name, whose words are bold.
    bool Header = false;
};

// What a header line starts with before its name: the arrow U+1F882 and a space.
inline const std::wstring kSheetHeaderMark = L"\U0001F882 ";

// The sheet for the configuration as it is now; the "Previous installation" section is
// there only for an update.
std::vector<TSheetLine> PackageSheetLines();

} // namespace installer
