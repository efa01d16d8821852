#pragma once
// Start-up and shutdown of the design program: application object, the windows in
// their order, the event loop, and the orderly teardown that writes the settings.

namespace vsk {

// Runs the program; returns its exit code.
int Programmstart(int argc, char** argv);

} // namespace vsk
