#pragma once
// GDI+ works only inside a session; the toolkit's application object holds the one session of
// the process. Drawing routines call this first so they work before (or without) the
// application's message loop, as in tests and tools.
namespace vel {

void EnsureGdiplus();

} // namespace vel
