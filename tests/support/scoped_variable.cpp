#include "tests/support/scoped_variable.h"

namespace test {

ScopedVariable::ScopedVariable(std::wstring name, const std::optional<std::wstring>& value)
    : name_(std::move(name)) {
    if (const DWORD size = GetEnvironmentVariableW(name_.c_str(), nullptr, 0)) {
        std::wstring previous(size, L'\0');
        previous.resize(GetEnvironmentVariableW(name_.c_str(), previous.data(), size));
        previous_ = previous;
    }
    Set(name_, value);
}

ScopedVariable::~ScopedVariable() {
    Set(name_, previous_);
}

void ScopedVariable::Set(const std::wstring& name, const std::optional<std::wstring>& value) {
    SetEnvironmentVariableW(name.c_str(), value ? value->c_str() : nullptr);
}

} // namespace test
