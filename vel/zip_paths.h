#pragma once
// Turning an archive entry name into a path below the target folder, refusing every
// name that could land anywhere else or that Windows would quietly change.
#include <string>
#include <string_view>

namespace vel {

enum class ZipPathProblem {
    None,
    Empty,              // nothing left once "." parts and separators are dropped
    Absolute,           // begins with "/" or "\"
    DriveLetter,        // "C:..." (also "C:x", relative to that drive's current folder)
    ClimbsOut,          // a ".." part
    InvalidCharacter,   // a control character or one of < > : " | ? *
    TrailingDotOrSpace, // Windows drops those, so "a." and "a" would be the same file
    ReservedName,       // CON, PRN, AUX, NUL, COM1-9, LPT1-9 (also with an extension)
};

struct ZipPath {
    std::wstring path; // parts joined with "\", no leading or trailing separator
    ZipPathProblem problem = ZipPathProblem::None;
};

// "/" and "\" both separate parts; empty and "." parts are dropped.
ZipPath CheckEntryPath(std::wstring_view name);

// The reason for the user, to follow "The archive entry "x" ".
std::wstring ZipPathProblemText(ZipPathProblem problem);

} // namespace vel
