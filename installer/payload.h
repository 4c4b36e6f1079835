#pragma once
// The files the installer carries as RCDATA resources of its own executable.
#include <windows.h>

#include <cstddef>
#include <span>
#include <string>

namespace installer {

// The bytes of the RCDATA resource of that name (letter case does not matter), mapped
// with the executable; throws std::runtime_error naming the resource when it is missing.
std::span<const std::byte> PayloadResource(const wchar_t* name);

// Writes a resource into an open file from its start and cuts the file there. The bytes
// come from the image this process runs, never from the executable file by its path: a
// running executable can be renamed and another file put in its place. Throws
// std::system_error on failure.
void CopyPayloadResource(const wchar_t* name, HANDLE file);

// Writes a resource to a file, replacing it; throws std::system_error on failure.
void WritePayloadFile(const wchar_t* name, const std::wstring& file);

} // namespace installer
