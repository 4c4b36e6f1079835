#pragma once
// The installer's module state set up for one test and put back afterwards.
#include <gtest/gtest.h>

#include "installer/config.h"
#include "installer/installer_message.h"

namespace installer {

class InstallerState : public ::testing::Test {
  protected:
    void SetUp() override {
        LoadDefaults();
        InstallOptions.RegistryHIVE = L"HKEY_CURRENT_USER";
        InstallOptions.RegistryRecord = L"Software\\QuillpadTests\\Uninstall\\Quillpad";
    }
    void TearDown() override {
        AnswerMessagesWith({});
        AppOptions = {};
        InstallOptions = {};
        PreviousInstall = {};
        CaptionSuffix.clear();
        ForceMode = false;
        IsAdmin = false;
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QuillpadTests");
    }
};

} // namespace installer
