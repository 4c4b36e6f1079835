#include "vel/access_lists.h"

#include <objbase.h>
#include <sddl.h>
#include <aclapi.h>

#include <system_error>

#include "vel/unfollowed_files.h"

namespace vel {

namespace {

// O:BA owner Administrators; D:P a protected access list (nothing inherited from above);
// OICI entries that files and folders created inside inherit. FA is full access;
// 0x1200a9 is FILE_GENERIC_READ | FILE_GENERIC_EXECUTE.
constexpr wchar_t kPrivate[] = L"O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)";
constexpr wchar_t kProtected[] = L"O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)";

class SecurityDescriptor {
  public:
    explicit SecurityDescriptor(const wchar_t* sddl) {
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1,
                                                                  &descriptor_, nullptr))
            throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                    "Cannot build an access list");
    }
    ~SecurityDescriptor() { LocalFree(descriptor_); }
    SecurityDescriptor(const SecurityDescriptor&) = delete;
    SecurityDescriptor& operator=(const SecurityDescriptor&) = delete;
    PSECURITY_DESCRIPTOR Get() const { return descriptor_; }

  private:
    PSECURITY_DESCRIPTOR descriptor_ = nullptr;
};

std::wstring RandomName() {
    GUID guid{};
    wchar_t text[40];
    if (FAILED(CoCreateGuid(&guid)) || !StringFromGUID2(guid, text, std::size(text)))
        throw std::system_error(ERROR_INTERNAL_ERROR, std::system_category(),
                                "Cannot make a random folder name");
    return text;
}

} // namespace

PrivateFolder::PrivateFolder(const std::wstring& parent) {
    SecurityDescriptor descriptor(kPrivate);
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), descriptor.Get(), FALSE};
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::wstring path = parent + L"\\" + RandomName();
        if (!CreateDirectoryW(path.c_str(), &attributes)) {
            if (GetLastError() == ERROR_ALREADY_EXISTS) continue;
            break;
        }
        // Deleted with the handle at the latest, also when the process ends early.
        folder_ =
            OpenUnfollowed(path, DELETE | FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE);
        if (!folder_) break;
        path_ = path;
        return;
    }
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "Cannot create a private temporary folder");
}

void PrivateFolder::Remove() {
    if (folder_ && DeleteThroughHandle(folder_.Get())) folder_.Reset();
}

bool ProtectFolder(HANDLE folder) {
    SecurityDescriptor descriptor(kProtected);
    BOOL present = FALSE, defaulted = FALSE;
    PACL acl = nullptr;
    PSID owner = nullptr;
    GetSecurityDescriptorDacl(descriptor.Get(), &present, &acl, &defaulted);
    GetSecurityDescriptorOwner(descriptor.Get(), &owner, &defaulted);
    const DWORD error = SetSecurityInfo(folder, SE_FILE_OBJECT,
                                        OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION |
                                            PROTECTED_DACL_SECURITY_INFORMATION,
                                        owner, nullptr, acl, nullptr);
    SetLastError(error);
    return error == ERROR_SUCCESS;
}

} // namespace vel
