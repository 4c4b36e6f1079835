// Copies a folder tree with plain Win32 calls (FindFirstFileExW, CreateDirectoryW,
// CreateFileW/ReadFile/WriteFile through one 1 MiB buffer): the floor for writing a
// payload's bytes on this system, against which the extractors are measured.
//   tree_copy FROM TO        (TO must not exist yet)
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/block_copy.h"
#include "vel/folders.h"
#include "vel/utf8.h"
#include "vel/zip_files.h"

namespace {

void CopyTree(const std::wstring& from, const std::wstring& to, std::vector<char>& buffer) {
    if (!CreateDirectoryW(to.c_str(), nullptr))
        throw std::runtime_error("cannot create the folder " + vel::ToUtf8(to));
    WIN32_FIND_DATAW found;
    vel::UniqueFind search(FindFirstFileExW((from + L"\\*").c_str(), FindExInfoBasic, &found,
                                            FindExSearchNameMatch, nullptr,
                                            FIND_FIRST_EX_LARGE_FETCH));
    if (!search) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(from + L"\\" + name, to + L"\\" + name, buffer);
        else
            bench::CopyFileBlocks(from + L"\\" + name, to + L"\\" + name, buffer);
    } while (FindNextFileW(search.Get(), &found));
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tree_copy FROM TO\n");
        return 2;
    }
    try {
        std::vector<char> buffer(1 << 20);
        CopyTree(vel::ExtendedLengthPath(vel::FullPath(argv[1])),
                 vel::ExtendedLengthPath(vel::FullPath(argv[2])), buffer);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tree_copy: %s\n", error.what());
        return 1;
    }
    return 0;
}
