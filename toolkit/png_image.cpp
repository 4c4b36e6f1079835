#include "toolkit/png_image.h"

#include "toolkit/error.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace toolkit {

namespace {
// libpng reports errors by longjmp. The two stages below hold only plain data between
// their setjmp and libpng's calls, so the jump skips no destructor.
constexpr std::uint32_t kMaxPixels = 64u * 1024 * 1024;

struct Source {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position;
    char error[128];
};

void ReadBytes(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (length > source->size - source->position) png_error(png, "the file is cut short");
    std::memcpy(out, source->data + source->position, length);
    source->position += length;
}

void OnError(png_structp png, png_const_charp message) {
    auto* source = static_cast<Source*>(png_get_error_ptr(png));
    std::strncpy(source->error, message, sizeof(source->error) - 1);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

struct Header {
    png_uint_32 width, height;
    int bitDepth, colorType;
    int paletteCount;
    png_color palette[256];
    int transparencyCount;
    png_byte transparency[256];
    bool hasTransparentColor;
};

bool ReadHeader(png_structp png, png_infop info, Header* header) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_user_limits(png, 0x8000, 0x8000);
    png_read_info(png, info);
    png_get_IHDR(png, info, &header->width, &header->height, &header->bitDepth, &header->colorType,
                 nullptr, nullptr, nullptr);
    png_colorp palette = nullptr;
    if (png_get_PLTE(png, info, &palette, &header->paletteCount) && palette)
        std::memcpy(header->palette, palette, sizeof(png_color) * header->paletteCount);
    png_bytep alphas = nullptr;
    png_color_16p color = nullptr;
    if (png_get_tRNS(png, info, &alphas, &header->transparencyCount, &color)) {
        header->hasTransparentColor = header->colorType != PNG_COLOR_TYPE_PALETTE;
        if (alphas && header->colorType == PNG_COLOR_TYPE_PALETTE)
            std::memcpy(header->transparency, alphas, header->transparencyCount);
    }
    // Whatever the file holds, rows come out as 8-bit red, green, blue, alpha.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return png_get_rowbytes(png, info) == header->width * 4;
}

bool ReadRows(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    return true;
}

// Owns libpng's read structures.
class ReadStructs {
  public:
    explicit ReadStructs(Source& source) {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, &OnError, &OnWarning);
        if (png_) info_ = png_create_info_struct(png_);
        if (!png_ || !info_) throw Error(L"Out of memory reading a PNG picture");
        png_set_read_fn(png_, &source, &ReadBytes);
    }
    ~ReadStructs() { png_destroy_read_struct(&png_, &info_, nullptr); }
    ReadStructs(const ReadStructs&) = delete;
    ReadStructs& operator=(const ReadStructs&) = delete;
    png_structp Png() const { return png_; }
    png_infop Info() const { return info_; }

  private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

[[noreturn]] void Fail(const Source& source) {
    std::wstring reason(source.error, source.error + std::strlen(source.error));
    throw Error(L"PNG picture is not valid: " + (reason.empty() ? L"unreadable" : reason));
}
} // namespace

void PngImage::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    Source source{bytes.data(), bytes.size(), 0, {}};
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0)
        throw Error(L"PNG picture is not valid: no PNG signature");
    ReadStructs structs(source);
    auto header = std::make_unique<Header>();
    if (!ReadHeader(structs.Png(), structs.Info(), header.get())) Fail(source);
    if (std::uint64_t(header->width) * header->height > kMaxPixels)
        throw Error(L"PNG picture is too large");

    std::vector<std::uint8_t> pixels(std::size_t(header->width) * header->height * 4);
    std::vector<png_bytep> rows(header->height);
    for (png_uint_32 y = 0; y < header->height; ++y)
        rows[y] = pixels.data() + std::size_t(y) * header->width * 4;
    if (!ReadRows(structs.Png(), rows.data())) Fail(source);

    width_ = int(header->width);
    height_ = int(header->height);
    colorType_ = header->colorType;
    bitDepth_ = header->bitDepth;
    palette_.clear();
    for (int i = 0; i < header->paletteCount; ++i)
        palette_.push_back(
            {header->palette[i].red, header->palette[i].green, header->palette[i].blue});
    transparencyEntries_.assign(header->transparency,
                                header->transparency +
                                    (header->hasTransparentColor ? 0 : header->transparencyCount));
    if (colorType_ & PNG_COLOR_MASK_ALPHA) {
        transparency_ = PngTransparency::Partial;
    } else if (header->hasTransparentColor) {
        transparency_ = PngTransparency::Bit;
    } else if (!transparencyEntries_.empty()) {
        int belowOpaque = 0;
        for (std::uint8_t alpha : transparencyEntries_)
            belowOpaque += alpha < 255;
        transparency_ = belowOpaque == 1 ? PngTransparency::Bit : PngTransparency::Partial;
    } else {
        transparency_ = PngTransparency::None;
    }
    Transparent = transparency_ != PngTransparency::None;
    pixels_ = std::move(pixels);
    rendered_.reset();
    Changed();
}

const std::uint8_t* PngImage::Row(int y) const {
    if (y < 0 || y >= height_) throw Error(L"Scan line index out of range");
    return pixels_.data() + std::size_t(y) * width_ * 4;
}

void PngImage::AssignTo(Bitmap& target) const {
    if (transparency_ != PngTransparency::None)
        return target.LoadFromRgba(pixels_, width_, height_);
    target.SetAlphaFormat(AlphaFormatKind::Ignored);
    target.SetSize(0, 0);
    target.SetPixelFormat(PixelFormatKind::Bits24);
    target.SetSize(width_, height_);
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* source = Row(y);
        std::uint8_t* row = target.ScanLine(y);
        for (int x = 0; x < width_; ++x, source += 4, row += 3) {
            row[0] = source[2];
            row[1] = source[1];
            row[2] = source[0];
        }
    }
}

const Bitmap& PngImage::Rendered() const {
    if (!rendered_) {
        rendered_ = std::make_unique<Bitmap>();
        AssignTo(*rendered_);
    }
    return *rendered_;
}

void PngImage::Draw(Canvas& canvas, const RECT& rect, BYTE opacity) const {
    if (!Empty()) Rendered().Draw(canvas, rect, opacity);
}

std::unique_ptr<Graphic> PngImage::Clone() const {
    auto copy = std::make_unique<PngImage>();
    copy->width_ = width_;
    copy->height_ = height_;
    copy->colorType_ = colorType_;
    copy->bitDepth_ = bitDepth_;
    copy->transparency_ = transparency_;
    copy->palette_ = palette_;
    copy->transparencyEntries_ = transparencyEntries_;
    copy->pixels_ = pixels_;
    copy->Transparent = Transparent;
    return copy;
}

} // namespace toolkit
