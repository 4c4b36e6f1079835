#pragma once
// The record in the Uninstall list of the registry that makes Quillpad appear among the
// installed programs, and that the next installer run finds.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace installer {

// Writes the record (RegistryHIVE\RegistryRecord, 64-bit view); throws
// std::system_error when the key cannot be opened or a value cannot be written.
// notCounted is left out of EstimatedSize: bytes below the install folder that are not
// the installation's (an update's earlier files, kept aside until it succeeded).
void WriteRegistryRecord(uint64_t notCounted = 0);

// The record's values as an earlier installation left them.
struct TRecordValue {
    std::wstring Name;
    DWORD Type = REG_NONE;
    std::vector<BYTE> Data;
};
using TRecordValues = std::vector<TRecordValue>;

// The record's values now, or nothing when there is no record.
std::optional<TRecordValues> ReadRegistryRecord();

// Gives the record exactly these values again (the ones this run wrote go).
void RestoreRegistryRecord(const TRecordValues& values);

// Deletes the record with everything below it when it exists; failures are ignored.
void DeleteRegistryRecord();

} // namespace installer
