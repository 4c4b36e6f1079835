#pragma once
// A holder of one picture of any kind the toolkit reads (BMP, ICO, PNG, GIF, JPEG), loaded
// from bytes, files, streams or resources; the kind comes from the content, not the name.
#include "toolkit/graphic.h"
#include "toolkit/persistent.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <span>
#include <string>

namespace toolkit {

class Bitmap;

class Picture : public Persistent {
  public:
    Picture() = default;
    ~Picture() override;

    // The picture, or null when empty.
    toolkit::Graphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(std::unique_ptr<toolkit::Graphic> graphic);
    // The picture as a bitmap to draw on; any other kind of picture is replaced by an empty
    // bitmap first.
    toolkit::Bitmap& Bitmap();
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    bool Empty() const { return !graphic_ || graphic_->Empty(); }
    void Clear() { SetGraphic(nullptr); }

    // Each throws Error (naming the source where there is one) when the content is not a
    // picture the toolkit reads; the picture then stays as it was.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);
    void LoadFromFile(const std::wstring& path);
    void LoadFromStream(std::istream& stream);
    // An RCDATA resource of the program.
    void LoadFromResource(const std::wstring& name);

    // Copies another picture's graphic.
    void Assign(const Persistent& source) override;

    // Raised whenever the picture changes, an animated GIF's frames included.
    std::function<void()> OnChange;

  private:
    void Changed();

    std::unique_ptr<toolkit::Graphic> graphic_;
};

// A picture property: window descriptions name a picture file, which the build puts into
// the program and the reader hands over as bytes.
class PictureProperty final : public Property {
  public:
    using Getter = std::function<const Picture*()>;
    using Setter = std::function<void(const Picture&)>;
    // Loads straight into the picture.
    PictureProperty(std::wstring name, Picture& picture);
    // Hands the picture read to a setter; get gives what another object copies from (null
    // when there is nothing to copy).
    PictureProperty(std::wstring name, Getter get, Setter set)
        : Property(std::move(name)), get_(std::move(get)), set_(std::move(set)) {}
    void Load(const PropertyValue& value, DescriptionContext& context) override;
    bool CopyFrom(const Property& source) override;

  private:
    Getter get_;
    Setter set_;
};

} // namespace toolkit
