#include "cli/Befehle.h"

namespace vsk::cli {

Befehl BefehlDesign();

// Add a command here: its entry and the file that implements it (cli/Befehl<Name>.cpp).
const std::vector<Befehl>& AlleBefehle() {
    static const std::vector<Befehl> befehle = {
        BefehlDesign(),
    };
    return befehle;
}

} // namespace vsk::cli
