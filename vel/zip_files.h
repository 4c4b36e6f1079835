#pragma once
// The file-system side of extraction: full and extended-length paths, folders created
// on demand (and remembered, so a failed run can take them away again), and the
// temporary file an entry is written to before it takes its real name.
#include <windows.h>

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "vel/folders.h"
#include "vel/handle.h"
#include "vel/kept_files.h"

namespace vel {

// The system's description of a Win32 error code, ending with a full stop.
std::wstring SystemErrorText(DWORD code);

// An absolute path with "\" separators and no trailing separator (except for a drive
// root such as "C:\"). A "\\?\" prefix on the input is dropped.
std::wstring FullPath(const std::wstring& path);

// Creates folders with their missing parents and appends each one it created to the
// list, parents first. The first folder ensured is the root: no folder at or below it
// that existed before is used when it is a junction or a symbolic link, so a link
// planted in an install folder cannot send the files somewhere else.
class FolderMaker {
  public:
    explicit FolderMaker(std::vector<std::wstring>& created) : created_(created) {}
    // fullPath as made by FullPath.
    void Ensure(const std::wstring& fullPath);

  private:
    bool TryCreate(const std::wstring& fullPath, DWORD& error);
    bool BelowRoot(const std::wstring& fullPath) const;

    std::vector<std::wstring>& created_;
    std::unordered_set<std::wstring> present_;
    std::wstring root_;
};

// A new file with a temporary name in the target's folder. Until CommitTo moves it over
// the target it is deleted when the object goes away, so an entry that fails half way
// leaves nothing behind.
class PartFile {
  public:
    explicit PartFile(const std::wstring& target);
    ~PartFile();
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    void Write(const uint8_t* data, size_t size);
    void SetLastWriteTime(const FILETIME& time);
    // Gives the file the target's name and closes it. A file of that name is kept aside
    // first (see kept_files.h); returns true and fills kept when there was one.
    bool CommitTo(TKeptFile& kept);

  private:
    // target in extended-length form; returns the error, or ERROR_SUCCESS.
    DWORD RenameTo(const std::wstring& target);
    [[noreturn]] void Fail(const std::wstring& what, DWORD error) const;

    std::wstring target_;
    std::wstring partPath_; // extended-length form
    UniqueHandle file_;
    bool committed_ = false;
};

} // namespace vel
