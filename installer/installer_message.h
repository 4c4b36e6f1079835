#pragma once
// The installer's one way of asking or telling the user something in a window.
#include <functional>
#include <string>

namespace installer {

enum class TMsgButtons { OK, YesNo };

// Modal results, as the callers test them.
constexpr int kResultOK = 1;
constexpr int kResultYes = 6;
constexpr int kResultNo = 7;

// Shows a modal message with a title, a text and a button set and returns the button
// pressed. The wizard window is its parent when that window exists and is visible.
// Usable before any window exists. In a silent run nothing is shown: the text goes to
// the console as an information line and a question is answered No.
int InstallerMessage(const std::wstring& title, const std::wstring& text, TMsgButtons buttons);

// Tests that run the installer's logic inside their own process answer the messages
// here instead of a user; an empty hook shows the real window.
using TMessageAnswer =
    std::function<int(const std::wstring& title, const std::wstring& text, TMsgButtons buttons)>;
void AnswerMessagesWith(TMessageAnswer answer);

} // namespace installer
