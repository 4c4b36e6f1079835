#pragma once
// The pipe between the uninstaller that a user started and its temporary copy, which
// does the work: the copy sends its status lines and, last, its result; the first
// process prints the lines on its console and ends with that result, so a script that
// waits for it sees the real outcome.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "uninstaller/exit_codes.h"
#include "vel/handle.h"

namespace uninstaller {

class TResultWriter {
  public:
    // Takes ownership of the pipe's write end; a null handle drops everything.
    explicit TResultWriter(HANDLE pipe) : pipe_(pipe) {}
    void Line(const std::wstring& text);
    // Sends the result and closes the pipe; the reader may end right after.
    void Finish(TUninstallResult result);

  private:
    void Send(wchar_t kind, const std::wstring& text);
    vel::UniqueHandle pipe_;
};

// Reads until the writer finished or went away, handing each line to onLine. Nothing
// when the pipe closed without a result (the copy ended unexpectedly).
std::optional<TUninstallResult> ReadResults(HANDLE pipe,
                                            const std::function<void(const std::wstring&)>& onLine);

} // namespace uninstaller
