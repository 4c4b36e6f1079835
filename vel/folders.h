#pragma once
// Folders on disk without the 260-character limit, and searches in them.
#include <windows.h>

#include <string>
#include <vector>

namespace vel {

// Closes a FindFirstFile search with FindClose.
class UniqueFind {
  public:
    explicit UniqueFind(HANDLE find) : find_(find) {}
    ~UniqueFind() {
        if (*this) FindClose(find_);
    }
    UniqueFind(const UniqueFind&) = delete;
    UniqueFind& operator=(const UniqueFind&) = delete;
    HANDLE Get() const { return find_; }
    explicit operator bool() const { return find_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE find_;
};

// The absolute "\\?\" form of a path ("\\?\UNC\" for shares), which file functions accept
// beyond 260 characters. A path already in that form is returned as it is.
std::wstring ExtendedLengthPath(const std::wstring& path);

bool FolderExists(const std::wstring& path);

// Creates the folder with all missing parents and returns the folders it created
// (extended-length paths, outermost first). Throws std::system_error with the Windows
// error when a folder cannot be created (or a file of that name is in the way).
std::vector<std::wstring> CreateFolderTree(const std::wstring& folder);

} // namespace vel
