#pragma once
// The archive's table of contents: finding the end record (also the ZIP64 one),
// reading every central directory entry with its extra fields, and checking each
// entry before anything is extracted. Pure logic over a ZipSource.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vel {

// Random access to the archive's bytes.
class ZipSource {
  public:
    virtual ~ZipSource() = default;
    virtual uint64_t Size() const = 0;
    // Fills buffer with exactly size bytes from offset, or throws ZipError.
    virtual void Read(uint64_t offset, void* buffer, size_t size) = 0;
};

enum class ZipMethod : uint16_t { Stored = 0, Deflated = 8 };

struct ZipEntry {
    std::wstring Name; // as the archive has it, decoded; "/" shown as "\" for the user
    std::wstring Path; // checked path below the target folder, parts joined with "\"
    bool IsFolder = false;
    ZipMethod Method = ZipMethod::Stored;
    uint32_t Crc32 = 0;
    uint64_t CompressedSize = 0;
    uint64_t UncompressedSize = 0;
    uint64_t LocalHeaderOffset = 0;
    uint16_t DosDate = 0;
    uint16_t DosTime = 0;
    // Last write time in 100 ns units since 1601-01-01 UTC, from the NTFS or the
    // extended-timestamp extra field; without one the local DOS date and time count.
    std::optional<uint64_t> ModifiedTime;
};

struct ZipDirectory {
    std::vector<ZipEntry> Entries;  // in the order of their data in the archive
    uint64_t DataEnd = 0;           // where the central directory begins
    uint64_t TotalUncompressed = 0; // sum over the files
};

// Reads and checks the whole central directory: every entry is a stored or deflated,
// unencrypted file or a folder, with a safe path and its data inside the archive.
// Throws ZipError naming the archive or the first entry at fault.
ZipDirectory ReadZipDirectory(ZipSource& source);

// Where the entry's data begins, read from its local header; throws ZipError when the
// header is missing or the data would reach past dataEnd.
uint64_t LocateEntryData(ZipSource& source, const ZipEntry& entry, uint64_t dataEnd);

} // namespace vel
