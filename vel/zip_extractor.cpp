#include "vel/zip_extractor.h"

#include <windows.h>

#include <optional>
#include <thread>

#include "vel/zip_block_queue.h"
#include "vel/zip_decoder.h"
#include "vel/zip_files.h"

namespace vel {

namespace {

std::wstring Join(const std::wstring& folder, const std::wstring& relative) {
    if (relative.empty()) return folder;
    return folder.back() == L'\\' ? folder + relative : folder + L"\\" + relative;
}

std::wstring ParentPart(const std::wstring& relative) {
    const size_t slash = relative.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : relative.substr(0, slash);
}

// The extra field's UTC time when there is one; otherwise the DOS fields, which hold
// local time and are read with the time-zone rule of that date.
std::optional<FILETIME> LastWriteTime(const ZipEntry& entry) {
    FILETIME time{};
    if (entry.ModifiedTime) {
        time.dwLowDateTime = static_cast<DWORD>(*entry.ModifiedTime);
        time.dwHighDateTime = static_cast<DWORD>(*entry.ModifiedTime >> 32);
        return time;
    }
    FILETIME local{};
    SYSTEMTIME localParts{}, utcParts{};
    if (!DosDateTimeToFileTime(entry.DosDate, entry.DosTime, &local) ||
        !FileTimeToSystemTime(&local, &localParts) ||
        !TzSpecificLocalTimeToSystemTime(nullptr, &localParts, &utcParts) ||
        !SystemTimeToFileTime(&utcParts, &time))
        return std::nullopt;
    return time;
}

class Extractor {
  public:
    Extractor(ZipSource& source, const ZipDirectory& directory,
              const ZipArchive::Progress& progress)
        : source_(source), directory_(directory), progress_(progress) {}

    ZipExtraction Run(const std::wstring& folder) {
        try {
            const std::wstring root = FullPath(folder);
            folders_.Ensure(root);
            Report();
            DecodingThread decoding(*this);
            for (const ZipEntry& entry : directory_.Entries) {
                const std::wstring target = Join(root, entry.Path);
                if (entry.IsFolder) {
                    folders_.Ensure(target);
                    continue;
                }
                folders_.Ensure(Join(root, ParentPart(entry.Path)));
                WriteEntry(entry, target);
            }
        } catch (...) {
            Undo();
            throw;
        }
        return std::move(done_);
    }

  private:
    // Inflates the entries in order on a thread of its own while this one writes them,
    // so inflating overlaps the file calls, which under Wine spend much of their time
    // waiting for the Wine server. Progress and every file call stay on this thread.
    class DecodingThread {
      public:
        explicit DecodingThread(Extractor& owner)
            : owner_(owner), thread_([this] { owner_.DecodeAll(); }) {}
        ~DecodingThread() {
            owner_.blocks_.Stop();
            thread_.join();
        }
        DecodingThread(const DecodingThread&) = delete;
        DecodingThread& operator=(const DecodingThread&) = delete;

      private:
        Extractor& owner_;
        std::thread thread_;
    };

    struct Stopped {};

    void DecodeAll() noexcept {
        try {
            for (const ZipEntry& entry : directory_.Entries) {
                if (entry.IsFolder) continue;
                const uint64_t dataOffset = LocateEntryData(source_, entry, directory_.DataEnd);
                decoder_.Decode(source_, dataOffset, entry, [&](const uint8_t* data, size_t size) {
                    if (!blocks_.Push(data, size)) throw Stopped();
                });
                if (!blocks_.EndEntry()) return;
            }
        } catch (const Stopped&) {
        } catch (...) {
            blocks_.Fail(std::current_exception());
        }
    }

    void WriteEntry(const ZipEntry& entry, const std::wstring& target) {
        PartFile part(target);
        for (;;) {
            ZipBlockQueue::Block block = blocks_.Pop();
            if (block.EntryEnd) break;
            part.Write(block.Data.data(), block.Data.size());
            written_ += block.Data.size();
            blocks_.Recycle(std::move(block));
            Report();
        }
        if (const auto time = LastWriteTime(entry)) part.SetLastWriteTime(*time);
        TKeptFile kept;
        if (part.CommitTo(kept)) {
            done_.ReplacedFiles.push_back(target);
            done_.KeptFiles.push_back(std::move(kept));
        } else {
            done_.CreatedFiles.push_back(target);
        }
    }

    void Report() {
        if (progress_) progress_(written_, directory_.TotalUncompressed);
    }

    // Takes away what this run created, newest first, so folders are empty by the time
    // their turn comes, and gives the replaced files their earlier content back. A folder
    // that someone else filled meanwhile stays.
    void Undo() noexcept {
        for (auto file = done_.CreatedFiles.rbegin(); file != done_.CreatedFiles.rend(); ++file)
            DeleteFileW(ExtendedLengthPath(*file).c_str());
        PutBackAll(done_.KeptFiles);
        for (auto folder = done_.CreatedFolders.rbegin(); folder != done_.CreatedFolders.rend();
             ++folder)
            RemoveDirectoryW(ExtendedLengthPath(*folder).c_str());
    }

    ZipSource& source_;
    const ZipDirectory& directory_;
    const ZipArchive::Progress& progress_;
    ZipExtraction done_;
    FolderMaker folders_{done_.CreatedFolders};
    // Blocks of 1 MiB, four of them in flight: enough to keep both threads busy, and the
    // memory stays small whatever the payload.
    static constexpr size_t kBlock = 1 << 20;
    ZipDecoder decoder_{ZipDecoder::kDefaultInputBlock, kBlock};
    ZipBlockQueue blocks_{4 * kBlock};
    uint64_t written_ = 0;
};

} // namespace

ZipExtraction ExtractEntries(ZipSource& source, const ZipDirectory& directory,
                             const std::wstring& folder, const ZipArchive::Progress& progress) {
    return Extractor(source, directory, progress).Run(folder);
}

} // namespace vel
