#pragma once
// What the ZIP reader's tests share: the archives made by make-zip-fixtures.py, and
// folder trees read whole so an extraction can be compared with what it should give.
#include <map>
#include <optional>
#include <string>

namespace test {

// An archive or expected tree of the build's ZIP fixtures, e.g. L"basic.zip".
std::wstring ZipFixture(const std::wstring& name);

std::string ReadBytes(const std::wstring& path);

// Every file and folder below root by relative path; a folder maps to no content.
// Works for paths longer than MAX_PATH.
using Tree = std::map<std::wstring, std::optional<std::string>>;
Tree ReadTree(const std::wstring& root);

} // namespace test
