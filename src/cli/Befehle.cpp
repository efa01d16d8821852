#include "cli/Befehle.h"

namespace vsk::cli {

Befehl BefehlDesign();
Befehl BefehlDxf();               // cli/BefehlDxf.cpp
Befehl BefehlConnectorDrawings(); // cli/BefehlDxf.cpp
Befehl BefehlReport();
Befehl BefehlSketch();
Befehl BefehlInfo();     // cli/BefehlInfo.cpp
Befehl BefehlSchedule(); // cli/BefehlSchedule.cpp
Befehl BefehlCheck();    // cli/BefehlCheck.cpp
Befehl BefehlIfc();      // cli/BefehlIfc.cpp
Befehl BefehlExport();   // cli/BefehlExport.cpp
Befehl BefehlImport();   // cli/BefehlImport.cpp

// Add a command here: its entry and the file that implements it (cli/Befehl<Name>.cpp).
const std::vector<Befehl>& AlleBefehle() {
    static const std::vector<Befehl> befehle = {
        BefehlDesign(), BefehlDxf(),  BefehlConnectorDrawings(), BefehlIfc(),    BefehlReport(),
        BefehlSketch(), BefehlInfo(), BefehlSchedule(),          BefehlExport(), BefehlImport(),
        BefehlCheck(),
    };
    return befehle;
}

} // namespace vsk::cli
