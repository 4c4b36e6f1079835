#pragma once
// Refusing an installation that would not fit, before anything is written.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace installer {

// The installation does not fit on a volume; the text names it and both figures.
class NotEnoughSpace : public std::runtime_error {
  public:
    explicit NotEnoughSpace(const std::wstring& message);
    const std::wstring& Message() const { return message_; }

  private:
    std::wstring message_;
};

// The size of the application's files once extracted, read from the carried archive's
// central directory.
uint64_t PayloadUncompressedSize();

// Throws NotEnoughSpace unless the temporary folder's volume can hold the archive and the
// install folder's volume the application's files and the uninstaller (both together
// when they are one volume). A folder that does not exist yet counts on the volume of
// its nearest existing parent; a path without any is left to the folder creation.
void CheckFreeSpace(const std::wstring& tempFolder, const std::wstring& installFolder);

} // namespace installer
