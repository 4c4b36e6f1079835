#include "toolkit/picture.h"

#include "toolkit/bitmap.h"
#include "toolkit/data_sources.h"
#include "toolkit/error.h"
#include "toolkit/gif_image.h"
#include "toolkit/icon.h"
#include "toolkit/jpeg_image.h"
#include "toolkit/png_image.h"

#include <cstring>
#include <iterator>
#include <vector>

namespace toolkit {

namespace {
bool StartsWith(std::span<const std::uint8_t> bytes, const char* signature, std::size_t length) {
    return bytes.size() >= length && std::memcmp(bytes.data(), signature, length) == 0;
}

std::unique_ptr<Graphic> Decode(std::span<const std::uint8_t> bytes) {
    if (StartsWith(bytes, "\x89PNG\r\n\x1a\n", 8)) {
        auto png = std::make_unique<PngImage>();
        png->LoadFromBytes(bytes);
        return png;
    }
    if (StartsWith(bytes, "GIF87a", 6) || StartsWith(bytes, "GIF89a", 6)) {
        auto gif = std::make_unique<GifImage>();
        gif->LoadFromBytes(bytes);
        return gif;
    }
    if (StartsWith(bytes, "\xFF\xD8\xFF", 3)) {
        auto jpeg = std::make_unique<JpegImage>();
        jpeg->LoadFromBytes(bytes);
        return jpeg;
    }
    if (StartsWith(bytes, "BM", 2)) {
        auto bitmap = std::make_unique<Bitmap>();
        bitmap->LoadFromBytes(bytes);
        return bitmap;
    }
    if (StartsWith(bytes, "\0\0\1\0", 4)) {
        auto icon = std::make_unique<Icon>();
        icon->LoadFromBytes(bytes);
        return icon;
    }
    throw Error(L"Unknown picture format");
}
} // namespace

Picture::~Picture() {
    // The graphic's animation must not call back into a picture that is gone.
    if (graphic_) graphic_->OnChange = nullptr;
}

void Picture::SetGraphic(std::unique_ptr<toolkit::Graphic> graphic) {
    if (graphic_) graphic_->OnChange = nullptr;
    graphic_ = std::move(graphic);
    if (graphic_) graphic_->OnChange = [this] { Changed(); };
    Changed();
}

toolkit::Bitmap& Picture::Bitmap() {
    auto* bitmap = dynamic_cast<toolkit::Bitmap*>(graphic_.get());
    if (!bitmap) {
        auto fresh = std::make_unique<toolkit::Bitmap>();
        bitmap = fresh.get();
        SetGraphic(std::move(fresh));
    }
    return *bitmap;
}

void Picture::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    SetGraphic(Decode(bytes));
}

void Picture::LoadFromFile(const std::wstring& path) {
    std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    try {
        LoadFromBytes(bytes);
    } catch (const Error& error) {
        throw Error(path + L": " + error.Message());
    }
}

void Picture::LoadFromStream(std::istream& stream) {
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(stream)),
                                    std::istreambuf_iterator<char>());
    LoadFromBytes(bytes);
}

void Picture::LoadFromResource(const std::wstring& name) {
    auto bytes = FindResourceData(name);
    if (!bytes) throw Error(L"The picture " + name + L" is not in the program");
    try {
        LoadFromBytes(*bytes);
    } catch (const Error& error) {
        throw Error(name + L": " + error.Message());
    }
}

void Picture::Assign(const Persistent& source) {
    auto* other = dynamic_cast<const Picture*>(&source);
    if (!other) return Persistent::Assign(source);
    if (other == this) return;
    SetGraphic(other->graphic_ ? other->graphic_->Clone() : nullptr);
}

void Picture::Changed() {
    if (OnChange) OnChange();
}

PictureProperty::PictureProperty(std::wstring name, Picture& picture)
    : PictureProperty(
          std::move(name), [&picture] { return &picture; },
          [&picture](const Picture& value) { picture.Assign(value); }) {}

void PictureProperty::Load(const PropertyValue& value, DescriptionContext& context) {
    Picture picture;
    picture.LoadFromBytes(context.ReadPicture(ParseString(value)));
    set_(picture);
}

bool PictureProperty::CopyFrom(const Property& source) {
    auto* other = dynamic_cast<const PictureProperty*>(&source);
    if (!other) return false;
    if (const Picture* picture = other->get_()) set_(*picture);
    return true;
}

} // namespace toolkit
