#include "installer/free_space.h"

#include <windows.h>

#include <cstring>
#include <optional>
#include <span>

#include "installer/folders.h"
#include "installer/payload.h"
#include "vel/folders.h"
#include "vel/zip_directory.h"
#include "vel/zip_error.h"

namespace installer {

namespace {

// The carried archive where the executable maps it; only its central directory is read.
class ResourceSource : public vel::ZipSource {
  public:
    explicit ResourceSource(std::span<const std::byte> data) : data_(data) {}
    uint64_t Size() const override { return data_.size(); }
    void Read(uint64_t offset, void* buffer, size_t size) override {
        if (offset > data_.size() || size > data_.size() - offset)
            throw vel::ZipError(L"The archive is damaged (a read reaches past its end).");
        std::memcpy(buffer, data_.data() + offset, size);
    }

  private:
    std::span<const std::byte> data_;
};

struct Volume {
    std::wstring root; // as the system names it, e.g. "D:\"
    uint64_t free = 0; // bytes this user may still write
    uint64_t needed = 0;
};

std::optional<Volume> VolumeOf(const std::wstring& folder) {
    std::wstring existing = folder;
    while (!existing.empty() && !vel::FolderExists(existing))
        existing = FolderOf(existing);
    if (existing.empty()) return std::nullopt;
    Volume volume;
    wchar_t root[MAX_PATH + 1];
    ULARGE_INTEGER available{};
    if (!GetVolumePathNameW(WithDelimiter(existing).c_str(), root, MAX_PATH + 1) ||
        !GetDiskFreeSpaceExW(WithDelimiter(existing).c_str(), &available, nullptr, nullptr))
        return std::nullopt;
    volume.root = root;
    volume.free = available.QuadPart;
    return volume;
}

std::wstring Megabytes(uint64_t bytes) {
    wchar_t text[32];
    swprintf(text, std::size(text), L"%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    return text;
}

} // namespace

NotEnoughSpace::NotEnoughSpace(const std::wstring& message)
    : std::runtime_error("Not enough free space"), message_(message) {}

uint64_t PayloadUncompressedSize() {
    ResourceSource source(PayloadResource(L"PROGRAM"));
    return vel::ReadZipDirectory(source).TotalUncompressed;
}

void CheckFreeSpace(const std::wstring& tempFolder, const std::wstring& installFolder) {
    std::optional<Volume> temp = VolumeOf(tempFolder);
    std::optional<Volume> install = VolumeOf(installFolder);
    const uint64_t archive = PayloadResource(L"PROGRAM").size();
    const uint64_t files = PayloadUncompressedSize() + PayloadResource(L"UNINSTALL").size();
    if (temp && install &&
        CompareStringOrdinal(temp->root.c_str(), -1, install->root.c_str(), -1, TRUE) ==
            CSTR_EQUAL) {
        install->needed = archive + files;
        temp.reset();
    } else {
        if (temp) temp->needed = archive;
        if (install) install->needed = files;
    }
    for (const std::optional<Volume>& volume : {temp, install})
        if (volume && volume->needed > volume->free)
            throw NotEnoughSpace(L"Not enough free space on " + volume->root + L": " +
                                 Megabytes(volume->needed) + L" needed, " +
                                 Megabytes(volume->free) + L" free.");
}

} // namespace installer
