#include "toolkit/jpeg_image.h"

#include "toolkit/error.h"

#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace toolkit {

namespace {
constexpr std::uint64_t kMaxPixels = 64u * 1024 * 1024;

// libjpeg reports errors by calling error_exit, which must not return: it jumps back to the
// stage that called libjpeg. The stages hold only plain data, so no destructor is skipped.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void OnMessage(j_common_ptr, int) {}

struct Header {
    JDIMENSION width, height;
    bool grayscale;
    bool cmyk;
    bool adobeInverted;
};

bool ReadHeader(jpeg_decompress_struct* info, ErrorManager* errors, const std::uint8_t* data,
                std::size_t size, Header* header) {
    if (setjmp(errors->jump)) return false;
    jpeg_mem_src(info, data, static_cast<unsigned long>(size));
    jpeg_read_header(info, TRUE);
    header->grayscale = info->jpeg_color_space == JCS_GRAYSCALE;
    header->cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    header->adobeInverted = info->saw_Adobe_marker;
    info->out_color_space = header->cmyk ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_start_decompress(info);
    header->width = info->output_width;
    header->height = info->output_height;
    return true;
}

bool ReadRows(jpeg_decompress_struct* info, ErrorManager* errors, JSAMPROW* rows) {
    if (setjmp(errors->jump)) return false;
    while (info->output_scanline < info->output_height)
        jpeg_read_scanlines(info, rows + info->output_scanline, 1);
    jpeg_finish_decompress(info);
    return true;
}

class Decompressor {
  public:
    Decompressor() {
        info_.err = jpeg_std_error(&errors_.base);
        errors_.base.error_exit = &OnError;
        errors_.base.emit_message = &OnMessage;
        errors_.message[0] = 0;
        jpeg_create_decompress(&info_);
    }
    ~Decompressor() { jpeg_destroy_decompress(&info_); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
    jpeg_decompress_struct* Info() { return &info_; }
    ErrorManager* Errors() { return &errors_; }
    [[noreturn]] void Fail() const {
        std::wstring reason(errors_.message, errors_.message + std::strlen(errors_.message));
        throw Error(L"JPEG picture is not valid: " + (reason.empty() ? L"unreadable" : reason));
    }

  private:
    jpeg_decompress_struct info_{};
    ErrorManager errors_{};
};
} // namespace

void JpegImage::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8)
        throw Error(L"JPEG picture is not valid: no JPEG signature");
    Decompressor decompressor;
    Header header{};
    if (!ReadHeader(decompressor.Info(), decompressor.Errors(), bytes.data(), bytes.size(),
                    &header))
        decompressor.Fail();
    if (std::uint64_t(header.width) * header.height > kMaxPixels)
        throw Error(L"JPEG picture is too large");

    // CMYK comes as four bytes a pixel and is turned into colour below.
    const int channels = header.cmyk ? 4 : 3;
    std::vector<std::uint8_t> cmyk(header.cmyk ? std::size_t(header.width) * header.height * 4 : 0);
    Bitmap bitmap(int(header.width), int(header.height), PixelFormatKind::Bits24);
    std::vector<JSAMPROW> rows(header.height);
    for (JDIMENSION y = 0; y < header.height; ++y)
        rows[y] = header.cmyk ? cmyk.data() + std::size_t(y) * header.width * channels
                              : bitmap.ScanLine(int(y));
    if (!ReadRows(decompressor.Info(), decompressor.Errors(), rows.data())) decompressor.Fail();

    if (header.cmyk) {
        for (JDIMENSION y = 0; y < header.height; ++y) {
            const std::uint8_t* source = rows[y];
            std::uint8_t* target = bitmap.ScanLine(int(y));
            for (JDIMENSION x = 0; x < header.width; ++x, source += 4, target += 3) {
                // Adobe writes CMYK inverted; either way colour = (1 - ink) * (1 - black).
                const int flip = header.adobeInverted ? 0 : 255;
                const int cyan = flip ^ source[0], magenta = flip ^ source[1];
                const int yellow = flip ^ source[2], black = flip ^ source[3];
                target[0] = std::uint8_t(yellow * black / 255);
                target[1] = std::uint8_t(magenta * black / 255);
                target[2] = std::uint8_t(cyan * black / 255);
            }
        }
    }
    bitmap.AssignTo(bitmap_);
    grayscale_ = header.grayscale;
    Changed();
}

void JpegImage::Draw(Canvas& canvas, const RECT& rect, BYTE opacity) const {
    bitmap_.Draw(canvas, rect, opacity);
}

void JpegImage::AssignTo(Bitmap& target) const {
    bitmap_.AssignTo(target);
}

std::unique_ptr<Graphic> JpegImage::Clone() const {
    auto copy = std::make_unique<JpegImage>();
    bitmap_.AssignTo(copy->bitmap_);
    copy->grayscale_ = grayscale_;
    return copy;
}

} // namespace toolkit
