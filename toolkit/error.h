#pragma once
// The exception the toolkit raises: a message in UTF-16, as the user will read it.
#include <exception>
#include <string>

namespace toolkit {

class Error : public std::exception {
  public:
    explicit Error(std::wstring message);
    const std::wstring& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

  private:
    std::wstring message_;
    std::string utf8_;
};

// The message of any exception, for error boxes and logs.
std::wstring ExceptionMessage(const std::exception_ptr& exception);

} // namespace toolkit
