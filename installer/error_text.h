#pragma once
#include <exception>
#include <string>

namespace installer {

// The text of an error as the user should read it.
std::wstring ErrorText(const std::exception& error);

} // namespace installer
