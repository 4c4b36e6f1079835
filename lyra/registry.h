#pragma once
// The framework's registry class: the operations of vel's registry class, with hives named
// only by their five full names ("HKEY_CURRENT_USER", exact case) and every failure shown in
// a message box unless ErrorMessage is turned off. LyQuickReg makes one call on a fresh
// instance.
#include "vel/registry_core.h"

namespace lyra {

using vel::TCurrency;
using vel::TDate;
using vel::TDateTime;
using vel::TRegDataType;
using vel::TRegistryError;
using vel::TRegistryMode;
using vel::TTime;

class LyRegistry : public vel::TRegistryCore {
  public:
    LyRegistry();

    bool ErrorMessage() const { return FErrorMessage; }
    void SetErrorMessage(bool value) { FErrorMessage = value; }

  protected:
    void Fail(TRegistryError error, LSTATUS code) override;

  private:
    bool FErrorMessage = true;
};

class LyQuickReg {
  public:
    static bool CreateKey(const std::wstring& KeyLocation);
    static bool DeleteKey(const std::wstring& KeyLocation);
    static bool DeleteValue(const std::wstring& KeyLocation, const std::wstring& ValueName);
    static std::wstring GetStringValue(const std::wstring& KeyLocation,
                                       const std::wstring& ValueName);
    static bool GetValueExists(const std::wstring& KeyLocation, const std::wstring& ValueName);
    static bool KeyExists(const std::wstring& KeyLocation);
    static bool RenameKey(const std::wstring& KeyLocation, const std::wstring& NewName);
};

} // namespace lyra
