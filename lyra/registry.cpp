#include "lyra/registry.h"

namespace lyra {

LyRegistry::LyRegistry() : TRegistryCore(vel::THiveNaming{vel::CanonicalHiveNames(), false}) {}

void LyRegistry::Fail(TRegistryError error, LSTATUS) {
    FLastError = error;
    if (FErrorMessage) vel::ShowRegistryError(error);
}

bool LyQuickReg::CreateKey(const std::wstring& KeyLocation) {
    return LyRegistry().CreateKey(KeyLocation);
}

bool LyQuickReg::DeleteKey(const std::wstring& KeyLocation) {
    return LyRegistry().DeleteKey(KeyLocation);
}

bool LyQuickReg::DeleteValue(const std::wstring& KeyLocation, const std::wstring& ValueName) {
    return LyRegistry().DeleteValue(KeyLocation, ValueName);
}

std::wstring LyQuickReg::GetStringValue(const std::wstring& KeyLocation,
                                        const std::wstring& ValueName) {
    return LyRegistry().GetStringValue(KeyLocation, ValueName);
}

bool LyQuickReg::GetValueExists(const std::wstring& KeyLocation, const std::wstring& ValueName) {
    return LyRegistry().GetValueExists(KeyLocation, ValueName);
}

bool LyQuickReg::KeyExists(const std::wstring& KeyLocation) {
    return LyRegistry().KeyExists(KeyLocation);
}

bool LyQuickReg::RenameKey(const std::wstring& KeyLocation, const std::wstring& NewName) {
    return LyRegistry().RenameKey(KeyLocation, NewName);
}

} // namespace lyra
