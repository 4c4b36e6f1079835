#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/vel/zip_test_support.h"
#include "vel/zip_directory.h"

namespace vel {
namespace {

// The directory and end records of an archive placed at `base`, with only zeros below
// it: an archive larger than 4 GiB without a file of that size.
class FarTailSource : public ZipSource {
  public:
    FarTailSource(uint64_t base, std::string tail) : base_(base), tail_(std::move(tail)) {}
    uint64_t Size() const override { return base_ + tail_.size(); }
    void Read(uint64_t offset, void* buffer, size_t size) override {
        auto* out = static_cast<char*>(buffer);
        std::memset(out, 0, size);
        const uint64_t end = offset + size;
        if (end <= base_) return;
        const uint64_t from = std::max(offset, base_);
        std::memcpy(out + (from - offset), tail_.data() + (from - base_),
                    static_cast<size_t>(end - from));
    }

  private:
    uint64_t base_;
    std::string tail_;
};

TEST(ReadZipDirectory, TakesZip64SizesAndOffsetsBeyond4GiB) {
    constexpr uint64_t kBase = 0x1'8000'0000;
    FarTailSource source(kBase, test::ReadBytes(test::ZipFixture(L"zip64-far.tail")));
    const ZipDirectory directory = ReadZipDirectory(source);

    ASSERT_EQ(directory.Entries.size(), 2u);
    const ZipEntry& small = directory.Entries[0];
    EXPECT_EQ(small.Path, L"small.txt");
    EXPECT_EQ(small.UncompressedSize, 5u);
    EXPECT_EQ(small.LocalHeaderOffset, 16u);
    const ZipEntry& huge = directory.Entries[1];
    EXPECT_EQ(huge.Path, L"huge.bin");
    EXPECT_EQ(huge.Method, ZipMethod::Deflated);
    EXPECT_EQ(huge.UncompressedSize, 0x2'0000'0005u);
    EXPECT_EQ(huge.CompressedSize, 0x4000'0000u);
    EXPECT_EQ(huge.LocalHeaderOffset, 0x1'0000'0000u);
    EXPECT_EQ(huge.Crc32, 0x12345678u);
    EXPECT_EQ(directory.DataEnd, kBase);
    EXPECT_EQ(directory.TotalUncompressed, 5u + 0x2'0000'0005u);
}

} // namespace
} // namespace vel
