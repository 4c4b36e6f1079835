#include "toolkit/gif_image.h"

#include "toolkit/error.h"
#include "toolkit/utility_window.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

namespace toolkit {

namespace {
constexpr std::uint64_t kMaxPixels = 64u * 1024 * 1024;

struct Source {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position;
};

int ReadBytes(GifFileType* gif, GifByteType* out, int length) {
    auto* source = static_cast<Source*>(gif->UserData);
    int count = int(std::min<std::size_t>(std::size_t(length), source->size - source->position));
    std::memcpy(out, source->data + source->position, std::size_t(count));
    source->position += std::size_t(count);
    return count;
}

[[noreturn]] void Fail(int error) {
    const char* reason = GifErrorString(error);
    std::wstring text = reason ? std::wstring(reason, reason + std::strlen(reason)) : L"unreadable";
    throw Error(L"GIF picture is not valid: " + text);
}

class GifFile {
  public:
    explicit GifFile(Source& source) {
        int error = 0;
        gif_ = DGifOpen(&source, &ReadBytes, &error);
        if (!gif_) Fail(error);
    }
    ~GifFile() {
        int error = 0;
        DGifCloseFile(gif_, &error);
    }
    GifFile(const GifFile&) = delete;
    GifFile& operator=(const GifFile&) = delete;
    GifFileType* operator->() const { return gif_; }
    GifFileType* Get() const { return gif_; }

  private:
    GifFileType* gif_ = nullptr;
};

// The NETSCAPE2.0 application extension's loop count, or 1 (play once) without one.
int FindLoopCount(const GifFileType* gif) {
    auto search = [](const ExtensionBlock* blocks, int count) -> int {
        for (int i = 0; i + 1 < count; ++i) {
            const ExtensionBlock& app = blocks[i];
            const ExtensionBlock& data = blocks[i + 1];
            if (app.Function == APPLICATION_EXT_FUNC_CODE && app.ByteCount == 11 &&
                std::memcmp(app.Bytes, "NETSCAPE2.0", 11) == 0 &&
                data.Function == CONTINUE_EXT_FUNC_CODE && data.ByteCount >= 3 &&
                data.Bytes[0] == 1)
                return data.Bytes[1] | (data.Bytes[2] << 8);
        }
        return -1;
    };
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        if (int loops = search(image.ExtensionBlocks, image.ExtensionBlockCount); loops >= 0)
            return loops;
    }
    int loops = search(gif->ExtensionBlocks, gif->ExtensionBlockCount);
    return loops >= 0 ? loops : 1;
}

// A frame's canvas: the screen's pixels as straight red, green, blue, alpha.
using Screen = std::vector<std::uint8_t>;

} // namespace

GifImage::~GifImage() {
    StopTimer();
}

void GifImage::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    Source source{bytes.data(), bytes.size(), 0};
    GifFile gif(source);
    if (DGifSlurp(gif.Get()) != GIF_OK) Fail(gif->Error);
    const int width = gif->SWidth, height = gif->SHeight;
    if (width <= 0 || height <= 0 || gif->ImageCount <= 0)
        throw Error(L"GIF picture is not valid: it has no image");
    if (std::uint64_t(width) * height * std::uint64_t(gif->ImageCount) > kMaxPixels)
        throw Error(L"GIF picture is too large");

    std::vector<FrameData> frames;
    Screen screen(std::size_t(width) * height * 4, 0);
    for (int index = 0; index < gif->ImageCount; ++index) {
        const SavedImage& image = gif->SavedImages[index];
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
        DGifSavedExtensionToGCB(gif.Get(), index, &control);
        const ColorMapObject* colors =
            image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        if (!colors) throw Error(L"GIF picture is not valid: a frame has no palette");

        const Screen before = screen;
        const GifImageDesc& place = image.ImageDesc;
        // The frame's own rectangle, cut to the screen.
        const int left = std::max(0, place.Left), top = std::max(0, place.Top);
        const int right = std::min(width, place.Left + place.Width);
        const int bottom = std::min(height, place.Top + place.Height);
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                int color =
                    image.RasterBits[std::size_t(y - place.Top) * place.Width + (x - place.Left)];
                if (color == control.TransparentColor || color >= colors->ColorCount) continue;
                std::uint8_t* pixel = screen.data() + (std::size_t(y) * width + x) * 4;
                pixel[0] = colors->Colors[color].Red;
                pixel[1] = colors->Colors[color].Green;
                pixel[2] = colors->Colors[color].Blue;
                pixel[3] = 255;
            }
        }
        auto frame = std::make_shared<Bitmap>();
        frame->LoadFromRgba(screen, width, height);
        frames.push_back({frame, control.DelayTime * 10});

        if (control.DisposalMode == DISPOSE_BACKGROUND) {
            // Browsers clear to transparent rather than to the background colour.
            for (int y = top; y < bottom; ++y)
                std::memset(screen.data() + (std::size_t(y) * width + left) * 4, 0,
                            std::size_t(std::max(0, right - left)) * 4);
        } else if (control.DisposalMode == DISPOSE_PREVIOUS) {
            screen = before;
        }
    }

    StopTimer();
    width_ = width;
    height_ = height;
    frames_ = std::move(frames);
    loopCount_ = FindLoopCount(gif.Get());
    current_ = 0;
    loopsDone_ = 0;
    Transparent = true;
    if (animate_) ScheduleNextFrame();
    Changed();
}

void GifImage::SetCurrentFrame(int index) {
    if (frames_.empty()) return;
    current_ = std::clamp(index, 0, FrameCount() - 1);
    Changed();
}

void GifImage::SetAnimate(bool animate) {
    if (animate == animate_) return;
    animate_ = animate;
    loopsDone_ = 0;
    if (animate_)
        ScheduleNextFrame();
    else
        StopTimer();
}

void GifImage::SetAnimationSpeed(int percent) {
    speed_ = std::clamp(percent, 0, 1000);
    if (animate_) ScheduleNextFrame();
}

void GifImage::ScheduleNextFrame() {
    StopTimer();
    if (FrameCount() < 2 || speed_ == 0) return;
    // Delays of 10 ms and less are played at 100 ms, as browsers do.
    int delay = frames_[current_].delay;
    if (delay <= 10) delay = 100;
    delay = std::max(1, delay * 100 / speed_);
    timer_ = UtilityWindow::Instance().StartTimer(UINT(delay), [this] { NextFrame(); });
}

void GifImage::NextFrame() {
    if (current_ + 1 < FrameCount()) {
        ++current_;
    } else {
        ++loopsDone_;
        if (!loopForever_ && loopCount_ != 0 && loopsDone_ >= loopCount_) {
            StopTimer();
            return;
        }
        current_ = 0;
    }
    ScheduleNextFrame();
    Changed();
}

void GifImage::StopTimer() {
    if (timer_) UtilityWindow::Instance().StopTimer(timer_);
    timer_ = 0;
}

void GifImage::Draw(Canvas& canvas, const RECT& rect, BYTE opacity) const {
    if (!frames_.empty()) frames_[current_].bitmap->Draw(canvas, rect, opacity);
}

void GifImage::AssignTo(Bitmap& target) const {
    if (frames_.empty()) {
        target.SetSize(0, 0);
        return;
    }
    frames_[current_].bitmap->AssignTo(target);
}

std::unique_ptr<Graphic> GifImage::Clone() const {
    auto copy = std::make_unique<GifImage>();
    copy->width_ = width_;
    copy->height_ = height_;
    copy->frames_ = frames_;
    copy->loopCount_ = loopCount_;
    copy->current_ = current_;
    copy->speed_ = speed_;
    copy->loopForever_ = loopForever_;
    copy->Transparent = Transparent;
    return copy;
}

} // namespace toolkit
