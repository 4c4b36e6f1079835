#include "vel/registry.h"

#include <system_error>

#include "vel/registry_key.h"

namespace vel {

TWinRegistry::TWinRegistry()
    : TRegistryCore(THiveNaming{AllHiveNames(), true}),
      FOnError([this](TRegistryError AError) { RegistryReceiveError(AError); }) {}

void TWinRegistry::RegistryReceiveError(TRegistryError AError) {
    ShowRegistryError(AError);
}

void TWinRegistry::Fail(TRegistryError error, LSTATUS code) {
    switch (FErrorKind) {
    case TRegistryErrorKind::OperatingSystem:
        throw std::system_error(static_cast<int>(code), std::system_category());
    case TRegistryErrorKind::Receive:
        if (FOnError) FOnError(error);
        break;
    case TRegistryErrorKind::Disabled:
        break;
    }
    FLastError = error;
}

bool TWinRegistry::StringToHiveEx(const std::wstring& AString, HKEY& Hive) {
    const std::optional<THiveId> hive = FindHive(AString, AllHiveNames());
    if (hive) Hive = HiveHandle(*hive);
    return hive.has_value();
}

HKEY TWinRegistry::StringToHive(const std::wstring& AString, HKEY Default) {
    HKEY hive = Default;
    StringToHiveEx(AString, hive);
    return hive;
}

std::wstring TWinRegistry::HiveToString(HKEY Hive) {
    const std::optional<THiveId> hive = HiveOfHandle(Hive);
    return hive ? CanonicalHiveName(*hive) : L"Unknown";
}

} // namespace vel
