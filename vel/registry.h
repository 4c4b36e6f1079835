#pragma once
// TWinRegistry: registry access by one path string that begins with a hive name, e.g.
//   TWinRegistry reg;
//   if (reg.KeyExists(L"HKCU\\Software\\Velmar")) name =
//   reg.GetStringValue(L"HKCU\\Software\\Velmar", L"Name");
// Failures go through a configurable route instead of exceptions: by default a message box.
#include <functional>
#include <utility>

#include "vel/registry_core.h"

namespace vel {

enum class TRegistryErrorKind {
    Disabled,       // failures only set LastError
    Receive,        // OnRaiseError receives them, then LastError is set
    OperatingSystem // std::system_error with the Windows error; LastError keeps its value
};

using TRegistryOnError = std::function<void(TRegistryError AError)>;

class TWinRegistry : public TRegistryCore {
  public:
    TWinRegistry();

    TRegistryErrorKind ErrorKind() const { return FErrorKind; }
    void SetErrorKind(TRegistryErrorKind value) { FErrorKind = value; }
    // Receives failures in Receive mode; starts as RegistryReceiveError.
    const TRegistryOnError& OnRaiseError() const { return FOnError; }
    void SetOnRaiseError(TRegistryOnError value) { FOnError = std::move(value); }

    // The default receiver: a modal message box describing the failure.
    void RegistryReceiveError(TRegistryError AError);

    // Hive names: full names, short ones ("HKCU") and a few old spellings, compared exactly.
    static bool StringToHiveEx(const std::wstring& AString, HKEY& Hive);
    static HKEY StringToHive(const std::wstring& AString, HKEY Default);
    // The full name of a hive, or "Unknown".
    static std::wstring HiveToString(HKEY Hive);

  protected:
    void Fail(TRegistryError error, LSTATUS code) override;

  private:
    TRegistryOnError FOnError;
    TRegistryErrorKind FErrorKind = TRegistryErrorKind::Receive;
};

} // namespace vel
