#pragma once
// Folders whose access list keeps standard users out, for what an administrator's
// process writes and later trusts.
#include <windows.h>

#include <string>

#include "vel/handle.h"

namespace vel {

// A new folder of random name below parent, created with an access list that gives only
// Administrators and SYSTEM any access (nothing inherited from parent), and held open
// without following links. Its name cannot be guessed beforehand, and a folder planted
// under the same name would make the creation fail rather than be used.
class PrivateFolder {
  public:
    // Throws std::system_error when no such folder can be created.
    explicit PrivateFolder(const std::wstring& parent);
    ~PrivateFolder() { Remove(); }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    // The folder's path, without a trailing "\".
    const std::wstring& Path() const { return path_; }
    // Deletes the folder through its handle; it must be empty by then. The folder also
    // goes, when empty, once the process ends.
    void Remove();

  private:
    std::wstring path_;
    UniqueHandle folder_;
};

// Gives a folder (open with WRITE_DAC and WRITE_OWNER) Administrators as its owner and a
// protected access list: Administrators and SYSTEM full control, users read and execute,
// inherited by everything created in it. Returns false with the system's error otherwise.
bool ProtectFolder(HANDLE folder);

} // namespace vel
