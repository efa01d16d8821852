#include "cli/Befehle.h"

namespace vsk::cli {

Befehl BefehlDesign();
Befehl BefehlDxf();               // cli/BefehlDxf.cpp
Befehl BefehlConnectorDrawings(); // cli/BefehlDxf.cpp
Befehl BefehlReport();
Befehl BefehlSketch();

// Add a command here: its entry and the file that implements it (cli/Befehl<Name>.cpp).
const std::vector<Befehl>& AlleBefehle() {
    static const std::vector<Befehl> befehle = {
        BefehlDesign(),
        BefehlDxf(),
        BefehlConnectorDrawings(),
        BefehlReport(),
        BefehlSketch(),
    };
    return befehle;
}

} // namespace vsk::cli
