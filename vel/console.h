#pragma once
// Status lines of a windowed program on the console of the command shell that started it.
#include <string>

namespace vel {

// The file name of imagePath is cmd.exe or powershell.exe, in any letter case.
bool IsCommandShell(const std::wstring& imagePath);

// Class-level only: the process has at most one console.
class sysconsole {
  public:
    sysconsole() = delete;

    // Attached to the parent's console by this class.
    static bool Connected;

    // Full image path of the parent process; empty when it has ended or cannot be opened.
    static std::wstring GetParentProcessName();
    // The parent is a command shell (walks the process list on every call).
    static bool ConsoleCalled();
    // Attaches to the parent's console, without asking when force is set. True when this
    // call attached; false when already connected or the parent is no shell.
    static bool Connect(bool force);
    // Writes text as one line, attaching first when the parent is a shell; does nothing
    // otherwise. Throws std::system_error when the line cannot be written.
    static void QuickOutput(const std::wstring& text);
    // Detaches from the console.
    static void Disconnect();
};

} // namespace vel
