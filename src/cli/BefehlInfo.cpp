// vsk-cli info FILE: the project description and the listing of its positions.

#include "cli/Befehle.h"
#include "cli/ProjektLaden.h"
#include "model/Explorer.h"
#include "shell/StillePlattform.h"

#include <QCoreApplication>
#include <iostream>

namespace vsk::cli {

namespace {

std::string Text(const char* quelle) {
    return QCoreApplication::translate("vsk-cli", quelle).toStdString();
}

int Ausfuehren(const Argumente& argumente) {
    if (argumente.size() != 1) {
        std::cerr << "vsk-cli info: " << Text("expects exactly one project file") << '\n';
        return 2;
    }
    auto projekt = LadeProjekt(argumente[0]);
    if (!projekt) {
        return 1;
    }
    const TKProjektdaten& d = projekt->modell.Projektbeschreibung;
    std::cout << Text("Project:") << ' ' << d.TBauvorhaben << '\n';
    const std::string firma = Text("Company:");
    std::cout << firma;
    for (std::size_t i = 0; i < d.TFirma.size(); ++i) {
        std::cout << (i == 0 ? std::string(" ") : std::string(firma.size() + 1, ' ')) << d.TFirma[i]
                  << '\n';
    }
    if (d.TFirma.empty()) {
        std::cout << '\n';
    }
    std::cout << Text("Designer:") << ' ' << d.TBearbeiter << '\n';
    std::cout << Text("Date:") << ' ' << d.TDatum << '\n';

    StillePlattform still(KonsolenPlattform());
    TKExplorer explorer;
    const auto& zeilen = explorer.ReadProjektFile(argumente[0], still);
    for (std::size_t k = 0; k < zeilen.size(); ++k) {
        std::cout << "No: " << k + 1;
        for (const auto& text : zeilen[k]) {
            std::cout << '\t' << text;
        }
        std::cout << '\n';
    }
    return 0;
}

} // namespace

Befehl BefehlInfo() {
    return {"info",
            "  info FILE\n"
            "      the project description and one line per position: program, building\n"
            "      project, position, application case, joint length, date (tab-separated)\n",
            Ausfuehren};
}

} // namespace vsk::cli
