#pragma once
// The plainest Win32 way to copy a file: CreateFileW, then ReadFile/WriteFile through one
// buffer. The benchmarks use it as the floor that any extraction is measured against.
#include <string>
#include <vector>

namespace bench {

// Copies from into a new file to (replacing one), a buffer's size at a time; throws
// std::runtime_error naming the file on failure.
void CopyFileBlocks(const std::wstring& from, const std::wstring& to, std::vector<char>& buffer);

} // namespace bench
