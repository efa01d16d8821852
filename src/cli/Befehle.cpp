#include "cli/Befehle.h"

namespace vsk::cli {

// Add a command here: its entry and the file that implements it (cli/Befehl<Name>.cpp).
const std::vector<Befehl>& AlleBefehle() {
    static const std::vector<Befehl> befehle = {
    };
    return befehle;
}

} // namespace vsk::cli
