#pragma once
// Hooks that let the end-to-end tests see paths that Wine cannot produce by itself.
// Both are read from the environment and do nothing unless a test sets them.
namespace installer {

// QUILLPAD_SETUP_AS_STANDARD_USER=1: behave as a process without administrator rights
// (Wine runs everything as an administrator). The variable is removed at once, so an
// elevated restart of this installer runs as the administrator it asked to be.
bool PretendStandardUser();

// QUILLPAD_SETUP_TRACE=<file>: append this process's command line to that file, so a
// test can observe the parameters of a restarted installer.
void TraceCommandLine();

} // namespace installer
