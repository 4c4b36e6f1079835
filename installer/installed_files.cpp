#include "installer/installed_files.h"

#include <windows.h>

#include "installer/file_writer.h"
#include "installer/folders.h"
#include "vel/folders.h"

namespace installer {

namespace {

std::string Utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n,
                        nullptr, nullptr);
    return bytes;
}

// The path relative to the folder (both in long form), or empty when it lies outside.
std::wstring Inside(const std::wstring& folder, const std::wstring& path) {
    std::wstring base = WithDelimiter(vel::ExtendedLengthPath(folder));
    std::wstring full = vel::ExtendedLengthPath(path);
    if (full.size() <= base.size() ||
        CompareStringOrdinal(full.c_str(), static_cast<int>(base.size()), base.c_str(),
                             static_cast<int>(base.size()), TRUE) != CSTR_EQUAL)
        return L"";
    return full.substr(base.size());
}

} // namespace

std::wstring WriteInstalledFilesList(const std::wstring& installFolder,
                                     const TInstallJournal& journal) {
    std::string text = "; Files and folders that Quillpad Setup installed here.\r\n";
    for (const std::wstring& folder : journal.CreatedFolders)
        if (auto relative = Inside(installFolder, folder); !relative.empty())
            text += "D " + Utf8(relative) + "\r\n";
    const std::wstring list = WithDelimiter(installFolder) + kInstalledFilesName;
    for (const std::wstring& file : journal.WrittenFiles)
        if (auto relative = Inside(installFolder, file); !relative.empty())
            text += "F " + Utf8(relative) + "\r\n";
    text += "F " + Utf8(kInstalledFilesName) + "\r\n";
    WriteWholeFile(list, std::as_bytes(std::span(text.data(), text.size())));
    return list;
}

} // namespace installer
