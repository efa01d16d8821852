// vsk-cli dxf: the reinforcement drawing of a position, designed first as the Calculation
// command does; vsk-cli connector-drawings: copies a type's prepared drawings.

#include "cli/Befehle.h"
#include "cli/Positionswahl.h"
#include "cli/ProjektLaden.h"
#include "dxf/BewehrungsZeichnung.h"
#include "dxf/DXF_Writer.h"
#include "dxf/DornZeichnungen.h"
#include "katalog/Katalog.h"
#include "model/Modell.h"
#include "shell/Dateischreiber.h"
#include "shell/Zahlen.h"
#include "shell/qt/QtDateien.h"

#include <QCoreApplication>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace vsk::cli {

namespace {

std::filesystem::path ProgrammOrdner() {
    return PfadAus(QCoreApplication::applicationDirPath());
}

int Dxf(const Argumente& argumente) {
    Dateiwahl o;
    o.endung = "dxf";
    if (std::string fehler = LiesDateiwahl(argumente, true, o); !fehler.empty()) {
        std::cerr << "vsk-cli dxf: " << fehler << "\n";
        return 2;
    }
    Plattform& plattform = KonsolenPlattform();
    TKModell modell(nullptr, plattform.HeuteText());
    if (auto status = LadeUndBemesse("dxf", o.datei, o.wahl, plattform, modell)) {
        return *status;
    }
    const int nummer = modell.TAktAnwendung;
    const TKAnwendung& position = modell.AktuelleAnwendung();
    DXF_Object objekt;
    ZeichneBewehrung(objekt, BewehrungsAngabenVon(position), plattform.Dezimaltrenner());
    try {
        SaveToFile(objekt, o.ausgabe);
    } catch (const DateiFehler& f) {
        std::cerr << "vsk-cli dxf: " << f.what() << "\n";
        return 1;
    }
    std::cout << o.ausgabe << ": " << DornName(position.cErgebnisse.TAktDorn) << ", position "
              << nummer << "\n";
    return 0;
}

int ConnectorDrawings(const Argumente& argumente) {
    Dateiwahl o;
    if (std::string fehler = LiesDateiwahl(argumente, false, o); !fehler.empty()) {
        std::cerr << "vsk-cli connector-drawings: " << fehler << "\n";
        return 2;
    }
    if (!o.wahl.typ) {
        std::cerr << "vsk-cli connector-drawings: --type is needed\n";
        return 2;
    }
    // The extension chooses the file type as the filter of the save dialog does.
    bool dwg = DornZielMitEndung(o.ausgabe, 1) == o.ausgabe;
    // As the window offers DWG only where the drawings are installed.
    if (dwg && !DornZeichnungVorhanden(ProgrammOrdner(), *o.wahl.typ, "dwg")) {
        std::cerr << "vsk-cli connector-drawings: no DWG drawings of " << DornName(*o.wahl.typ)
                  << " are installed; write BASE.dxf\n";
        return 1;
    }
    std::string ziel = DornZielMitEndung(o.ausgabe, dwg ? 1 : 0);
    DornKopie kopie = KopiereDornZeichnungen(ProgrammOrdner(), *o.wahl.typ, ziel);
    for (const auto& p : kopie.kopiert) {
        std::cout << p.string() << "\n";
    }
    for (const auto& p : kopie.fehlen) {
        std::cerr << "vsk-cli connector-drawings: Cannot open file! (" << p.string() << ")\n";
    }
    if (!kopie.fehler.empty()) {
        std::cerr << "vsk-cli connector-drawings: " << kopie.fehler << "\n";
    }
    return kopie.fehlen.empty() && kopie.fehler.empty() ? 0 : 1;
}

} // namespace

Befehl BefehlDxf() {
    return {"dxf",
            "  dxf FILE [--position N] [--type I] -o OUT.dxf\n"
            "      write the reinforcement drawing of the position (default: the project's\n"
            "      current one; designed first unless calculated) for its selected type, or for\n"
            "      type I (0-18 or a name)\n",
            Dxf};
}

Befehl BefehlConnectorDrawings() {
    return {"connector-drawings",
            "  connector-drawings --type I -o BASE.dxf|BASE.dwg\n"
            "      copy the three prepared drawings of type I to \"BASE Plan View Block.dxf\",\n"
            "      \"BASE Side View Block.dxf\" and \"BASE End View Block.dxf\" (BASE.dwg: the\n"
            "      DWG drawings, where they are installed)\n",
            ConnectorDrawings};
}

} // namespace vsk::cli
