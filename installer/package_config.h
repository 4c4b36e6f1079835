#pragma once
// The configuration a publisher's package gives its installer. scripts/package.py writes
// it into the resource SETUPCONFIG of a built installer: UTF-8 text, one "Field = value"
// line per field of the two records (and the check-box labels), '#' starting a comment.
// Fields it names replace the built-in values; the rest keep them.
#include <string_view>

namespace installer {

// Applies the lines to AppOptions, InstallOptions and ConfiguredTexts. Throws
// toolkit::Error naming the line for an unknown field or a value of the wrong kind:
// the packager checks both, so this means a damaged or foreign resource.
void ApplyPackageConfiguration(std::wstring_view text);

// The package's configuration and licence text when the program carries them.
void LoadPackageConfiguration();

} // namespace installer
