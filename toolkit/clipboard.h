#pragma once
// The system clipboard, for text.
#include <string>

namespace toolkit {

class Clipboard {
  public:
    // Replaces the clipboard's content; throws Error when the clipboard stays busy.
    static void SetText(const std::wstring& text);
    // The clipboard's text, empty when it holds none.
    static std::wstring Text();
    static bool HasText();
};

} // namespace toolkit
