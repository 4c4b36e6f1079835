#pragma once
// Splits a window description into tokens. The format:
//   object Name: ClassName          a component, its properties, its children, "end"
//   Font.Name = 'Segoe UI'          a property by dotted path
//   Left = 586    Scale = 1.5       integers (also $FF and 0xFF) and decimals
//   Caption = 'It\'s' + ' here\n'   strings with \\ \' \n \r \t \u{1F882}, joined by +
//   Anchors = [Right, Bottom]       sets; ( 'a' 'b' ) lists of strings
//   Color = clBtnFace               names: enumeration values, colours, handlers, components
//   Picture = 'cover.png'           a picture file beside the description, which the build
//                                   embeds (toolkit_add_forms)
//   // comment                      to the end of the line
#include <cstdint>
#include <string>
#include <string_view>

namespace toolkit {

struct Token {
    enum class Kind { End, Identifier, Integer, Float, String, Symbol };
    Kind kind = Kind::End;
    std::wstring text; // identifier, string content or symbol
    std::int64_t integer = 0;
    double number = 0;
    int line = 1;
};

class DescriptionLexer {
  public:
    // Errors are reported as Error with the line; the reader adds the file.
    explicit DescriptionLexer(std::wstring_view text) : text_(text) {}
    Token Next();
    int Line() const { return line_; }

  private:
    void SkipSpaceAndComments();
    Token ReadNumber();
    Token ReadString();
    wchar_t Peek(std::size_t ahead = 0) const;

    std::wstring_view text_;
    std::size_t position_ = 0;
    int line_ = 1;
};

} // namespace toolkit
