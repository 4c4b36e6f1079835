#include "tests/support/picture_encoders.h"

#include <cstdio>
#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <stdexcept>

namespace test {

namespace {
void AppendPng(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

// Plain data only between setjmp and libpng's calls.
bool WritePng(png_structp png, png_infop info, const PngPicture* picture, png_bytepp rows,
              png_colorp palette, png_color_16* transparentColor) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, png_uint_32(picture->width), png_uint_32(picture->height), picture->bitDepth,
                 picture->colorType, picture->interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!picture->palette.empty()) png_set_PLTE(png, info, palette, int(picture->palette.size() / 3));
    if (!picture->transparency.empty()) {
        if (picture->colorType == PNG_COLOR_TYPE_PALETTE)
            png_set_tRNS(png, info, picture->transparency.data(), int(picture->transparency.size()),
                         nullptr);
        else
            png_set_tRNS(png, info, nullptr, 0, transparentColor);
    }
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    return true;
}

int WriteGifBytes(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

ColorMapObject* MakeMap(const Bytes& palette) {
    int count = int(palette.size() / 3), size = 2;
    while (size < count)
        size *= 2;
    std::vector<GifColorType> colors(size, GifColorType{0, 0, 0});
    for (int i = 0; i < count; ++i)
        colors[i] = {palette[i * 3], palette[i * 3 + 1], palette[i * 3 + 2]};
    return GifMakeMapObject(size, colors.data());
}
} // namespace

Bytes EncodePng(const PngPicture& picture) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, &AppendPng, nullptr);
    const std::size_t rowBytes = picture.rows.size() / picture.height;
    std::vector<png_bytep> rows(picture.height);
    for (int y = 0; y < picture.height; ++y)
        rows[y] = const_cast<png_bytep>(picture.rows.data() + y * rowBytes);
    std::vector<png_color> palette;
    for (std::size_t i = 0; i + 2 < picture.palette.size(); i += 3)
        palette.push_back({picture.palette[i], picture.palette[i + 1], picture.palette[i + 2]});
    png_color_16 transparentColor{};
    if (picture.colorType != PNG_COLOR_TYPE_PALETTE && picture.transparency.size() >= 2) {
        transparentColor.gray = png_uint_16(picture.transparency[0] << 8 | picture.transparency[1]);
        if (picture.transparency.size() >= 6) {
            transparentColor.red = transparentColor.gray;
            transparentColor.green = png_uint_16(picture.transparency[2] << 8 | picture.transparency[3]);
            transparentColor.blue = png_uint_16(picture.transparency[4] << 8 | picture.transparency[5]);
        }
    }
    bool ok = WritePng(png, info, &picture, rows.data(), palette.data(), &transparentColor);
    png_destroy_write_struct(&png, &info);
    if (!ok) throw std::runtime_error("cannot write the test PNG");
    return out;
}

Bytes EncodeGif(int width, int height, const Bytes& globalPalette,
                const std::vector<GifFrame>& frames, int loopCount, bool interlaced) {
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, &WriteGifBytes, &error);
    gif->SWidth = width;
    gif->SHeight = height;
    gif->SColorResolution = 8;
    gif->SBackGroundColor = 0;
    gif->SColorMap = MakeMap(globalPalette);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const GifFrame& frame = frames[i];
        SavedImage* image = GifMakeSavedImage(gif, nullptr);
        if (i == 0 && loopCount >= 0) {
            GifAddExtensionBlock(
                &image->ExtensionBlockCount, &image->ExtensionBlocks, APPLICATION_EXT_FUNC_CODE, 11,
                reinterpret_cast<unsigned char*>(const_cast<char*>("NETSCAPE2.0")));
            unsigned char loops[3] = {1, std::uint8_t(loopCount & 0xFF),
                                      std::uint8_t(loopCount >> 8)};
            GifAddExtensionBlock(&image->ExtensionBlockCount, &image->ExtensionBlocks,
                                 CONTINUE_EXT_FUNC_CODE, 3, loops);
        }
        GraphicsControlBlock control{frame.disposal, false, frame.delayCentiseconds,
                                     frame.transparentIndex};
        EGifGCBToSavedExtension(&control, gif, int(i));
        image->ImageDesc = {
            frame.left,  frame.top,
            frame.width, frame.height,
            interlaced,  frame.localPalette.empty() ? nullptr : MakeMap(frame.localPalette)};
        image->RasterBits = static_cast<GifByteType*>(std::malloc(frame.indices.size()));
        std::memcpy(image->RasterBits, frame.indices.data(), frame.indices.size());
    }
    if (EGifSpew(gif) != GIF_OK) throw std::runtime_error("cannot write the test GIF");
    return out;
}

Bytes EncodeJpeg(int width, int height, bool grey, const Bytes& pixels) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    const int stride = width * info.input_components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

} // namespace test
