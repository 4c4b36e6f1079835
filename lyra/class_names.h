#pragma once
// Makes the framework's controls (and the utility library's picture control and panel)
// known to window descriptions under their class names. Call it once before reading a
// description that names them; calling it again changes nothing.
namespace lyra {

void RegisterFrameworkClasses();

} // namespace lyra
