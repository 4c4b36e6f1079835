#pragma once
// The files the installer carries as RCDATA resources of its own executable.
#include <cstddef>
#include <span>
#include <string>

namespace installer {

// The bytes of the RCDATA resource of that name (letter case does not matter), mapped
// with the executable; throws std::runtime_error naming the resource when it is missing.
std::span<const std::byte> PayloadResource(const wchar_t* name);

// Writes a resource to a file, replacing it; throws std::system_error on failure.
void WritePayloadFile(const wchar_t* name, const std::wstring& file);

} // namespace installer
