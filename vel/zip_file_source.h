#pragma once
// The archive as a file: positioned reads on an open handle, so whoever else uses the
// handle (or its file pointer) does not disturb us.
#include <string>

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
    UniqueHandle file_;
    uint64_t size_ = 0;
};

} // namespace vel
