// The picture libraries are cross-built from Debian sources; this decodes a real PNG
// through libpng so a broken dependency build fails here and not in a window later.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <vector>

namespace {

// A 2 x 2 RGBA picture: red, green / blue, half-transparent white.
const uint8_t kPng[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
    0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xb6, 0x0d, 0x24, 0x00, 0x00, 0x00,
    0x13, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0xf8, 0xcf, 0xc0, 0xf0, 0x1f, 0x0c, 0x81, 0x34, 0x08, 0x34,
    0x00, 0x00, 0x49, 0x49, 0x09, 0x78, 0x9c, 0x51, 0x17, 0x92, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44,
    0xae, 0x42, 0x60, 0x82};

TEST(PngDecode, ReadsPixelsThroughLibpng) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, kPng, sizeof(kPng))) << image.message;
    EXPECT_EQ(image.width, 2u);
    EXPECT_EQ(image.height, 2u);
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) << image.message;
    const std::vector<uint8_t> expected = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 128};
    EXPECT_EQ(pixels, expected);
}

TEST(PngDecode, RejectsACorruptStream) {
    std::vector<uint8_t> broken(kPng, kPng + sizeof(kPng));
    broken[45] ^= 0xff; // inside the compressed pixel data
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    bool ok = png_image_begin_read_from_memory(&image, broken.data(), broken.size());
    if (ok) {
        image.format = PNG_FORMAT_RGBA;
        std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
        ok = png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr);
    }
    EXPECT_FALSE(ok);
    png_image_free(&image);
}

} // namespace
