#include "toolkit/font.h"

#include <cwchar>

namespace toolkit {

const EnumNames<FontStyle>& FontStyleNames() {
    static const EnumNames<FontStyle> names = {{L"Bold", FontStyle::Bold},
                                               {L"Italic", FontStyle::Italic},
                                               {L"Underline", FontStyle::Underline},
                                               {L"StrikeOut", FontStyle::StrikeOut}};
    return names;
}

Font::Font() {
    Publish(L"Name", &Font::Name, &Font::SetName);
    Publish(L"Height", &Font::Height, &Font::SetHeight);
    Publish(L"Size", &Font::Size, &Font::SetSize);
    PublishSet(L"Style", &Font::Style, &Font::SetStyle, FontStyleNames());
    PublishColor(L"Color", &Font::Color, &Font::SetColor);
}

void Font::SetName(const std::wstring& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void Font::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

int Font::Size() const {
    return -MulDiv(height_, 72, pixelsPerInch_);
}

void Font::SetSize(int points) {
    SetHeight(-MulDiv(points, pixelsPerInch_, 72));
}

void Font::SetStyle(FontStyleSet style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void Font::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

HFONT Font::Handle() const {
    if (!handle_) {
        LOGFONTW log{};
        log.lfHeight = height_;
        log.lfWeight = style_.Contains(FontStyle::Bold) ? FW_BOLD : FW_NORMAL;
        log.lfItalic = style_.Contains(FontStyle::Italic);
        log.lfUnderline = style_.Contains(FontStyle::Underline);
        log.lfStrikeOut = style_.Contains(FontStyle::StrikeOut);
        log.lfCharSet = DEFAULT_CHARSET;
        log.lfQuality = DEFAULT_QUALITY;
        wcsncpy(log.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
        handle_.Reset(CreateFontIndirectW(&log));
    }
    return handle_.Get();
}

void Font::Assign(const Persistent& source) {
    auto* other = dynamic_cast<const Font*>(&source);
    if (!other) return Persistent::Assign(source);
    if (other == this) return;
    if (name_ == other->name_ && height_ == other->height_ && style_ == other->style_ &&
        color_ == other->color_ && pixelsPerInch_ == other->pixelsPerInch_)
        return;
    name_ = other->name_;
    height_ = other->height_;
    style_ = other->style_;
    color_ = other->color_;
    pixelsPerInch_ = other->pixelsPerInch_;
    Changed();
}

void Font::Changed() {
    handle_.Reset();
    if (OnChange) OnChange();
}

} // namespace toolkit
