#pragma once
// Expanding path templates: "%NAME%" macros and "shell:" folder names. Pure text work; the
// environment and the shell folders come in as arguments.
#include <functional>
#include <string>
#include <vector>

namespace vel {

// text with the first (or every) occurrence of what, found without regard to case, replaced.
std::wstring ReplaceFirstIgnoringCase(const std::wstring& text, const std::wstring& what,
                                      const std::wstring& with);
std::wstring ReplaceAllIgnoringCase(const std::wstring& text, const std::wstring& what,
                                    const std::wstring& with);

// The value of an environment variable; empty when it is unset.
using TVariableLookup = std::function<std::wstring(const std::wstring& name)>;

// Scans path for pairs of '%' from left to right, each closing '%' also opening the next
// pair, and replaces the first occurrence of each "%NAME%" in the result (any case) by the
// variable's value. Unset and empty variables leave their macro as written.
std::wstring ExpandMacros(const std::wstring& path, const TVariableLookup& lookup);

struct TShellFolder {
    std::wstring Name;     // as the Shell Folders keys list it, e.g. "Desktop"
    std::wstring Location; // the folder
};

// Replaces every "shell:" + name (any case) by the folder, trying the folders in order, so
// an earlier entry wins over a later one of the same name. Only a path that contains
// "shell:" in exactly that case is looked at.
std::wstring ExpandShellNames(const std::wstring& path, const std::vector<TShellFolder>& folders);

} // namespace vel
