#include "tests/vel/zip_test_support.h"

#include <windows.h>

#include <memory>
#include <stdexcept>

#include "tests/support/support.h"
#include "vel/handle.h"
#include "vel/zip_files.h"

namespace test {

namespace {

void AddFolder(const std::wstring& extendedRoot, const std::wstring& relative, Tree& tree) {
    const std::wstring folder = relative.empty() ? extendedRoot : extendedRoot + L"\\" + relative;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    const std::unique_ptr<void, decltype(&FindClose)> closer(find, &FindClose);
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring child = relative.empty() ? name : relative + L"\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            tree[child] = std::nullopt;
            AddFolder(extendedRoot, child, tree);
        } else {
            tree[child] = ReadBytes(extendedRoot + L"\\" + child);
        }
    } while (FindNextFileW(find, &data));
}

} // namespace

std::wstring ZipFixture(const std::wstring& name) {
    return BuildFile(L"tests\\zip\\" + name);
}

std::string ReadBytes(const std::wstring& path) {
    vel::UniqueHandle file(CreateFileW(vel::ExtendedLengthPath(vel::FullPath(path)).c_str(),
                                       GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                       nullptr));
    if (!file) throw std::runtime_error("cannot read " + Narrow(path));
    std::string bytes;
    char buffer[1 << 16];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof(buffer), &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    return bytes;
}

Tree ReadTree(const std::wstring& root) {
    Tree tree;
    AddFolder(vel::ExtendedLengthPath(vel::FullPath(root)), L"", tree);
    return tree;
}

} // namespace test
