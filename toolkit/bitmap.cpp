#include "toolkit/bitmap.h"

#include "toolkit/canvas.h"
#include "toolkit/error.h"

#include <algorithm>
#include <cstring>

namespace toolkit {

// The bitmap's own canvas: a memory DC that holds the current DIB selected.
class Bitmap::BitmapCanvas : public toolkit::Canvas {
  public:
    explicit BitmapCanvas(Bitmap& owner) : owner_(owner) {}
    ~BitmapCanvas() override { Release(); }

    // The bitmap got new pixels: select them instead of the old ones.
    void Reselect() {
        if (dc_) SelectObject(dc_, Selectable());
    }
    // Deselects the pixels so the bitmap can delete them.
    void Release() {
        if (!dc_) return;
        SelectObject(dc_, original_);
        DeleteDC(dc_);
        dc_ = nullptr;
        SetOwnHandle(nullptr);
    }

  protected:
    void CreateHandle() override {
        dc_ = CreateCompatibleDC(nullptr);
        original_ = GetCurrentObject(dc_, OBJ_BITMAP);
        SelectObject(dc_, Selectable());
        SetOwnHandle(dc_);
    }

  private:
    // An empty bitmap has no DIB; the DC keeps its default 1 x 1 bitmap then.
    HGDIOBJ Selectable() const { return owner_.Handle() ? HGDIOBJ(owner_.Handle()) : original_; }

    Bitmap& owner_;
    HDC dc_ = nullptr;
    HGDIOBJ original_ = nullptr;
};

namespace {
int BitsPerPixel(PixelFormatKind format) {
    return format == PixelFormatKind::Bits32 ? 32 : 24;
}

int StrideFor(int width, PixelFormatKind format) {
    return ((width * BitsPerPixel(format) + 31) / 32) * 4;
}

// A DIB section with zeroed pixels; bits receives its memory.
HBITMAP CreateDib(int width, int height, PixelFormatKind format, std::uint8_t** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(BitsPerPixel(format));
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    if (!bitmap) throw Error(L"Out of system resources: cannot create a bitmap");
    std::memset(memory, 0, std::size_t(StrideFor(width, format)) * height);
    *bits = static_cast<std::uint8_t*>(memory);
    return bitmap;
}

void ConvertAlpha(Bitmap& bitmap, bool premultiply) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* pixel = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, pixel += 4) {
            int alpha = pixel[3];
            for (int c = 0; c < 3; ++c) {
                if (premultiply)
                    pixel[c] = std::uint8_t(pixel[c] * alpha / 255);
                else if (alpha)
                    pixel[c] = std::uint8_t(std::min(255, pixel[c] * 255 / alpha));
            }
        }
    }
}
} // namespace

Bitmap::Bitmap() = default;

Bitmap::Bitmap(int width, int height, PixelFormatKind format) : format_(format) {
    SetSize(width, height);
}

Bitmap::~Bitmap() {
    // The DC must let go of the DIB before the DIB can be deleted.
    canvas_.reset();
}

void Bitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    Recreate(width, height, format_);
}

void Bitmap::SetPixelFormat(PixelFormatKind format) {
    if (format == format_) return;
    Recreate(width_, height_, format);
    if (format != PixelFormatKind::Bits32) alpha_ = AlphaFormatKind::Ignored;
}

void Bitmap::SetAlphaFormat(AlphaFormatKind alpha) {
    if (alpha == alpha_) return;
    bool convert = format_ == PixelFormatKind::Bits32 && alpha_ != AlphaFormatKind::Ignored &&
                   alpha != AlphaFormatKind::Ignored;
    if (convert) ConvertAlpha(*this, alpha == AlphaFormatKind::Premultiplied);
    alpha_ = alpha;
}

TColor Bitmap::TransparentColor() const {
    if (transparentColor_) return *transparentColor_;
    if (Empty()) return clNone;
    const std::uint8_t* pixel = ScanLine(height_ - 1);
    return RgbColor(pixel[2], pixel[1], pixel[0]);
}

void Bitmap::Recreate(int width, int height, PixelFormatKind format) {
    GdiObject<HBITMAP> previous = std::move(handle_);
    const std::uint8_t* previousBits = bits_;
    const int previousWidth = width_, previousHeight = height_;
    const PixelFormatKind previousFormat = format_;

    bits_ = nullptr;
    if (width > 0 && height > 0) handle_.Reset(CreateDib(width, height, format, &bits_));
    format_ = format;
    width_ = width;
    height_ = height;
    if (canvas_) canvas_->Reselect();
    if (!previousBits || !bits_) return;

    GdiFlush();
    const int sourceStride = StrideFor(previousWidth, previousFormat);
    const int sourceBytes = BitsPerPixel(previousFormat) / 8;
    const int targetBytes = BitsPerPixel(format) / 8;
    const int columns = std::min(width, previousWidth);
    for (int y = 0; y < std::min(height, previousHeight); ++y) {
        const std::uint8_t* source =
            previousBits + std::size_t(previousHeight - 1 - y) * sourceStride;
        std::uint8_t* target = ScanLine(y);
        if (sourceBytes == targetBytes) {
            std::memcpy(target, source, std::size_t(columns) * targetBytes);
            continue;
        }
        for (int x = 0; x < columns; ++x) {
            std::memcpy(target + x * targetBytes, source + x * sourceBytes, 3);
            if (targetBytes == 4) target[x * 4 + 3] = 255;
        }
    }
}

toolkit::Canvas& Bitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<BitmapCanvas>(*this);
    return *canvas_;
}

int Bitmap::Stride() const {
    return StrideFor(width_, format_);
}

std::uint8_t* Bitmap::ScanLine(int y) {
    if (!bits_ || y < 0 || y >= height_) throw Error(L"Scan line index out of range");
    // Pending GDI drawing must reach the memory before it is read or written directly.
    GdiFlush();
    return bits_ + std::size_t(height_ - 1 - y) * Stride();
}

const std::uint8_t* Bitmap::ScanLine(int y) const {
    return const_cast<Bitmap*>(this)->ScanLine(y);
}

void Bitmap::Draw(toolkit::Canvas& canvas, const RECT& rect, BYTE opacity) const {
    if (Empty()) return;
    HDC target = canvas.Handle();
    bool hasAlpha = format_ == PixelFormatKind::Bits32 && alpha_ != AlphaFormatKind::Ignored;
    if (hasAlpha && alpha_ == AlphaFormatKind::Straight) {
        Bitmap premultiplied;
        AssignTo(premultiplied);
        premultiplied.SetAlphaFormat(AlphaFormatKind::Premultiplied);
        premultiplied.Draw(canvas, rect, opacity);
        return;
    }
    if (hasAlpha) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity, AC_SRC_ALPHA};
        GdiAlphaBlend(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SourceDC(), 0, 0, width_, height_, blend);
        return;
    }
    DrawOpaque(target, rect, opacity);
}

HDC Bitmap::SourceDC() const {
    // A bitmap can be selected into one DC only: draw from the one of its own canvas.
    return const_cast<Bitmap*>(this)->Canvas().Handle();
}

void Bitmap::DrawOpaque(HDC target, const RECT& rect, BYTE opacity) const {
    HDC source = SourceDC();
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (Transparent) {
        GdiTransparentBlt(target, rect.left, rect.top, width, height, source, 0, 0, width_, height_,
                       ColorToRGB(TransparentColor()));
    } else if (opacity < 255) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity, 0};
        GdiAlphaBlend(target, rect.left, rect.top, width, height, source, 0, 0, width_, height_,
                   blend);
    } else {
        int previous = SetStretchBltMode(target, COLORONCOLOR);
        StretchBlt(target, rect.left, rect.top, width, height, source, 0, 0, width_, height_,
                   SRCCOPY);
        SetStretchBltMode(target, previous);
    }
}

void Bitmap::AssignTo(Bitmap& target) const {
    if (&target == this) return;
    target.alpha_ = AlphaFormatKind::Ignored;
    target.Recreate(0, 0, format_);
    target.Recreate(width_, height_, format_);
    if (bits_) {
        GdiFlush();
        std::memcpy(target.bits_, bits_, std::size_t(Stride()) * height_);
    }
    target.alpha_ = alpha_;
    target.Transparent = Transparent;
    target.transparentColor_ = transparentColor_;
}

std::unique_ptr<Graphic> Bitmap::Clone() const {
    auto copy = std::make_unique<Bitmap>();
    AssignTo(*copy);
    return copy;
}

void Bitmap::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    const Error invalid(L"Bitmap image is not valid");
    if (bytes.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) throw invalid;
    BITMAPFILEHEADER file;
    std::memcpy(&file, bytes.data(), sizeof(file));
    if (file.bfType != 0x4D42 || file.bfOffBits >= bytes.size()) throw invalid;
    BITMAPINFOHEADER header;
    std::memcpy(&header, bytes.data() + sizeof(file), sizeof(header));
    const std::int64_t width = header.biWidth, height = header.biHeight < 0
                                                            ? -std::int64_t(header.biHeight)
                                                            : header.biHeight;
    if (header.biSize < sizeof(header) || width <= 0 || height <= 0 || width > 0x8000 ||
        height > 0x8000 || header.biPlanes != 1)
        throw invalid;

    // GDI reads the pixels by the header alone: make sure they are all there.
    std::size_t available = bytes.size() - file.bfOffBits;
    bool compressed = header.biCompression == BI_RLE8 || header.biCompression == BI_RLE4;
    std::size_t needed = compressed
                             ? header.biSizeImage
                             : std::size_t((width * header.biBitCount + 31) / 32 * 4) * height;
    std::size_t headerSpace = file.bfOffBits - sizeof(file);
    std::size_t paletteEntries =
        header.biBitCount <= 8 ? (header.biClrUsed ? header.biClrUsed : (1u << header.biBitCount))
                               : header.biClrUsed;
    std::size_t masks =
        header.biCompression == BI_BITFIELDS && header.biSize == sizeof(header) ? 12 : 0;
    if (needed == 0 || needed > available ||
        header.biSize + masks + paletteEntries * 4 > headerSpace)
        throw invalid;

    const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data() + sizeof(file));
    const std::uint8_t* pixels = bytes.data() + file.bfOffBits;
    bool plain32 = header.biBitCount == 32 && header.biCompression == BI_RGB;
    alpha_ = AlphaFormatKind::Ignored;
    Recreate(0, 0, format_);
    Recreate(int(width), int(height), plain32 ? PixelFormatKind::Bits32 : PixelFormatKind::Bits24);
    if (plain32) {
        // Copied as they are, so a fourth byte that holds alpha survives.
        for (int y = 0; y < height_; ++y) {
            int row = header.biHeight < 0 ? y : height_ - 1 - y;
            std::memcpy(ScanLine(y), pixels + std::size_t(row) * Stride(), std::size_t(Stride()));
        }
        return;
    }
    SetDIBitsToDevice(Canvas().Handle(), 0, 0, DWORD(width), DWORD(height), 0, 0, 0, UINT(height),
                      pixels, info, DIB_RGB_COLORS);
}

void Bitmap::LoadFromRgba(std::span<const std::uint8_t> rgba, int width, int height) {
    if (rgba.size() < std::size_t(width) * height * 4)
        throw Error(L"Too few pixels for the bitmap");
    alpha_ = AlphaFormatKind::Ignored;
    Recreate(0, 0, PixelFormatKind::Bits32);
    Recreate(width, height, PixelFormatKind::Bits32);
    const std::uint8_t* source = rgba.data();
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = ScanLine(y);
        for (int x = 0; x < width; ++x, source += 4, row += 4) {
            const int alpha = source[3];
            row[0] = std::uint8_t(source[2] * alpha / 255);
            row[1] = std::uint8_t(source[1] * alpha / 255);
            row[2] = std::uint8_t(source[0] * alpha / 255);
            row[3] = std::uint8_t(alpha);
        }
    }
    alpha_ = AlphaFormatKind::Premultiplied;
}

} // namespace toolkit
