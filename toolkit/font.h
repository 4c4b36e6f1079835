#pragma once
// A font description with a lazily made HFONT. Height follows Windows: negative values give
// the character height in pixels, positive ones the cell height.
#include "toolkit/color.h"
#include "toolkit/enum_set.h"
#include "toolkit/gdi_handles.h"
#include "toolkit/persistent.h"

#include <functional>
#include <string>

namespace toolkit {

enum class FontStyle { Bold, Italic, Underline, StrikeOut };
using FontStyleSet = EnumSet<FontStyle>;
const EnumNames<FontStyle>& FontStyleNames();

class Font : public Persistent {
  public:
    Font();

    const std::wstring& Name() const { return name_; }
    void SetName(const std::wstring& name);
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points, through PixelsPerInch.
    int Size() const;
    void SetSize(int points);
    FontStyleSet Style() const { return style_; }
    void SetStyle(FontStyleSet style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // The resolution Size converts with; scaling a control changes it with the height.
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int pixelsPerInch) { pixelsPerInch_ = pixelsPerInch; }

    HFONT Handle() const;
    void Assign(const Persistent& source) override;

    std::function<void()> OnChange;

  private:
    void Changed();

    std::wstring name_ = L"Segoe UI";
    int height_ = -12;
    FontStyleSet style_;
    TColor color_ = clWindowText;
    int pixelsPerInch_ = 96;
    mutable GdiObject<HFONT> handle_;
};

} // namespace toolkit
