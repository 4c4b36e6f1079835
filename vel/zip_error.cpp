#include "vel/zip_error.h"

#include "vel/zip_names.h"

namespace vel {

ZipError::ZipError(const std::wstring& message)
    : std::runtime_error(EncodeUtf8(message)), message_(message) {}

ZipError EntryError(const std::wstring& entryName, const std::wstring& problem) {
    return ZipError(L"The archive entry \"" + entryName + L"\" " + problem + L".");
}

ZipError DamagedEntry(const std::wstring& entryName, const std::wstring& detail) {
    return EntryError(entryName, L"is damaged (" + detail + L")");
}

ZipError DamagedArchive(const std::wstring& detail) {
    return ZipError(L"The archive is damaged (" + detail + L").");
}

} // namespace vel
