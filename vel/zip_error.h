#pragma once
// The one error type of the ZIP reader: a text for the user that says what is wrong
// and, where it concerns one entry, which.
#include <stdexcept>
#include <string>

namespace vel {

class ZipError : public std::runtime_error {
  public:
    explicit ZipError(const std::wstring& message);
    // The text for the user; what() holds the same text as UTF-8.
    const std::wstring& Message() const { return message_; }

  private:
    std::wstring message_;
};

// "The archive entry "bin\x.dll" is <problem>."
ZipError EntryError(const std::wstring& entryName, const std::wstring& problem);
// "The archive entry "bin\x.dll" is damaged (<detail>)."
ZipError DamagedEntry(const std::wstring& entryName, const std::wstring& detail);
// "The archive is damaged (<detail>)."
ZipError DamagedArchive(const std::wstring& detail);

} // namespace vel
