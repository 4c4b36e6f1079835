#include "toolkit/icon.h"

#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/error.h"
#include "toolkit/gdi_handles.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace toolkit {

namespace {
SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {0, 0};
    BITMAP bm{};
    GetObjectW(info.hbmMask, sizeof(bm), &bm);
    SIZE size{bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2};
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}

#pragma pack(push, 1)
struct IconDirectory {
    WORD reserved, type, count;
};
struct IconEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD size, offset;
};
#pragma pack(pop)

// The rows of a bitmap as 32-bit pixels, top-down.
std::vector<std::uint32_t> Pixels32(HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(std::size_t(width) * height);
    GetDIBits(dc, bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}
} // namespace

int Icon::Width() const {
    return IconSize(handle_).cx;
}
int Icon::Height() const {
    return IconSize(handle_).cy;
}

void Icon::LoadFromBytes(std::span<const std::uint8_t> bytes, int preferredSize) {
    const Error invalid(L"Icon picture is not valid");
    if (bytes.size() < sizeof(IconDirectory)) throw invalid;
    IconDirectory directory;
    std::memcpy(&directory, bytes.data(), sizeof(directory));
    if (directory.reserved != 0 || directory.type != 1 || directory.count == 0 ||
        bytes.size() < sizeof(IconDirectory) + std::size_t(directory.count) * sizeof(IconEntry))
        throw invalid;
    const int wanted = preferredSize > 0 ? preferredSize : GetSystemMetrics(SM_CXICON);
    int best = -1, bestScore = 0;
    IconEntry chosen{};
    for (int i = 0; i < directory.count; ++i) {
        IconEntry entry;
        std::memcpy(&entry, bytes.data() + sizeof(IconDirectory) + i * sizeof(IconEntry),
                    sizeof(entry));
        if (entry.offset > bytes.size() || entry.size > bytes.size() - entry.offset ||
            entry.size == 0)
            continue;
        const int size = entry.width ? entry.width : 256;
        // Nearest size first, then the most colours.
        const int score = std::abs(size - wanted) * 64 - entry.bitCount;
        if (best < 0 || score < bestScore) {
            best = i;
            bestScore = score;
            chosen = entry;
        }
    }
    if (best < 0) throw invalid;
    const int size = chosen.width ? chosen.width : 256;
    HICON icon =
        CreateIconFromResourceEx(const_cast<PBYTE>(bytes.data() + chosen.offset), chosen.size, TRUE,
                                 0x00030000, size, size, LR_DEFAULTCOLOR);
    if (!icon) throw invalid;
    Reset(icon);
    Transparent = true;
    Changed();
}

void Icon::Draw(Canvas& canvas, const RECT& rect, BYTE opacity) const {
    if (!handle_) return;
    if (opacity == 255) {
        DrawIconEx(canvas.Handle(), rect.left, rect.top, handle_, rect.right - rect.left,
                   rect.bottom - rect.top, 0, nullptr, DI_NORMAL);
        return;
    }
    Bitmap bitmap;
    AssignTo(bitmap);
    bitmap.Draw(canvas, rect, opacity);
}

void Icon::AssignTo(Bitmap& target) const {
    target.SetAlphaFormat(AlphaFormatKind::Ignored);
    target.SetSize(0, 0);
    target.SetPixelFormat(PixelFormatKind::Bits32);
    ICONINFO info{};
    if (!handle_ || !GetIconInfo(handle_, &info)) return;
    GdiObject<HBITMAP> mask(info.hbmMask), color(info.hbmColor);
    const SIZE size = IconSize(handle_);
    target.SetSize(size.cx, size.cy);
    WindowDC screen(nullptr);
    // A monochrome icon keeps both halves in its mask: AND on top, XOR below.
    std::vector<std::uint32_t> andMask =
        Pixels32(screen.Get(), mask.Get(), size.cx, color ? size.cy : size.cy * 2);
    std::vector<std::uint32_t> colors =
        color ? Pixels32(screen.Get(), color.Get(), size.cx, size.cy)
              : std::vector<std::uint32_t>(andMask.begin() + std::size_t(size.cx) * size.cy,
                                           andMask.end());
    bool hasAlpha = false;
    for (std::uint32_t pixel : colors)
        hasAlpha |= (pixel >> 24) != 0;
    for (int y = 0; y < size.cy; ++y) {
        std::uint8_t* row = target.ScanLine(y);
        for (int x = 0; x < size.cx; ++x, row += 4) {
            const std::size_t index = std::size_t(y) * size.cx + x;
            const std::uint32_t pixel = colors[index];
            const int alpha = hasAlpha ? int(pixel >> 24) : ((andMask[index] & 0xFFFFFF) ? 0 : 255);
            row[0] = std::uint8_t((pixel & 0xFF) * alpha / 255);
            row[1] = std::uint8_t(((pixel >> 8) & 0xFF) * alpha / 255);
            row[2] = std::uint8_t(((pixel >> 16) & 0xFF) * alpha / 255);
            row[3] = std::uint8_t(alpha);
        }
    }
    target.SetAlphaFormat(AlphaFormatKind::Premultiplied);
}

std::unique_ptr<Graphic> Icon::Clone() const {
    auto copy = std::make_unique<Icon>(handle_ ? CopyIcon(handle_) : nullptr);
    copy->Transparent = Transparent;
    return copy;
}

} // namespace toolkit
