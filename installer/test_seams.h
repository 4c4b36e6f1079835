#pragma once
// Hooks that let the end-to-end tests see paths that Wine cannot produce by itself, and
// let the benchmark time the stages. All are read from the environment, and only by the
// installer variants that the tests and the benchmark build (compiled with
// QP_TEST_SEAMS); the product's executable has them all switched off.
namespace installer {

// QUILLPAD_SETUP_AS_STANDARD_USER=1: behave as a process without administrator rights
// (Wine runs everything as an administrator). The variable is removed at once, so an
// elevated restart of this installer runs as the administrator it asked to be.
bool PretendStandardUser();

// QUILLPAD_SETUP_DECLINE_ELEVATION=1: the elevation prompt is answered no (Wine shows
// none and always elevates).
bool PretendElevationDeclined();

// QUILLPAD_SETUP_TRACE=<file>: append this process's command line to that file, so a
// test can observe the parameters of a restarted installer.
void TraceCommandLine();

// QUILLPAD_SETUP_STAGE_TIMES=<file>: append "<stage name> <seconds>" to that file, so
// the benchmark can tell the stages' share of a whole run.
void RecordStageTime(const wchar_t* stage, double seconds);

} // namespace installer
