#include "vel/zip_files.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>

#include "vel/zip_error.h"

namespace vel {

namespace {

constexpr std::wstring_view kExtendedPrefix = L"\\\\?\\";
constexpr std::wstring_view kExtendedUncPrefix = L"\\\\?\\UNC\\";
// WriteFile takes a 32-bit count; stay well below it.
constexpr size_t kLargestWrite = 1u << 30;

ZipError FileError(const std::wstring& what, const std::wstring& path, DWORD error) {
    return ZipError(what + L" \"" + path + L"\": " + SystemErrorText(error));
}

std::wstring ParentOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

// The attributes of the folder itself: a junction or link reports its own.
DWORD AttributesOf(const std::wstring& fullPath) {
    return GetFileAttributesW(ExtendedLengthPath(fullPath).c_str());
}

} // namespace

std::wstring SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) text = L"Windows error " + std::to_wstring(code);
    if (text.back() != L'.') text.push_back(L'.');
    return text;
}

std::wstring FullPath(const std::wstring& path) {
    std::wstring plain = path;
    if (plain.starts_with(kExtendedUncPrefix))
        plain = L"\\\\" + plain.substr(kExtendedUncPrefix.size());
    else if (plain.starts_with(kExtendedPrefix))
        plain = plain.substr(kExtendedPrefix.size());

    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(plain.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) throw FileError(L"Cannot use the path", path, GetLastError());
        if (length < full.size()) {
            full.resize(length);
            break;
        }
        full.resize(length);
    }
    while (full.size() > 3 && full.back() == L'\\')
        full.pop_back();
    return full;
}

bool FolderMaker::TryCreate(const std::wstring& fullPath, DWORD& error) {
    if (CreateDirectoryW(ExtendedLengthPath(fullPath).c_str(), nullptr)) {
        created_.push_back(fullPath);
        return true;
    }
    error = GetLastError();
    return false;
}

// Creating first and asking only on failure costs one call per new folder; the set
// keeps folders met before from costing anything.
bool FolderMaker::BelowRoot(const std::wstring& fullPath) const {
    return !root_.empty() && fullPath.size() > root_.size() && fullPath.starts_with(root_) &&
           (root_.back() == L'\\' || fullPath[root_.size()] == L'\\');
}

void FolderMaker::Ensure(const std::wstring& fullPath) {
    if (present_.contains(fullPath)) return;
    const std::wstring parent = ParentOf(fullPath);
    // Below the root every folder on the way is looked at, also those that exist.
    if (BelowRoot(parent)) Ensure(parent);
    DWORD error = ERROR_SUCCESS;
    bool made = TryCreate(fullPath, error);
    if (!made && error == ERROR_PATH_NOT_FOUND && !parent.empty() && parent.back() != L':') {
        Ensure(parent);
        made = TryCreate(fullPath, error);
    }
    if (!made) {
        // An existing folder may also answer "access denied" (a drive root, or a parent
        // the user may not add to); what counts is that it is there.
        const DWORD attributes = AttributesOf(fullPath);
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            if (error == ERROR_ALREADY_EXISTS)
                throw ZipError(L"The folder \"" + fullPath +
                               L"\" cannot be created because a file of that name exists.");
            throw FileError(L"Cannot create the folder", fullPath, error);
        }
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
            throw ZipError(L"The folder \"" + fullPath +
                           L"\" is a junction or link to another place; nothing is written there.");
    }
    present_.insert(fullPath);
    if (root_.empty()) root_ = fullPath;
}

PartFile::PartFile(const std::wstring& target) : target_(target) {
    static std::atomic<unsigned> counter{0};
    const std::wstring folder = ExtendedLengthPath(ParentOf(target));
    for (;;) {
        partPath_ = folder + L"\\~qp" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(counter++) + L".tmp";
        // DELETE access lets the file take its real name through this handle.
        file_.Reset(CreateFileW(partPath_.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file_) return;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            Fail(L"Cannot write the file", error);
    }
}

PartFile::~PartFile() {
    if (committed_) return;
    file_.Reset();
    DeleteFileW(partPath_.c_str());
}

void PartFile::Fail(const std::wstring& what, DWORD error) const {
    throw FileError(what, target_, error);
}

void PartFile::Write(const uint8_t* data, size_t size) {
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min(size, kLargestWrite));
        DWORD written = 0;
        if (!WriteFile(file_.Get(), data, chunk, &written, nullptr))
            Fail(L"Cannot write the file", GetLastError());
        if (written == 0) Fail(L"Cannot write the file", ERROR_WRITE_FAULT);
        data += written;
        size -= written;
    }
}

void PartFile::SetLastWriteTime(const FILETIME& time) {
    if (!SetFileTime(file_.Get(), nullptr, nullptr, &time))
        Fail(L"Cannot set the time of the file", GetLastError());
}

// The file is renamed through its open handle: one call, where a rename by path opens
// and closes it again, each a round trip through the Wine server. Renaming without
// replacing first tells a new file from a replaced one without a separate look-up,
// which costs a directory scan per file under Wine. A file in the way is renamed aside
// rather than overwritten: that also works for a read-only file and for a program that
// is running, and lets a failed update put it back.
bool PartFile::CommitTo(TKeptFile& kept) {
    const std::wstring target = ExtendedLengthPath(target_);
    bool replaced = false;
    DWORD error = RenameTo(target);
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
        error = KeepAside(target_, kept);
        if (error == ERROR_SUCCESS) {
            replaced = true;
            error = RenameTo(target);
            if (error != ERROR_SUCCESS) PutBack(kept);
        }
    }
    if (error != ERROR_SUCCESS) {
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            throw ZipError(L"The file \"" + target_ +
                           L"\" cannot be written because a folder of that name exists.");
        Fail(L"Cannot replace the file", error);
    }
    committed_ = true;
    // Closing can report a write that failed late (network shares do that); the target
    // then gets its earlier state back.
    if (!CloseHandle(file_.Release())) {
        error = GetLastError();
        if (replaced)
            PutBack(kept);
        else
            DeleteFileW(target.c_str());
        Fail(L"Cannot write the file", error);
    }
    return replaced;
}

DWORD PartFile::RenameTo(const std::wstring& target) {
    // The name follows the structure; its length is in bytes, without the final null.
    const size_t nameBytes = target.size() * sizeof(wchar_t);
    std::vector<std::byte> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(info->FileName, target.c_str(), nameBytes + sizeof(wchar_t));
    return SetFileInformationByHandle(file_.Get(), FileRenameInfo, info,
                                      static_cast<DWORD>(buffer.size()))
               ? ERROR_SUCCESS
               : GetLastError();
}

} // namespace vel
