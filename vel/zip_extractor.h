#pragma once
// Writing every entry of a checked directory below a folder, and undoing that work
// when anything fails.
#include <string>

#include "vel/zip_archive.h"

namespace vel {

ZipExtraction ExtractEntries(ZipSource& source, const ZipDirectory& directory,
                             const std::wstring& folder, const ZipArchive::Progress& progress);

} // namespace vel
