#pragma once
// Start-up and shutdown of the design program: application object, the windows in
// their order, the event loop, and the orderly teardown that writes the settings.

#include <functional>

namespace vsk {

class TfrmHauptMaske;

// What a test of the whole program changes in its start; the program passes none.
struct Startoptionen {
    bool splash = true; // the start window with the language choice
    // The main window is made and not shown yet.
    std::function<void(TfrmHauptMaske&)> vorDemZeigen;
    // The main window is shown and its first activation has run.
    std::function<void(TfrmHauptMaske&)> nachDemStart;
};

// Runs the program; returns its exit code.
int Programmstart(int argc, char** argv, const Startoptionen& optionen = {});

} // namespace vsk
