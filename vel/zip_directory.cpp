#include "vel/zip_directory.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "vel/zip_error.h"
#include "vel/zip_names.h"
#include "vel/zip_paths.h"

namespace vel {

namespace {

constexpr uint32_t kLocalHeaderSignature = 0x04034B50;
constexpr uint32_t kCentralHeaderSignature = 0x02014B50;
constexpr uint32_t kEndSignature = 0x06054B50;
constexpr uint32_t kZip64EndSignature = 0x06064B50;
constexpr uint32_t kZip64LocatorSignature = 0x07064B50;
constexpr size_t kLocalHeaderSize = 30;
constexpr size_t kCentralHeaderSize = 46;
constexpr size_t kEndSize = 22;
constexpr size_t kZip64LocatorSize = 20;
constexpr size_t kZip64EndSize = 56;
constexpr size_t kMaxCommentSize = 0xFFFF;
// Large enough for the biggest central header (three 64 KiB variable fields).
constexpr size_t kDirectoryBlockSize = 1 << 20;

constexpr uint16_t kFlagEncrypted = 0x0001;
constexpr uint16_t kFlagStrongEncryption = 0x0040;
constexpr uint16_t kFlagUtf8 = 0x0800;
constexpr uint16_t kFlagDirectoryEncrypted = 0x2000;
constexpr uint16_t kMethodAes = 99;
constexpr uint32_t kDosDirectoryAttribute = 0x10;
// The high byte of "version made by": the system the entry was written on.
constexpr uint8_t kHostUnix = 3;

constexpr uint16_t kExtraZip64 = 0x0001;
constexpr uint16_t kExtraNtfs = 0x000A;
constexpr uint16_t kExtraTimestamp = 0x5455;
constexpr uint16_t kExtraUnicodePath = 0x7075;

constexpr uint64_t kUnixEpochAsFileTime = 116444736000000000ULL;
constexpr uint64_t kFileTimeTicksPerSecond = 10000000ULL;

// Little-endian fields in a block the caller has checked to be long enough.
class FieldReader {
  public:
    FieldReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t Left() const { return size_ - pos_; }
    uint8_t U8() { return data_[pos_++]; }
    uint16_t U16() { return static_cast<uint16_t>(Take(2)); }
    uint32_t U32() { return static_cast<uint32_t>(Take(4)); }
    uint64_t U64() { return Take(8); }
    std::string_view Bytes(size_t n) {
        std::string_view bytes(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return bytes;
    }
    void Skip(size_t n) { pos_ += n; }

  private:
    uint64_t Take(size_t n) {
        uint64_t value = 0;
        for (size_t i = 0; i < n; ++i)
            value |= static_cast<uint64_t>(data_[pos_ + i]) << (8 * i);
        pos_ += n;
        return value;
    }

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

uint32_t Signature(const uint8_t* p) {
    return FieldReader(p, 4).U32();
}

// a + b <= limit, without overflow.
bool FitsBelow(uint64_t a, uint64_t b, uint64_t limit) {
    return a <= limit && b <= limit - a;
}

std::wstring ForDisplay(std::wstring name) {
    std::replace(name.begin(), name.end(), L'/', L'\\');
    return name;
}

struct EndRecord {
    uint64_t entryCount = 0;
    uint64_t directorySize = 0;
    uint64_t directoryOffset = 0;
    uint64_t endStart = 0; // first byte of the end records
    bool zip64 = false;
};

ZipError SplitArchive() {
    return ZipError(L"The archive is split into several parts, which is not supported.");
}

// The end record sits in the last 22 bytes plus an archive comment of up to 64 KiB.
// A candidate whose comment ends exactly at the end of the file wins; one followed by
// extra bytes is accepted when no exact one exists.
uint64_t FindEndRecord(ZipSource& source) {
    const uint64_t size = source.Size();
    if (size < kEndSize) throw ZipError(L"The file is not a ZIP archive.");
    const size_t tailSize =
        static_cast<size_t>(std::min<uint64_t>(size, kEndSize + kMaxCommentSize));
    std::vector<uint8_t> tail(tailSize);
    source.Read(size - tailSize, tail.data(), tailSize);

    std::optional<size_t> found;
    for (size_t i = tailSize - kEndSize + 1; i-- > 0;) {
        if (Signature(&tail[i]) != kEndSignature) continue;
        const size_t end = i + kEndSize + FieldReader(&tail[i + 20], 2).U16();
        if (end == tailSize) return size - tailSize + i;
        if (end < tailSize && !found) found = i;
    }
    if (found) return size - tailSize + *found;

    uint8_t head[4];
    source.Read(0, head, sizeof(head));
    if (Signature(head) == kLocalHeaderSignature)
        throw DamagedArchive(L"its end is missing; the file may be cut short");
    throw ZipError(L"The file is not a ZIP archive.");
}

EndRecord ReadEndRecords(ZipSource& source) {
    const uint64_t endOffset = FindEndRecord(source);
    uint8_t end[kEndSize];
    source.Read(endOffset, end, sizeof(end));
    FieldReader r(end, sizeof(end));
    r.Skip(4);
    const uint16_t disk = r.U16();
    const uint16_t directoryDisk = r.U16();
    r.Skip(2); // entries on this disk
    EndRecord record;
    record.entryCount = r.U16();
    record.directorySize = r.U32();
    record.directoryOffset = r.U32();
    record.endStart = endOffset;

    uint8_t locator[kZip64LocatorSize];
    if (endOffset >= kZip64LocatorSize) {
        source.Read(endOffset - kZip64LocatorSize, locator, sizeof(locator));
        if (Signature(locator) == kZip64LocatorSignature) {
            FieldReader l(locator + 4, sizeof(locator) - 4);
            const uint32_t zip64Disk = l.U32();
            const uint64_t zip64Offset = l.U64();
            const uint32_t diskCount = l.U32();
            if (zip64Disk != 0 || diskCount > 1) throw SplitArchive();
            if (!FitsBelow(zip64Offset, kZip64EndSize, endOffset - kZip64LocatorSize))
                throw DamagedArchive(L"its ZIP64 end record lies outside the file");
            uint8_t zip64[kZip64EndSize];
            source.Read(zip64Offset, zip64, sizeof(zip64));
            FieldReader z(zip64, sizeof(zip64));
            if (z.U32() != kZip64EndSignature)
                throw DamagedArchive(L"its ZIP64 end record is missing");
            z.Skip(8 + 2 + 2); // record size, versions
            if (z.U32() != 0 || z.U32() != 0) throw SplitArchive();
            z.Skip(8); // entries on this disk
            record.entryCount = z.U64();
            record.directorySize = z.U64();
            record.directoryOffset = z.U64();
            record.endStart = zip64Offset;
            record.zip64 = true;
            return record;
        }
    }
    if (disk != 0 || directoryDisk != 0) throw SplitArchive();
    return record;
}

// The central directory, handed out record by record and read in large blocks, so even
// an archive with a huge directory is never read whole into memory.
class DirectoryStream {
  public:
    DirectoryStream(ZipSource& source, uint64_t offset, uint64_t size)
        : source_(source), next_(offset), end_(offset + size),
          buffer_(static_cast<size_t>(std::min<uint64_t>(size, kDirectoryBlockSize))) {}

    bool AtEnd() const { return first_ == last_ && next_ == end_; }

    // The next n bytes; valid until the following call.
    const uint8_t* Take(size_t n) {
        if (last_ - first_ < n) Refill(n);
        const uint8_t* p = buffer_.data() + first_;
        first_ += n;
        return p;
    }

  private:
    void Refill(size_t n) {
        const size_t kept = last_ - first_;
        if (kept + (end_ - next_) < n) throw DamagedArchive(L"its central directory is cut short");
        std::memmove(buffer_.data(), buffer_.data() + first_, kept);
        const size_t more =
            static_cast<size_t>(std::min<uint64_t>(buffer_.size() - kept, end_ - next_));
        source_.Read(next_, buffer_.data() + kept, more);
        next_ += more;
        first_ = 0;
        last_ = kept + more;
    }

    ZipSource& source_;
    uint64_t next_;
    uint64_t end_;
    std::vector<uint8_t> buffer_;
    size_t first_ = 0;
    size_t last_ = 0;
};

// The fixed part of a central directory header, as far as we use it.
struct CentralHeader {
    uint8_t madeByHost = 0;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint16_t time = 0;
    uint16_t date = 0;
    uint32_t crc = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
    uint16_t nameLength = 0;
    uint16_t extraLength = 0;
    uint16_t commentLength = 0;
    uint16_t diskStart = 0;
    uint32_t externalAttributes = 0;
    uint32_t localHeaderOffset = 0;
};

CentralHeader ReadCentralHeader(const uint8_t* p) {
    FieldReader r(p, kCentralHeaderSize);
    if (r.U32() != kCentralHeaderSignature)
        throw DamagedArchive(L"an entry of its central directory is missing");
    CentralHeader h;
    r.Skip(1); // version made by
    h.madeByHost = r.U8();
    r.Skip(2); // version needed
    h.flags = r.U16();
    h.method = r.U16();
    h.time = r.U16();
    h.date = r.U16();
    h.crc = r.U32();
    h.compressedSize = r.U32();
    h.uncompressedSize = r.U32();
    h.nameLength = r.U16();
    h.extraLength = r.U16();
    h.commentLength = r.U16();
    h.diskStart = r.U16();
    r.Skip(2); // internal attributes
    h.externalAttributes = r.U32();
    h.localHeaderOffset = r.U32();
    return h;
}

// What the extra fields add to an entry.
struct ExtraFields {
    std::optional<std::string_view> zip64;
    std::optional<uint64_t> ntfsTime;
    std::optional<uint64_t> unixTime;
    std::optional<std::wstring> unicodeName;
};

void ReadNtfsTime(FieldReader field, ExtraFields& extras) {
    if (field.Left() < 4) return;
    field.Skip(4); // reserved
    while (field.Left() >= 4) {
        const uint16_t tag = field.U16();
        const uint16_t size = field.U16();
        if (size > field.Left()) return;
        if (tag == 1 && size >= 24) {
            extras.ntfsTime = field.U64();
            return;
        }
        field.Skip(size);
    }
}

void ReadUnixTime(FieldReader field, ExtraFields& extras) {
    if (field.Left() < 5 || !(field.U8() & 1)) return;
    const auto seconds = static_cast<int32_t>(field.U32());
    const int64_t ticks =
        static_cast<int64_t>(kUnixEpochAsFileTime) +
        static_cast<int64_t>(seconds) * static_cast<int64_t>(kFileTimeTicksPerSecond);
    extras.unixTime = static_cast<uint64_t>(ticks);
}

// Info-ZIP's Unicode path counts only while it belongs to the name beside it (same
// CRC-32), since a tool that renamed the entry may have left a stale one.
void ReadUnicodeName(FieldReader field, std::string_view rawName, ExtraFields& extras) {
    if (field.Left() < 5 || field.U8() != 1) return;
    const uint32_t nameCrc = field.U32();
    const auto* raw = reinterpret_cast<const Bytef*>(rawName.data());
    if (nameCrc != crc32(0, raw, static_cast<uInt>(rawName.size()))) return;
    extras.unicodeName = DecodeUtf8(field.Bytes(field.Left()));
}

// A malformed extra block ends the reading of extras rather than the archive: several
// writers pad or cut it, and the fields that matter are checked where they are needed.
ExtraFields ReadExtraFields(std::string_view block, std::string_view rawName) {
    ExtraFields extras;
    FieldReader r(reinterpret_cast<const uint8_t*>(block.data()), block.size());
    while (r.Left() >= 4) {
        const uint16_t id = r.U16();
        const uint16_t size = r.U16();
        if (size > r.Left()) break;
        const std::string_view data = r.Bytes(size);
        const FieldReader field(reinterpret_cast<const uint8_t*>(data.data()), data.size());
        if (id == kExtraZip64)
            extras.zip64 = data;
        else if (id == kExtraNtfs)
            ReadNtfsTime(field, extras);
        else if (id == kExtraTimestamp)
            ReadUnixTime(field, extras);
        else if (id == kExtraUnicodePath)
            ReadUnicodeName(field, rawName, extras);
    }
    return extras;
}

std::wstring DecodeName(const CentralHeader& h, std::string_view rawName,
                        const ExtraFields& extras) {
    if (h.flags & kFlagUtf8) {
        if (auto name = DecodeUtf8(rawName)) return *name;
        throw EntryError(ForDisplay(DecodeCp437(rawName)), L"has a name that is not valid UTF-8");
    }
    if (extras.unicodeName) return *extras.unicodeName;
    // Info-ZIP's zip on Linux stores the names as the file system has them, UTF-8
    // nowadays, without setting the flag; code page 437 is the DOS-era default.
    if (h.madeByHost == kHostUnix)
        if (auto name = DecodeUtf8(rawName)) return *name;
    return DecodeCp437(rawName);
}

// The ZIP64 field holds, in this order, exactly the values whose 32-bit (or 16-bit)
// places in the header are saturated.
void ApplyZip64(const CentralHeader& h, const ExtraFields& extras, ZipEntry& entry) {
    constexpr uint32_t kSaturated32 = 0xFFFFFFFF;
    const bool needUncompressed = h.uncompressedSize == kSaturated32;
    const bool needCompressed = h.compressedSize == kSaturated32;
    const bool needOffset = h.localHeaderOffset == kSaturated32;
    const bool needDisk = h.diskStart == 0xFFFF;
    if (!needUncompressed && !needCompressed && !needOffset && !needDisk) return;

    const std::string_view data = extras.zip64.value_or(std::string_view());
    const size_t needed = 8 * (needUncompressed + needCompressed + needOffset) + 4 * needDisk;
    if (data.size() < needed) throw DamagedEntry(entry.Name, L"its ZIP64 sizes are missing");
    FieldReader r(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    if (needUncompressed) entry.UncompressedSize = r.U64();
    if (needCompressed) entry.CompressedSize = r.U64();
    if (needOffset) entry.LocalHeaderOffset = r.U64();
    if (needDisk && r.U32() != 0) throw SplitArchive();
}

bool IsFolderEntry(const CentralHeader& h, std::string_view rawName) {
    const char last = rawName.empty() ? '\0' : rawName.back();
    return last == '/' || last == '\\' ||
           ((h.externalAttributes & kDosDirectoryAttribute) && h.uncompressedSize == 0);
}

void CheckFileEntry(const CentralHeader& h, const ZipEntry& entry, uint64_t dataEnd) {
    if ((h.flags & (kFlagEncrypted | kFlagStrongEncryption | kFlagDirectoryEncrypted)) ||
        h.method == kMethodAes)
        throw EntryError(entry.Name, L"is encrypted, which is not supported");
    if (h.method != static_cast<uint16_t>(ZipMethod::Stored) &&
        h.method != static_cast<uint16_t>(ZipMethod::Deflated))
        throw EntryError(entry.Name, L"uses a compression method that is not supported (" +
                                         std::to_wstring(h.method) + L")");
    if (entry.Method == ZipMethod::Stored && entry.CompressedSize != entry.UncompressedSize)
        throw DamagedEntry(entry.Name, L"its sizes disagree");
    if (!FitsBelow(entry.LocalHeaderOffset, kLocalHeaderSize, dataEnd) ||
        !FitsBelow(entry.LocalHeaderOffset + kLocalHeaderSize, entry.CompressedSize, dataEnd))
        throw DamagedEntry(entry.Name, L"its data lies outside the archive");
}

ZipEntry ReadEntry(DirectoryStream& stream, uint64_t dataEnd) {
    const CentralHeader h = ReadCentralHeader(stream.Take(kCentralHeaderSize));
    const uint8_t* variable = stream.Take(size_t{h.nameLength} + h.extraLength + h.commentLength);
    const std::string_view rawName(reinterpret_cast<const char*>(variable), h.nameLength);
    const std::string_view extraBlock(rawName.data() + h.nameLength, h.extraLength);
    const ExtraFields extras = ReadExtraFields(extraBlock, rawName);

    ZipEntry entry;
    entry.Name = ForDisplay(DecodeName(h, rawName, extras));
    entry.IsFolder = IsFolderEntry(h, rawName);
    entry.Method = static_cast<ZipMethod>(h.method);
    entry.Crc32 = h.crc;
    entry.CompressedSize = h.compressedSize;
    entry.UncompressedSize = h.uncompressedSize;
    entry.LocalHeaderOffset = h.localHeaderOffset;
    entry.DosDate = h.date;
    entry.DosTime = h.time;
    entry.ModifiedTime = extras.ntfsTime ? extras.ntfsTime : extras.unixTime;
    ApplyZip64(h, extras, entry);
    if (h.diskStart != 0 && h.diskStart != 0xFFFF) throw SplitArchive();

    const ZipPath path = CheckEntryPath(entry.Name);
    if (path.problem != ZipPathProblem::None)
        throw EntryError(entry.Name, ZipPathProblemText(path.problem));
    entry.Path = path.path;
    if (!entry.IsFolder) CheckFileEntry(h, entry, dataEnd);
    return entry;
}

} // namespace

ZipDirectory ReadZipDirectory(ZipSource& source) {
    const EndRecord end = ReadEndRecords(source);
    if (!FitsBelow(end.directoryOffset, end.directorySize, end.endStart))
        throw DamagedArchive(L"its central directory lies outside the file");

    ZipDirectory directory;
    directory.DataEnd = end.directoryOffset;
    DirectoryStream stream(source, end.directoryOffset, end.directorySize);
    while (!stream.AtEnd()) {
        ZipEntry entry = ReadEntry(stream, directory.DataEnd);
        if (!entry.IsFolder) {
            if (entry.UncompressedSize > UINT64_MAX - directory.TotalUncompressed)
                throw DamagedEntry(entry.Name, L"its size is impossible");
            directory.TotalUncompressed += entry.UncompressedSize;
        }
        directory.Entries.push_back(std::move(entry));
    }
    // Writers without ZIP64 let the 16-bit count wrap around past 65535 entries.
    const uint64_t found = directory.Entries.size();
    if (end.zip64 ? found != end.entryCount : (found & 0xFFFF) != end.entryCount)
        throw DamagedArchive(L"its central directory does not hold the entries it declares");

    std::stable_sort(directory.Entries.begin(), directory.Entries.end(),
                     [](const ZipEntry& a, const ZipEntry& b) {
                         return a.LocalHeaderOffset < b.LocalHeaderOffset;
                     });
    return directory;
}

uint64_t LocateEntryData(ZipSource& source, const ZipEntry& entry, uint64_t dataEnd) {
    if (!FitsBelow(entry.LocalHeaderOffset, kLocalHeaderSize, dataEnd))
        throw DamagedEntry(entry.Name, L"its data lies outside the archive");
    uint8_t header[kLocalHeaderSize];
    source.Read(entry.LocalHeaderOffset, header, sizeof(header));
    FieldReader r(header, sizeof(header));
    if (r.U32() != kLocalHeaderSignature)
        throw DamagedEntry(entry.Name, L"its local header is missing");
    r.Skip(22);
    const uint64_t dataOffset = entry.LocalHeaderOffset + kLocalHeaderSize + r.U16() + r.U16();
    if (!FitsBelow(dataOffset, entry.CompressedSize, dataEnd))
        throw DamagedEntry(entry.Name, L"its data lies outside the archive");
    return dataOffset;
}

} // namespace vel
