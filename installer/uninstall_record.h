#pragma once
// The record in the Uninstall list of the registry that makes Quillpad appear among the
// installed programs, and that the next installer run finds.
namespace installer {

// Writes the record (RegistryHIVE\RegistryRecord, 64-bit view); throws
// std::system_error when the key cannot be opened or a value cannot be written.
void WriteRegistryRecord();

// Deletes the record with everything below it when it exists; failures are ignored.
void DeleteRegistryRecord();

} // namespace installer
