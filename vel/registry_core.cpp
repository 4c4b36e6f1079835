#include "vel/registry_core.h"

#include "vel/registry_copy.h"
#include "vel/registry_key.h"

namespace vel {

std::wstring RegistryErrorMessage(TRegistryError error) {
    switch (error) {
    case TRegistryError::AccessDenied:
        return L"Windows Registry Error: Access Denied";
    case TRegistryError::KeyNoExist:
        return L"Windows Registry Error: The specified key does not exist";
    case TRegistryError::ReadError:
        return L"Windows Registry Error: Cannot read from the Windows Registry";
    case TRegistryError::None:
        break;
    }
    return L"";
}

void ShowRegistryError(TRegistryError error) {
    const std::wstring text = RegistryErrorMessage(error);
    if (!text.empty())
        MessageBoxW(nullptr, text.c_str(), nullptr, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

namespace {
std::wstring JoinKey(const std::wstring& parent, const std::wstring& name) {
    return parent.empty() ? name : parent + L"\\" + name;
}
} // namespace

TRegistryCore::TTarget TRegistryCore::Locate(const std::wstring& KeyLocation) const {
    TRegistryLocation location = ParseRegistryLocation(KeyLocation, FAutoHive, FNaming);
    return {location.Hive ? HiveHandle(*location.Hive) : FDefaultHive, std::move(location.Key)};
}

LSTATUS TRegistryCore::OpenLocation(const std::wstring& KeyLocation, REGSAM rights,
                                    UniqueKey& key) const {
    const TTarget target = Locate(KeyLocation);
    return OpenRegKey(target.Hive, target.Key, Access(rights), key);
}

REGSAM TRegistryCore::Access(REGSAM rights) const {
    switch (FRegistryMode) {
    case TRegistryMode::Windows32:
        return rights | KEY_WOW64_32KEY;
    case TRegistryMode::Windows64:
        return rights | KEY_WOW64_64KEY;
    case TRegistryMode::Unloaded:
    case TRegistryMode::Automatic:
        break;
    }
    return rights;
}

void TRegistryCore::ResetRegistryMode() {
    // A 32-bit build under WOW64 has to ask for the 64-bit view and a native build sees it
    // anyway; on 32-bit Windows the flag is ignored. So the answer is the same everywhere:
    // the 64-bit view, where per-machine records of 64-bit Windows live.
    FRegistryMode = TRegistryMode::Windows64;
}

bool TRegistryCore::WinModeLoaded() {
    if (FRegistryMode == TRegistryMode::Unloaded) ResetRegistryMode();
    return true;
}

void TRegistryCore::SetManualHive(HKEY value) {
    FAutoHive = false;
    FDefaultHive = value;
}

struct TRegistryCore::TParentKey {
    TTarget Target;
    TKeySplit Split;
    UniqueKey Handle; // the parent, once opened
};

LSTATUS TRegistryCore::OpenParent(const std::wstring& KeyLocation, REGSAM rights,
                                  TParentKey& key) const {
    key.Target = Locate(KeyLocation);
    key.Split = SplitKeyPath(key.Target.Key);
    // Only a bare hive has no name here; acting on it could empty the whole hive.
    if (key.Split.Name.empty()) return ERROR_INVALID_PARAMETER;
    return OpenRegKey(key.Target.Hive, key.Split.Parent, Access(rights), key.Handle);
}

bool TRegistryCore::CreateKey(const std::wstring& KeyLocation) {
    // Only the last component is made, under its parent: a missing parent fails instead of
    // the key landing elsewhere (at the hive root) or a chain of parents appearing unasked.
    TParentKey key;
    LSTATUS status = OpenParent(KeyLocation, KEY_WRITE, key);
    if (key.Split.Name.empty()) return true; // a hive is always there
    UniqueKey created;
    if (status == ERROR_SUCCESS)
        status = CreateRegKey(key.Handle.Get(), key.Split.Name, Access(KEY_WRITE), created);
    if (status == ERROR_SUCCESS) return true;
    Fail(TRegistryError::AccessDenied, status);
    return false;
}

bool TRegistryCore::KeyExists(const std::wstring& KeyLocation) {
    TParentKey key;
    LSTATUS status = OpenParent(KeyLocation, KEY_READ, key);
    if (key.Split.Name.empty()) return true; // a hive is always there
    bool exists = false;
    if (status == ERROR_SUCCESS)
        status = RegKeyExists(key.Handle.Get(), key.Split.Name, Access(0), exists);
    if (status != ERROR_SUCCESS && !IsMissing(status)) Fail(TRegistryError::ReadError, status);
    return exists;
}

bool TRegistryCore::DeleteKey(const std::wstring& KeyLocation) {
    TParentKey key;
    LSTATUS status = OpenParent(KeyLocation, KEY_WRITE, key);
    if (status == ERROR_SUCCESS)
        status = DeleteKeyTree(key.Handle.Get(), key.Split.Name, Access(0));
    if (status == ERROR_SUCCESS) return true;
    if (!IsMissing(status)) Fail(TRegistryError::AccessDenied, status);
    return false;
}

std::wstring TRegistryCore::CloneKey(const std::wstring& KeyLocation) {
    TParentKey key;
    LSTATUS status = OpenParent(KeyLocation, KEY_ALL_ACCESS, key);
    std::wstring cloneName;
    for (int n = 2; status == ERROR_SUCCESS && cloneName.empty(); ++n) {
        const std::wstring candidate = key.Split.Name + L"(" + std::to_wstring(n) + L")";
        bool taken = false;
        status = RegKeyExists(key.Handle.Get(), candidate, Access(0), taken);
        if (!taken) cloneName = candidate;
    }
    if (status == ERROR_SUCCESS) status = CopyToNewSibling(key, cloneName);
    if (status == ERROR_SUCCESS) return cloneName;
    Fail(TRegistryError::AccessDenied, status);
    return L"";
}

bool TRegistryCore::RenameKey(const std::wstring& KeyLocation, const std::wstring& NewName) {
    TParentKey key;
    LSTATUS status = NewName.empty() || NewName.find(L'\\') != std::wstring::npos
                         ? ERROR_INVALID_PARAMETER
                         : OpenParent(KeyLocation, KEY_ALL_ACCESS, key);
    bool taken = false;
    if (status == ERROR_SUCCESS) status = RegKeyExists(key.Handle.Get(), NewName, Access(0), taken);
    if (status == ERROR_SUCCESS && !taken) {
        status = CopyToNewSibling(key, NewName);
        if (status == ERROR_SUCCESS)
            status = DeleteKeyTree(key.Handle.Get(), key.Split.Name, Access(0));
    }
    if (status != ERROR_SUCCESS) Fail(TRegistryError::KeyNoExist, status);
    bool renamed = false;
    if (key.Handle) RegKeyExists(key.Handle.Get(), NewName, Access(0), renamed);
    return renamed;
}

bool TRegistryCore::MoveKey(const std::wstring& KeyLocation, const std::wstring& NewLocation,
                            bool AlsoDelete) {
    TParentKey key;
    LSTATUS status = OpenParent(KeyLocation, KEY_ALL_ACCESS, key);
    const TTarget& source = key.Target;
    const TRegistryLocation destination = ParseRegistryLocation(NewLocation, FAutoHive, FNaming);
    if (status == ERROR_SUCCESS && destination.Hive && HiveHandle(*destination.Hive) != source.Hive)
        status = ERROR_NOT_SAME_DEVICE;
    // A key copied into itself would grow without end.
    if (status == ERROR_SUCCESS &&
        (destination.Key.empty() || IsSameOrBelowKey(destination.Key, source.Key)))
        status = ERROR_INVALID_PARAMETER;
    if (status == ERROR_SUCCESS) status = CopyTree(source.Hive, source.Key, destination.Key);
    if (status == ERROR_SUCCESS && AlsoDelete)
        status = DeleteKeyTree(key.Handle.Get(), key.Split.Name, Access(0));
    if (status == ERROR_SUCCESS) return true;
    Fail(TRegistryError::AccessDenied, status);
    return false;
}

bool TRegistryCore::CopyKey(const std::wstring& KeyLocation, const std::wstring& NewLocation) {
    return MoveKey(KeyLocation, NewLocation, false);
}

LSTATUS TRegistryCore::CopyTree(HKEY hive, const std::wstring& source,
                                const std::wstring& destination) {
    UniqueKey from, to;
    LSTATUS status = OpenRegKey(hive, source, Access(KEY_READ), from);
    if (status == ERROR_SUCCESS)
        status = CreateRegKey(hive, destination, Access(KEY_ALL_ACCESS), to);
    if (status == ERROR_SUCCESS) status = CopyKeyTree(from.Get(), to.Get(), Access(0));
    return status;
}

LSTATUS TRegistryCore::CopyToNewSibling(const TParentKey& key, const std::wstring& name) {
    const LSTATUS status =
        CopyTree(key.Target.Hive, key.Target.Key, JoinKey(key.Split.Parent, name));
    if (status != ERROR_SUCCESS) DeleteKeyTree(key.Handle.Get(), name, Access(0));
    return status;
}

std::vector<std::wstring> TRegistryCore::GetKeyNames(const std::wstring& KeyLocation) {
    return ListNames(KeyLocation, RegSubKeyNames);
}

std::vector<std::wstring> TRegistryCore::GetValueNames(const std::wstring& KeyLocation) {
    return ListNames(KeyLocation, RegValueNames);
}

std::vector<std::wstring> TRegistryCore::ListNames(const std::wstring& KeyLocation,
                                                   LSTATUS (*list)(HKEY,
                                                                   std::vector<std::wstring>&)) {
    std::vector<std::wstring> names;
    UniqueKey key;
    LSTATUS status = OpenLocation(KeyLocation, KEY_READ, key);
    if (status == ERROR_SUCCESS) status = list(key.Get(), names);
    if (status == ERROR_SUCCESS) return names;
    Fail(TRegistryError::ReadError, status);
    return {};
}

} // namespace vel
