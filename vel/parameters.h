#pragma once
// The program's own parameters and the single-instance guard.
#include <string>
#include <vector>

namespace vel {

// Splits a command line as the program's runtime does: white space (any character up
// to and including the space) separates parameters except inside double quotes, and
// the quotes themselves are dropped. There are no escapes, so "C:\Apps\" ends in a
// backslash as a user means it, and no parameter can contain a double quote.
std::vector<std::wstring> SplitCommandLine(const std::wstring& line);

// The inverse of SplitCommandLine: each parameter that contains white space, or is
// empty, is wrapped in double quotes; the parameters are joined by single spaces.
// Double quotes cannot be carried by this syntax and are left out rather than allowed
// to split a parameter apart.
std::wstring JoinParameters(const std::vector<std::wstring>& parameters);

// Number of parameters after the program's own path.
int ParameterCount();

// Parameter index (0 = the program's own full path) exactly as given; empty when absent.
std::wstring RawParameter(int index);

// Parameter index (0 = the program's own full path) with a leading "/" turned into "-".
std::wstring GetParameter(int index);

// Parameters 1..count, each read through GetParameter, joined by JoinParameters.
std::wstring GetAllParameters();

// The guard name derived from an executable path (see InstanceName).
std::wstring InstanceNameFor(const std::wstring& exePath);

// The single-instance guard's name for this executable, computed once.
const std::wstring& InstanceName();

// Takes the single-instance guard (a named semaphore held until the process ends) and
// tells whether another process of the same installer file already held it.
bool HasOtherInstance();

// Full path of this program's executable.
std::wstring OwnExecutablePath();

} // namespace vel
