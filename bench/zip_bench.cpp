// Times ZipArchive::ExtractAll on an archive and, as the yardstick, two plain Win32
// copies of the files it gave: CopyFileW, and ReadFile/WriteFile with 4 MiB blocks.
//   zip_bench ARCHIVE WORK_FOLDER [ROUNDS]
// Every round starts from an empty folder; the median of the rounds is printed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/block_copy.h"
#include "vel/zip_archive.h"
#include "vel/zip_files.h"

namespace {

using vel::ExtendedLengthPath;
using vel::ZipExtraction;

double Seconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Takes away a tree that an extraction (or a copy made from its lists) created.
void Remove(const ZipExtraction& made) {
    for (auto file = made.CreatedFiles.rbegin(); file != made.CreatedFiles.rend(); ++file)
        DeleteFileW(ExtendedLengthPath(*file).c_str());
    for (auto folder = made.CreatedFolders.rbegin(); folder != made.CreatedFolders.rend(); ++folder)
        RemoveDirectoryW(ExtendedLengthPath(*folder).c_str());
}

std::wstring Rebase(const std::wstring& path, const std::wstring& from, const std::wstring& to) {
    return to + path.substr(from.size());
}

// Copies the extracted files below another folder, the way a plain installer would.
ZipExtraction CopyTree(const ZipExtraction& source, const std::wstring& from,
                       const std::wstring& to, bool withCopyFile) {
    static std::vector<char> buffer(4 << 20);
    ZipExtraction made;
    for (const std::wstring& folder : source.CreatedFolders) {
        made.CreatedFolders.push_back(Rebase(folder, from, to));
        CreateDirectoryW(ExtendedLengthPath(made.CreatedFolders.back()).c_str(), nullptr);
    }
    for (const std::wstring& file : source.CreatedFiles) {
        made.CreatedFiles.push_back(Rebase(file, from, to));
        if (!withCopyFile) {
            bench::CopyFileBlocks(ExtendedLengthPath(file),
                                  ExtendedLengthPath(made.CreatedFiles.back()), buffer);
        } else if (!CopyFileW(ExtendedLengthPath(file).c_str(),
                              ExtendedLengthPath(made.CreatedFiles.back()).c_str(), FALSE)) {
            throw std::runtime_error("CopyFileW failed");
        }
    }
    return made;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: zip_bench ARCHIVE WORK_FOLDER [ROUNDS]\n");
        return 2;
    }
    const std::wstring archive = argv[1];
    const std::wstring work = vel::FullPath(argv[2]);
    const int rounds = argc > 3 ? std::max(1, _wtoi(argv[3])) : 5;
    const std::wstring extracted = work + L"\\extracted";
    const std::wstring copied = work + L"\\copied";
    CreateDirectoryW(work.c_str(), nullptr);

    try {
        std::vector<double> extract, copyFile, copyBlocks;
        uint64_t bytes = 0;
        size_t files = 0;
        for (int round = 0; round < rounds; ++round) {
            ZipExtraction done;
            extract.push_back(Seconds([&] {
                vel::ZipArchive zip;
                zip.Open(archive);
                done =
                    zip.ExtractAll(extracted, [&](uint64_t written, uint64_t) { bytes = written; });
            }));
            files = done.CreatedFiles.size();
            for (bool withCopyFile : {true, false}) {
                ZipExtraction copy;
                const double seconds =
                    Seconds([&] { copy = CopyTree(done, extracted, copied, withCopyFile); });
                (withCopyFile ? copyFile : copyBlocks).push_back(seconds);
                Remove(copy);
            }
            Remove(done);
        }
        const double megabytes = static_cast<double>(bytes) / 1e6;
        std::printf("%zu files, %.1f MB written, median of %d rounds\n", files, megabytes, rounds);
        for (const auto& [name, times] :
             {std::pair{"ExtractAll", &extract}, std::pair{"CopyFileW", &copyFile},
              std::pair{"ReadFile/WriteFile 4 MiB", &copyBlocks}})
            std::printf("  %-26s %7.3f s  %7.1f MB/s\n", name, Median(*times),
                        megabytes / Median(*times));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zip_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
