#pragma once
// The archive as a file: positioned reads on an open handle, so whoever else uses the
// handle (or its file pointer) does not disturb us.
#include <string>
#include <vector>

#include "vel/handle.h"
#include "vel/zip_directory.h"

namespace vel {

class ZipFileSource : public ZipSource {
  public:
    // Takes over the handle, which needs read access.
    explicit ZipFileSource(UniqueHandle file);
    uint64_t Size() const override { return size_; }
    void Read(uint64_t offset, void* buffer, size_t size) override;

  private:
    void ReadFromFile(uint64_t offset, void* buffer, size_t size);

    UniqueHandle file_;
    uint64_t size_ = 0;
    // Small reads are served from one larger read ahead: an archive of many small files
    // then costs one system call per window instead of two per entry (its local header
    // and its data), which matters most where each call is dear (Wine).
    std::vector<uint8_t> window_;
    uint64_t windowStart_ = 0;
    size_t windowLength_ = 0;
};

} // namespace vel
