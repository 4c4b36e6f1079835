#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "tests/support/support.h"
#include "tests/vel/zip_test_support.h"
#include "vel/zip_archive.h"

namespace vel {
namespace {

using test::Tree;

std::wstring Join(const std::wstring& folder, const std::wstring& name) {
    return folder + L"\\" + name;
}

std::wstring ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ZipError& error) {
        return error.Message();
    }
    return L"(no error)";
}

bool Contains(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> list) {
    std::sort(list.begin(), list.end());
    return list;
}

ZipExtraction Extract(const std::wstring& archive, const std::wstring& folder) {
    ZipArchive zip;
    zip.Open(archive);
    return zip.ExtractAll(folder);
}

FILETIME LastWriteTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    EXPECT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        << test::Narrow(path);
    return data.ftLastWriteTime;
}

uint64_t Ticks(const FILETIME& time) {
    return (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

TEST(ZipArchive, ExtractsFoldersNestedPathsEmptyFilesAndUtf8NamesAndListsThem) {
    test::ScratchFolder scratch;
    const std::wstring target = Join(scratch.Path(), L"app");
    ZipArchive zip;
    zip.Open(test::ZipFixture(L"basic.zip"));
    std::vector<std::pair<uint64_t, uint64_t>> calls;
    const ZipExtraction done =
        zip.ExtractAll(target, [&](uint64_t d, uint64_t t) { calls.emplace_back(d, t); });
    zip.Close();

    EXPECT_EQ(test::ReadTree(target), test::ReadTree(test::ZipFixture(L"expected\\basic")));
    const std::vector<std::wstring> files = {
        Join(target, L"bin\\plugins\\spell\\en\\words.txt"),
        Join(target, L"bin\\tool.dat"),
        Join(target, L"data\\\u00fcn\u00efcode-\u540d\u524d.txt"),
        Join(target, L"empty.txt"),
        Join(target, L"readme.txt"),
    };
    EXPECT_EQ(Sorted(done.CreatedFiles), files);
    EXPECT_TRUE(done.ReplacedFiles.empty());
    const std::vector<std::wstring> folders = {
        target,
        Join(target, L"bin"),
        Join(target, L"bin\\plugins"),
        Join(target, L"bin\\plugins\\spell"),
        Join(target, L"bin\\plugins\\spell\\en"),
        Join(target, L"data"),
        Join(target, L"docs"),
        Join(target, L"docs\\empty"),
    };
    EXPECT_EQ(Sorted(done.CreatedFolders), folders);
    EXPECT_EQ(done.CreatedFolders.front(), target); // parents come before their children

    const uint64_t total = 3400 + 1024 + 500 + 7;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), std::make_pair(total, total));
    EXPECT_TRUE(std::is_sorted(calls.begin(), calls.end()));
}

TEST(ZipArchive, StreamsEntriesLargerThanItsBuffersAndReadsZip64Records) {
    for (const wchar_t* name : {L"large", L"zip64"}) {
        test::ScratchFolder scratch;
        Extract(test::ZipFixture(std::wstring(name) + L".zip"), scratch.Path());
        EXPECT_EQ(test::ReadTree(scratch.Path()),
                  test::ReadTree(test::ZipFixture(L"expected\\" + std::wstring(name))))
            << test::Narrow(name);
    }
}

TEST(ZipArchive, DecodesCp437NamesAndTheUnicodePathField) {
    test::ScratchFolder scratch;
    Extract(test::ZipFixture(L"cp437.zip"), scratch.Path());
    const Tree tree = test::ReadTree(scratch.Path());
    const Tree expected = {
        {L"caf\u00e9.txt", "cafe"},
        {L"\u00c4\u00d6\u00dc", std::nullopt},
        {L"\u00c4\u00d6\u00dc\\\u00f6\u00df.txt", "umlauts"},
        {L"\u540d\u524d.txt", "named"},
    };
    EXPECT_EQ(tree, expected);
}

TEST(ZipArchive, ReadsUnflaggedUtf8NamesOfUnixArchivesAndKeepsCp437ForTheRest) {
    test::ScratchFolder scratch;
    Extract(test::ZipFixture(L"unix-names.zip"), scratch.Path());
    const Tree tree = test::ReadTree(scratch.Path());
    const Tree expected = {
        {L"Gr\u00f6\u00dfe", std::nullopt}, {L"Gr\u00f6\u00dfe\\\u65e5\u672c.txt", "utf-8"},
        {L"caf\u00e9.txt", "legacy"},       {L"dos-\u251c\u2310.txt", "dos"},
        {L"flag-\u00e9.txt", "flag"},
    };
    EXPECT_EQ(tree, expected);
}

TEST(ZipArchive, SetsTheLastWriteTimeFromTheEntry) {
    test::ScratchFolder scratch;
    Extract(test::ZipFixture(L"times.zip"), scratch.Path());

    // DOS fields hold local time.
    SYSTEMTIME utc{}, local{};
    const FILETIME dos = LastWriteTime(Join(scratch.Path(), L"dos.txt"));
    ASSERT_TRUE(FileTimeToSystemTime(&dos, &utc));
    ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local));
    EXPECT_EQ(std::vector<int>({local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute,
                                local.wSecond}),
              std::vector<int>({2021, 3, 4, 5, 6, 8}));

    EXPECT_EQ(Ticks(LastWriteTime(Join(scratch.Path(), L"ntfs.txt"))), 132223934450000000u);
    EXPECT_EQ(Ticks(LastWriteTime(Join(scratch.Path(), L"unix.txt"))),
              uint64_t{1600000000} * 10000000 + 116444736000000000);
}

TEST(ZipArchive, ReplacesExistingFilesAndListsThemAsReplaced) {
    test::ScratchFolder scratch;
    const std::wstring readme = Join(scratch.Path(), L"readme.txt");
    test::WriteTextFile(readme, "old version");
    ASSERT_TRUE(SetFileAttributesW(readme.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CreateDirectoryW(Join(scratch.Path(), L"bin").c_str(), nullptr));
    test::WriteTextFile(Join(scratch.Path(), L"mine.txt"), "not in the archive");

    const ZipExtraction done = Extract(test::ZipFixture(L"basic.zip"), scratch.Path());

    EXPECT_EQ(done.ReplacedFiles, std::vector<std::wstring>{readme});
    EXPECT_EQ(done.CreatedFiles.size(), 4u);
    EXPECT_EQ(std::count(done.CreatedFiles.begin(), done.CreatedFiles.end(), readme), 0);
    for (const std::wstring& kept : {scratch.Path(), Join(scratch.Path(), L"bin")})
        EXPECT_EQ(std::count(done.CreatedFolders.begin(), done.CreatedFolders.end(), kept), 0);
    EXPECT_EQ(test::ReadBytes(readme),
              test::ReadBytes(test::ZipFixture(L"expected\\basic\\readme.txt")));
    EXPECT_EQ(test::ReadBytes(Join(scratch.Path(), L"mine.txt")), "not in the archive");
    EXPECT_TRUE(done.KeptFiles.empty());
    for (const auto& [path, content] : test::ReadTree(scratch.Path()))
        EXPECT_FALSE(Contains(path, L".~qp"))
            << "the earlier readme.txt was left beside the new one";
}

TEST(ZipArchive, KeepsReplacedFilesAsideForTheCallerToPutBackOrThrowAway) {
    for (const bool putBack : {true, false}) {
        test::ScratchFolder scratch;
        const std::wstring readme = Join(scratch.Path(), L"readme.txt");
        test::WriteTextFile(readme, "old version");
        ZipArchive zip;
        zip.Open(test::ZipFixture(L"basic.zip"));
        const ZipExtraction done = zip.ExtractAll(scratch.Path(), {}, ZipReplaced::Keep);

        ASSERT_EQ(done.KeptFiles.size(), 1u);
        EXPECT_EQ(done.KeptFiles[0].Path, readme);
        EXPECT_EQ(test::ReadBytes(done.KeptFiles[0].KeptAs), "old version");
        EXPECT_EQ(test::ReadBytes(readme),
                  test::ReadBytes(test::ZipFixture(L"expected\\basic\\readme.txt")));
        if (putBack) {
            EXPECT_TRUE(PutBackAll(done.KeptFiles));
            EXPECT_EQ(test::ReadBytes(readme), "old version");
        } else {
            DiscardAll(done.KeptFiles);
        }
        EXPECT_FALSE(test::FileExists(done.KeptFiles[0].KeptAs));
    }
}

TEST(ZipArchive, ACrcMismatchUndoesTheRunAndGivesReplacedFilesTheirEarlierContent) {
    test::ScratchFolder scratch;
    const std::wstring target = scratch.Path();
    test::WriteTextFile(Join(target, L"keep.txt"), "keep");
    ASSERT_TRUE(CreateDirectoryW(Join(target, L"sub").c_str(), nullptr));
    test::WriteTextFile(Join(target, L"sub\\own.txt"), "own");
    // Two files of an earlier version that the archive replaces before its damaged entry.
    test::WriteTextFile(Join(target, L"first.txt"), "earlier first");
    test::WriteTextFile(Join(target, L"sub\\second.txt"), "earlier second");
    ASSERT_TRUE(SetFileAttributesW(Join(target, L"first.txt").c_str(), FILE_ATTRIBUTE_READONLY));

    const std::wstring message = ErrorOf([&] { Extract(test::ZipFixture(L"badcrc.zip"), target); });

    EXPECT_EQ(message, L"The archive entry \"sub\\deeper\\third.bin\" is damaged (CRC mismatch).");
    const Tree left = {{L"first.txt", "earlier first"},
                       {L"keep.txt", "keep"},
                       {L"sub", std::nullopt},
                       {L"sub\\own.txt", "own"},
                       {L"sub\\second.txt", "earlier second"}};
    EXPECT_EQ(test::ReadTree(target), left);
    EXPECT_EQ(GetFileAttributesW(Join(target, L"first.txt").c_str()) & FILE_ATTRIBUTE_READONLY,
              DWORD{FILE_ATTRIBUTE_READONLY});
}

TEST(ZipArchive, DamagedEntryDataFailsTheExtractionAndLeavesNothing) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"toolong.zip", L"holds more data than it declares"},
        {L"tooshort.zip", L"its data ends early"},
        {L"baddeflate.zip", L"its compressed data is invalid"},
        {L"cutdeflate.zip", L"its data ends early"},
    };
    for (const auto& [archive, problem] : cases) {
        test::ScratchFolder scratch;
        const std::wstring target = Join(scratch.Path(), L"app");
        const std::wstring message = ErrorOf([&] { Extract(test::ZipFixture(archive), target); });
        EXPECT_TRUE(Contains(message, L"\"data\\x.bin\"") && Contains(message, problem))
            << test::Narrow(archive) << ": " << test::Narrow(message);
        EXPECT_TRUE(test::ReadTree(scratch.Path()).empty()) << test::Narrow(archive);
    }
}

TEST(ZipArchive, RefusesDamagedUnsupportedAndHostileArchivesWhenOpening) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"truncated.zip",
         L"The archive is damaged (its end is missing; the file may be cut short)."},
        {L"notazip.zip", L"The file is not a ZIP archive."},
        {L"zerobytes.zip", L"The file is not a ZIP archive."},
        {L"count.zip",
         L"The archive is damaged (its central directory does not hold the entries it declares)."},
        {L"outside.zip",
         L"The archive entry \"x.bin\" is damaged (its data lies outside the archive)."},
        {L"encrypted.zip",
         L"The archive entry \"secret.txt\" is encrypted, which is not supported."},
        {L"bzip2.zip",
         L"The archive entry \"b.txt\" uses a compression method that is not supported (12)."},
        {L"twice.zip", L"The archive entry \"dup.TXT\" appears twice in the archive."},
        {L"fileandfolder.zip", L"The archive entry \"a\" is both a file and a folder."},
        {L"badutf8.zip",
         L"The archive entry \"bad\u2514\u00bbname.txt\" has a name that is not valid UTF-8."},
        {L"hostile-parent.zip",
         L"The archive entry \"..\\evil.txt\" leads out of the target folder (\"..\")."},
        {L"hostile-parentback.zip",
         L"The archive entry \"a\\..\\..\\evil.txt\" leads out of the target folder (\"..\")."},
        {L"hostile-absolute.zip", L"The archive entry \"\\evil.txt\" has an absolute path."},
        {L"hostile-drive.zip", L"The archive entry \"C:\\evil.txt\" names a drive."},
        {L"hostile-stream.zip", L"The archive entry \"good.txt:evil\" contains a character that is "
                                L"not allowed in file names."},
    };
    for (const auto& [archive, expected] : cases) {
        test::ScratchFolder scratch;
        const std::wstring target = Join(scratch.Path(), L"app");
        ZipArchive zip;
        EXPECT_EQ(ErrorOf([&] { zip.Open(test::ZipFixture(archive)); }), expected)
            << test::Narrow(archive);
        EXPECT_FALSE(zip.IsOpen());
        EXPECT_EQ(ErrorOf([&] { zip.ExtractAll(target); }), L"No archive is open.");
        EXPECT_TRUE(test::ReadTree(scratch.Path()).empty()) << test::Narrow(archive);
    }
}

TEST(ZipArchive, ReportsAFolderThatCannotBeCreatedAndAFileThatCannotBeReplaced) {
    test::ScratchFolder scratch;
    test::WriteTextFile(Join(scratch.Path(), L"file"), "a file, not a folder");
    const std::wstring underFile = Join(scratch.Path(), L"file\\app");
    EXPECT_EQ(ErrorOf([&] { Extract(test::ZipFixture(L"basic.zip"), underFile); }),
              L"The folder \"" + Join(scratch.Path(), L"file") +
                  L"\" cannot be created because a file of that name exists.");

    // A file held open without sharing cannot be replaced; the rest of the run is undone.
    const std::wstring target = Join(scratch.Path(), L"app");
    ASSERT_TRUE(CreateDirectoryW(target.c_str(), nullptr));
    const std::wstring locked = Join(target, L"readme.txt");
    test::WriteTextFile(locked, "in use");
    UniqueHandle holder(
        CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    const std::wstring message = ErrorOf([&] { Extract(test::ZipFixture(L"basic.zip"), target); });
    EXPECT_TRUE(message.starts_with(L"Cannot replace the file \"" + locked + L"\": "))
        << test::Narrow(message);
    EXPECT_GT(message.size(), (L"Cannot replace the file \"" + locked + L"\": ").size() + 2);
    holder.Reset();
    EXPECT_EQ(test::ReadTree(target), (Tree{{L"readme.txt", "in use"}}));
}

TEST(ZipArchive, AFolderInTheWayOfAFileOrAStopFromTheProgressUndoesTheRun) {
    test::ScratchFolder scratch;
    const std::wstring target = Join(scratch.Path(), L"app");
    ASSERT_TRUE(CreateDirectoryW(target.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(Join(target, L"readme.txt").c_str(), nullptr));
    EXPECT_EQ(ErrorOf([&] { Extract(test::ZipFixture(L"basic.zip"), target); }),
              L"The file \"" + Join(target, L"readme.txt") +
                  L"\" cannot be written because a folder of that name exists.");
    EXPECT_EQ(test::ReadTree(target), (Tree{{L"readme.txt", std::nullopt}}));

    ZipArchive zip;
    zip.Open(test::ZipFixture(L"large.zip"));
    const auto stop = [](uint64_t done, uint64_t) {
        if (done > 0) throw std::runtime_error("cancelled");
    };
    EXPECT_THROW(zip.ExtractAll(Join(scratch.Path(), L"other"), stop), std::runtime_error);
    EXPECT_FALSE(test::FolderExists(Join(scratch.Path(), L"other")));
}

TEST(ZipArchive, ReadsThroughAHandleWhateverItsFilePointerAndKeepsWritersOut) {
    test::ScratchFolder scratch;
    const std::wstring archive = Join(scratch.Path(), L"program.zip");
    ASSERT_TRUE(CopyFileW(test::ZipFixture(L"basic.zip").c_str(), archive.c_str(), FALSE));

    UniqueHandle file(CreateFileW(archive.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file);
    SetFilePointer(file.Get(), 123, nullptr, FILE_BEGIN);
    ZipArchive zip;
    zip.Open(std::move(file));
    zip.ExtractAll(Join(scratch.Path(), L"app"));
    EXPECT_EQ(test::ReadTree(Join(scratch.Path(), L"app")),
              test::ReadTree(test::ZipFixture(L"expected\\basic")));
    zip.Close();

    zip.Open(archive);
    UniqueHandle writer(CreateFileW(archive.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                    nullptr));
    EXPECT_FALSE(writer);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    zip.Close();
    writer.Reset(CreateFileW(archive.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(writer);
}

TEST(ZipArchive, ExtractsBelowAFolderWhosePathsExceedMaxPath) {
    test::ScratchFolder scratch;
    const std::wstring target = scratch.Path() + L"\\" + std::wstring(100, L'x') + L"\\" +
                                std::wstring(100, L'y') + L"\\" + std::wstring(80, L'z');
    ASSERT_GT(target.size(), size_t{MAX_PATH});
    const ZipExtraction done = Extract(test::ZipFixture(L"basic.zip"), target);
    EXPECT_EQ(test::ReadTree(target), test::ReadTree(test::ZipFixture(L"expected\\basic")));
    EXPECT_EQ(done.CreatedFolders.front(), scratch.Path() + L"\\" + std::wstring(100, L'x'));
    // The scratch folder's own clean-up uses ordinary paths.
    test::RemoveTree(L"\\\\?\\" + done.CreatedFolders.front());
}

} // namespace
} // namespace vel
