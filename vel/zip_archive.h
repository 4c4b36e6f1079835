#pragma once
// Reading a ZIP archive and extracting all of it below a folder: what the installation
// engine uses to put the application's files on the disk.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vel/handle.h"
#include "vel/kept_files.h"
#include "vel/zip_directory.h"
#include "vel/zip_error.h"

namespace vel {

// What one extraction wrote, as full paths, so that it can be recorded for the
// uninstaller or taken away again.
struct ZipExtraction {
    std::vector<std::wstring> CreatedFiles;   // did not exist before
    std::vector<std::wstring> ReplacedFiles;  // existed before and now hold the entry
    std::vector<std::wstring> CreatedFolders; // parents before children
    // The earlier content of the replaced files, when the caller asked to keep it.
    std::vector<TKeptFile> KeptFiles;
};

// What becomes of the files an extraction replaces once it has succeeded: thrown away,
// or kept aside for the caller to put back or throw away (see kept_files.h).
enum class ZipReplaced { Discard, Keep };

class ZipArchive {
  public:
    // Bytes written so far and in all; called often enough to move a progress bar. An
    // exception thrown by it stops the extraction, which is then undone.
    using Progress = std::function<void(uint64_t done, uint64_t total)>;

    ZipArchive();
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Opens the file for reading; others may read it meanwhile but not change it. The
    // whole central directory is read and checked here, so a damaged or unsafe archive
    // fails before anything is written. Throws ZipError; the archive is then closed.
    void Open(const std::wstring& path);
    // The same with a handle opened by the caller, who decides its sharing; it needs
    // read access. Every read names its offset, so the handle's file pointer does not
    // matter (and may move).
    void Open(UniqueHandle file);
    bool IsOpen() const { return source_ != nullptr; }
    // The checked entries in the order of their data.
    const std::vector<ZipEntry>& Entries() const { return directory_.Entries; }

    // Extracts every entry below folder with its relative path, creating folders and
    // replacing files. Each file is written under a temporary name and takes its real
    // name only once its size and CRC-32 are right; a file it replaces is kept aside
    // meanwhile. On any failure the files and folders this call created are removed,
    // the replaced files get their earlier content back, and ZipError is thrown.
    ZipExtraction ExtractAll(const std::wstring& folder, const Progress& progress = {},
                             ZipReplaced replaced = ZipReplaced::Discard);

    void Close();

  private:
    std::unique_ptr<ZipSource> source_;
    ZipDirectory directory_;
};

} // namespace vel
