#pragma once
// Helpers shared by the test programs: scratch folders, starting real processes and
// reading what they print, and the paths of the built programs.
#include <windows.h>

#include <string>

namespace test {

// A fresh folder under the temporary folder, removed with everything in it afterwards.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    // The folder, without a trailing backslash.
    const std::wstring& Path() const { return path_; }

  private:
    std::wstring path_;
};

struct ProcessResult {
    DWORD exitCode = 0;
    std::string output; // what the process wrote to its standard output and error
    bool timedOut = false;
};

// Starts a command line, hands it a pipe as standard output and error, and waits up to
// timeoutMs for it to end. Extra environment entries ("NAME=value") are added to ours.
ProcessResult RunProcess(const std::wstring& commandLine, DWORD timeoutMs = 60000,
                         const std::wstring& environment = L"");

// Our environment plus extra entries ("NAME=value" separated by newlines), as a
// CreateProcess environment block; empty when there are no extra entries.
std::wstring EnvironmentBlock(const std::wstring& extra);

// A file of the build tree, e.g. L"installer\\QuillpadSetup.exe", as a Windows path.
std::wstring BuildFile(const std::wstring& relative);

std::wstring ReadTextFile(const std::wstring& path);
void WriteTextFile(const std::wstring& path, const std::string& content);
bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
void RemoveTree(const std::wstring& path);
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

} // namespace test
