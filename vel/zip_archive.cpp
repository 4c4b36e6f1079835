#include "vel/zip_archive.h"

#include <windows.h>

#include <unordered_map>
#include <unordered_set>

#include "vel/zip_extractor.h"
#include "vel/zip_file_source.h"
#include "vel/zip_files.h"

namespace vel {

namespace {

// Upper case the way Windows compares file names, so "Readme.txt" and "README.TXT"
// are seen as the one file they would be on the disk.
std::wstring NameKey(const std::wstring& path) {
    if (path.empty()) return path;
    std::wstring key(path.size(), L'\0');
    const int length = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, path.data(),
                                     static_cast<int>(path.size()), key.data(),
                                     static_cast<int>(key.size()), nullptr, nullptr, 0);
    key.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return length > 0 ? key : path;
}

// Two entries for one file, or one path that is a file in one entry and a folder in
// another, cannot both be extracted; the archive is refused before anything is written.
void CheckForClashes(const std::vector<ZipEntry>& entries) {
    std::unordered_set<std::wstring> files, folders;
    std::vector<std::pair<std::wstring, const ZipEntry*>> fileKeys;
    for (const ZipEntry& entry : entries) {
        std::wstring key = NameKey(entry.Path);
        for (size_t slash = key.find(L'\\'); slash != std::wstring::npos;
             slash = key.find(L'\\', slash + 1))
            folders.insert(key.substr(0, slash));
        if (entry.IsFolder) {
            folders.insert(key);
            continue;
        }
        if (!files.insert(key).second)
            throw EntryError(entry.Name, L"appears twice in the archive");
        fileKeys.emplace_back(std::move(key), &entry);
    }
    for (const auto& [key, entry] : fileKeys)
        if (folders.contains(key)) throw EntryError(entry->Name, L"is both a file and a folder");
}

} // namespace

ZipArchive::ZipArchive() = default;
ZipArchive::~ZipArchive() = default;

void ZipArchive::Open(const std::wstring& path) {
    Close();
    UniqueHandle file(CreateFileW(ExtendedLengthPath(FullPath(path)).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        throw ZipError(L"Cannot open the archive \"" + path + L"\": " +
                       SystemErrorText(GetLastError()));
    Open(std::move(file));
}

void ZipArchive::Open(UniqueHandle file) {
    Close();
    auto source = std::make_unique<ZipFileSource>(std::move(file));
    ZipDirectory directory = ReadZipDirectory(*source);
    CheckForClashes(directory.Entries);
    source_ = std::move(source);
    directory_ = std::move(directory);
}

ZipExtraction ZipArchive::ExtractAll(const std::wstring& folder, const Progress& progress,
                                     ZipReplaced replaced) {
    if (!source_) throw ZipError(L"No archive is open.");
    ZipExtraction done = ExtractEntries(*source_, directory_, folder, progress);
    if (replaced == ZipReplaced::Discard) {
        DiscardAll(done.KeptFiles);
        done.KeptFiles.clear();
    }
    return done;
}

void ZipArchive::Close() {
    source_.reset();
    directory_ = ZipDirectory();
}

} // namespace vel
