#include "installer/installed_files.h"

#include <windows.h>

#include <set>
#include <vector>

#include "installer/file_writer.h"
#include "installer/folders.h"
#include "vel/utf8.h"
#include "vel/folders.h"
#include "vel/text.h"

namespace installer {

namespace {

struct ListEntry {
    wchar_t kind; // 'D' folder, 'F' file
    std::wstring path;
};

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

// What an earlier installation listed and is still there: an update must not turn the
// files of the previous version that this archive no longer has into "user files".
std::vector<ListEntry> EarlierEntries(const std::wstring& installFolder, const std::wstring& list) {
    std::vector<ListEntry> entries;
    std::wstring text = vel::FromUtf8(ReadWholeFile(list));
    for (const std::wstring& line : vel::SplitString(text, L"\n")) {
        std::wstring entry = line;
        if (!entry.empty() && entry.back() == L'\r') entry.pop_back();
        if (entry.size() < 3 || entry[1] != L' ' || (entry[0] != L'F' && entry[0] != L'D'))
            continue;
        std::wstring path = entry.substr(2);
        DWORD attributes = GetFileAttributesW(
            vel::ExtendedLengthPath(WithDelimiter(installFolder) + path).c_str());
        bool isFolder =
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        if (attributes != INVALID_FILE_ATTRIBUTES && isFolder == (entry[0] == L'D'))
            entries.push_back({entry[0], path});
    }
    return entries;
}

} // namespace

std::wstring WriteInstalledFilesList(const std::wstring& installFolder,
                                     const TInstallJournal& journal) {
    const std::wstring list = WithDelimiter(installFolder) + kInstalledFilesName;
    std::vector<ListEntry> entries = EarlierEntries(installFolder, list);
    for (const std::wstring& folder : journal.CreatedFolders)
        if (auto relative = Inside(installFolder, folder); !relative.empty())
            entries.push_back({L'D', relative});
    for (const std::wstring& file : journal.WrittenFiles())
        if (auto relative = Inside(installFolder, file); !relative.empty())
            entries.push_back({L'F', relative});
    entries.push_back({L'F', kInstalledFilesName});

    std::string text = "; Files and folders that Quillpad Setup installed here.\r\n";
    std::set<std::wstring> written;
    for (wchar_t kind : {L'D', L'F'})
        for (const ListEntry& entry : entries)
            if (entry.kind == kind && written.insert(kind + vel::LowerCase(entry.path)).second)
                text += vel::ToUtf8(std::wstring(1, kind) + L" " + entry.path + L"\r\n");
    WriteWholeFile(list, std::as_bytes(std::span(text.data(), text.size())));
    return list;
}

} // namespace installer
