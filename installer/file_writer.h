#pragma once
// Writing whole files so that a failure never leaves a half-written one behind.
#include <cstddef>
#include <span>
#include <string>

#include "vel/handle.h"

namespace installer {

// Writes data to a new file beside the target and moves it over the target once it is
// complete; throws std::system_error (with the system's reason) on any failure, leaving
// the target as it was.
void WriteWholeFile(const std::wstring& file, std::span<const std::byte> data);

// The whole content of a file, or empty when it cannot be read.
std::string ReadWholeFile(const std::wstring& file);

// Writes data into an open file from its start and cuts the file there.
void WriteAll(HANDLE file, std::span<const std::byte> data);

// Writes data into an open file at its file pointer.
void Append(HANDLE file, std::span<const std::byte> data);

[[noreturn]] void ThrowLastError(const std::string& what);

} // namespace installer
