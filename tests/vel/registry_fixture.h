#pragma once
// A TWinRegistry whose failures are collected instead of shown, and a scratch key of its own.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/scratch_key.h"
#include "vel/registry.h"

namespace vel {

class RegistryTest : public ::testing::Test {
  protected:
    RegistryTest() {
        reg.SetOnRaiseError([this](TRegistryError error) { errors.push_back(error); });
    }

    // The scratch key, or a path below it, in the class's path syntax.
    std::wstring At(const std::wstring& below = L"") const {
        return below.empty() ? scratch.Path() : scratch.Path() + L"\\" + below;
    }
    std::wstring Raw(const std::wstring& below = L"") const {
        return below.empty() ? scratch.Relative() : scratch.Relative() + L"\\" + below;
    }

    test::ScratchKey scratch;
    TWinRegistry reg;
    std::vector<TRegistryError> errors;
};

using Errors = std::vector<TRegistryError>;

} // namespace vel
