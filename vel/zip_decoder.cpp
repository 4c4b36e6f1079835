#include "vel/zip_decoder.h"

#include <zlib.h>

#include <algorithm>
#include <new>

#include "vel/zip_error.h"

namespace vel {

struct ZipDecoder::Inflater {
    Inflater() {
        // Negative window bits: raw deflate data without a zlib header, as ZIP stores it.
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) throw std::bad_alloc();
    }
    ~Inflater() { inflateEnd(&stream); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    z_stream stream{};
};

// Counts, checks and hands on what one entry produces.
class ZipDecoder::Output {
  public:
    Output(const ZipEntry& entry, const Sink& sink) : entry_(entry), sink_(sink) {}

    void Deliver(const uint8_t* data, size_t size) {
        if (size == 0) return;
        if (size > entry_.UncompressedSize - produced_)
            throw DamagedEntry(entry_.Name, L"it holds more data than it declares");
        produced_ += size;
        crc_ = crc32_z(crc_, data, size);
        sink_(data, size);
    }

    void Finish() const {
        if (produced_ != entry_.UncompressedSize)
            throw DamagedEntry(entry_.Name, L"its data ends early");
        if (crc_ != entry_.Crc32) throw DamagedEntry(entry_.Name, L"CRC mismatch");
    }

  private:
    const ZipEntry& entry_;
    const Sink& sink_;
    uint64_t produced_ = 0;
    uLong crc_ = crc32_z(0, nullptr, 0);
};

ZipDecoder::ZipDecoder(size_t inputBlock, size_t outputBlock)
    : inflater_(std::make_unique<Inflater>()), input_(inputBlock), output_(outputBlock) {}

ZipDecoder::~ZipDecoder() = default;

void ZipDecoder::Decode(ZipSource& source, uint64_t dataOffset, const ZipEntry& entry,
                        const Sink& sink) {
    Output output(entry, sink);
    // Some writers store an empty file as "deflated" with no data at all.
    if (entry.Method == ZipMethod::Stored || entry.CompressedSize == 0)
        DecodeStored(source, dataOffset, entry, output);
    else
        DecodeDeflated(source, dataOffset, entry, output);
    output.Finish();
}

void ZipDecoder::DecodeStored(ZipSource& source, uint64_t offset, const ZipEntry& entry,
                              Output& output) {
    for (uint64_t left = entry.CompressedSize; left > 0;) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(left, output_.size()));
        source.Read(offset, output_.data(), n);
        output.Deliver(output_.data(), n);
        offset += n;
        left -= n;
    }
}

void ZipDecoder::DecodeDeflated(ZipSource& source, uint64_t offset, const ZipEntry& entry,
                                Output& output) {
    z_stream& z = inflater_->stream;
    inflateReset(&z);
    z.avail_in = 0;
    z.next_out = output_.data();
    z.avail_out = static_cast<uInt>(output_.size());
    uint64_t inputLeft = entry.CompressedSize;

    for (;;) {
        if (z.avail_in == 0 && inputLeft > 0) {
            const size_t n = static_cast<size_t>(std::min<uint64_t>(inputLeft, input_.size()));
            source.Read(offset, input_.data(), n);
            offset += n;
            inputLeft -= n;
            z.next_in = input_.data();
            z.avail_in = static_cast<uInt>(n);
        }
        const int result = inflate(&z, Z_NO_FLUSH);
        if (result == Z_MEM_ERROR) throw std::bad_alloc();
        // No progress with every input byte used: the compressed data stops too soon.
        if (result == Z_BUF_ERROR) throw DamagedEntry(entry.Name, L"its data ends early");
        if (result != Z_OK && result != Z_STREAM_END)
            throw DamagedEntry(entry.Name, L"its compressed data is invalid");

        if (z.avail_out == 0 || result == Z_STREAM_END) {
            output.Deliver(output_.data(), output_.size() - z.avail_out);
            z.next_out = output_.data();
            z.avail_out = static_cast<uInt>(output_.size());
        }
        if (result == Z_STREAM_END) return;
    }
}

} // namespace vel
