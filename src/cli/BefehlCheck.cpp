// vsk-cli check FILE: whether a project file can be read completely.

#include "cli/Befehle.h"
#include "cli/ProjektLaden.h"

#include <QCoreApplication>
#include <iostream>

namespace vsk::cli {

namespace {

int Ausfuehren(const Argumente& argumente) {
    auto text = [](const char* quelle) {
        return QCoreApplication::translate("vsk-cli", quelle).toStdString();
    };
    if (argumente.size() != 1) {
        std::cerr << "vsk-cli check: " << text("expects exactly one project file") << '\n';
        return 2;
    }
    auto projekt = LadeProjekt(argumente[0]);
    if (!projekt) {
        return 1;
    }
    std::cout << argumente[0] << ": "
              << (projekt->alteVersion ? text("read, with the old-version warning")
                                       : text("read completely"))
              << " (" << projekt->modell.TAnzAnwendung() << ' ' << text("positions") << ")\n";
    return 0;
}

} // namespace

Befehl BefehlCheck() {
    return {"check",
            "  check FILE\n"
            "      reads the project file and reports whether it was read completely, read\n"
            "      with the old-version warning (exit 0), or could not be read (exit 1)\n",
            Ausfuehren};
}

} // namespace vsk::cli
