#pragma once
// Streams the data of one entry at a time out of the archive: stored data is read
// straight into the output block, deflated data is inflated into it; full blocks go
// to a sink, and the size and CRC-32 are checked on the way. Pure logic over zlib.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "vel/zip_directory.h"

namespace vel {

class ZipDecoder {
  public:
    // Receives the entry's bytes in order; the block is valid during the call only.
    using Sink = std::function<void(const uint8_t* data, size_t size)>;

    static constexpr size_t kDefaultInputBlock = 1 << 20;
    static constexpr size_t kDefaultOutputBlock = 4 << 20;

    explicit ZipDecoder(size_t inputBlock = kDefaultInputBlock,
                        size_t outputBlock = kDefaultOutputBlock);
    ~ZipDecoder();
    ZipDecoder(const ZipDecoder&) = delete;
    ZipDecoder& operator=(const ZipDecoder&) = delete;

    // Decodes the entry whose data begins at dataOffset. More data than the entry
    // declares is refused before it reaches the sink; a short result, bad compressed
    // data or a CRC mismatch throws ZipError after the last block.
    void Decode(ZipSource& source, uint64_t dataOffset, const ZipEntry& entry, const Sink& sink);

  private:
    class Output;
    void DecodeStored(ZipSource& source, uint64_t offset, const ZipEntry& entry, Output& output);
    void DecodeDeflated(ZipSource& source, uint64_t offset, const ZipEntry& entry, Output& output);

    struct Inflater;
    std::unique_ptr<Inflater> inflater_;
    std::vector<uint8_t> input_;
    std::vector<uint8_t> output_;
};

} // namespace vel
