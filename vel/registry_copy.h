#pragma once
// Whole key trees: copying one onto another and deleting one.
#include <windows.h>

#include <string>

namespace vel {

// Copies every value and, recursively, every sub-key of source into destination, creating
// missing sub-keys and overwriting values of the same name. A value that vanishes while
// copying is skipped. Keeps going after a failure and returns the first one. view is the
// registry-view flag the sub-keys are opened with.
LSTATUS CopyKeyTree(HKEY source, HKEY destination, REGSAM view);

// Deletes the child key name of parent with all its sub-keys and values.
LSTATUS DeleteKeyTree(HKEY parent, const std::wstring& name, REGSAM view);

} // namespace vel
