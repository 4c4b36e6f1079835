#pragma once
// An environment variable of this process set for one test and restored afterwards.
#include <windows.h>

#include <optional>
#include <string>

namespace test {

class ScopedVariable {
  public:
    // value nullopt removes the variable for the test.
    ScopedVariable(std::wstring name, const std::optional<std::wstring>& value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    static void Set(const std::wstring& name, const std::optional<std::wstring>& value);
    std::wstring name_;
    std::optional<std::wstring> previous_;
};

} // namespace test
