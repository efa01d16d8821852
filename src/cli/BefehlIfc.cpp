// vsk-cli ifc: the designed joint of a position, or of every position that can be
// calculated, as an IFC model; each position is designed first as the Calculation
// command does.

#include "cli/Befehle.h"
#include "cli/Positionswahl.h"
#include "cli/ProjektLaden.h"
#include "design/Anordnung.h"
#include "ifc/IfcExport.h"
#include "model/Modell.h"
#include "shell/Dateischreiber.h"
#include "shell/qt/QtPlattform.h"

#include <QCoreApplication>
#include <QDateTime>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace vsk::cli {

namespace {

struct Optionen : Dateiwahl {
    bool alle = false;
};

// Parses the options; an empty text on success, else the usage error.
std::string LeseOptionen(const Argumente& argumente, Optionen& o) {
    o.endung = "ifc";
    const std::string fehler = LiesDateiwahl(
        argumente, true, o, [&](Optionsleser& leser) { leser.Schalter("--all", o.alle); });
    if (fehler.empty() && o.alle && (o.wahl.position || o.wahl.typ)) {
        return "--all exports every position with its own type; it takes neither --position "
               "nor --type";
    }
    return fehler;
}

// The positions to export, designed; nothing when none can be.
std::vector<int> BemessenePositionen(const Optionen& o, Plattform& plattform, TKModell& modell) {
    std::vector<int> nummern;
    const int von = o.alle ? 1 : modell.TAktAnwendung;
    const int bis = o.alle ? modell.TAnzAnwendung() : modell.TAktAnwendung;
    for (int k = von; k <= bis; ++k) {
        modell.TAktAnwendung = static_cast<std::uint16_t>(k);
        // A position that cannot be calculated is reported and left out.
        if (!BemesseAktuellePosition("ifc", o.wahl, plattform, modell)) {
            nummern.push_back(k);
        }
    }
    return nummern;
}

int Ifc(const Argumente& argumente) {
    Optionen o;
    if (std::string fehler = LeseOptionen(argumente, o); !fehler.empty()) {
        std::cerr << "vsk-cli ifc: " << fehler << "\n";
        return 2;
    }
    Plattform& plattform = KonsolenPlattform();
    TKModell modell(nullptr, plattform.HeuteText());
    if (auto status = WaehlePosition("ifc", o.datei, o.wahl, plattform, modell)) {
        return *status;
    }
    const std::vector<int> nummern = BemessenePositionen(o, plattform, modell);
    if (nummern.empty()) {
        std::cerr << "vsk-cli ifc: no position to export\n";
        return 1;
    }
    IfcExportAngaben angaben;
    angaben.projektName = std::filesystem::path(o.datei).filename().string();
    angaben.zeitstempel = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
    try {
        SchreibeIfcDatei(o.ausgabe, modell, nummern, angaben);
    } catch (const DateiFehler& f) {
        std::cerr << "vsk-cli ifc: " << f.what() << "\n";
        return 1;
    }
    std::size_t verbinder = 0;
    for (int k : nummern) {
        const TKErgebnisse& ergs = modell.Anwendung(k).cErgebnisse;
        verbinder += DornOrte(ergs, ergs.TAktDorn).size();
    }
    std::cout << o.ausgabe << ": " << nummern.size() << " position(s), " << verbinder
              << " connector(s)\n";
    return 0;
}

} // namespace

Befehl BefehlIfc() {
    return {"ifc",
            "  ifc FILE [--position N [--type I] | --all] -o OUT.ifc\n"
            "      design the position (default: the project's current one), or with --all\n"
            "      every position that can be calculated, and write the designed joints as\n"
            "      an IFC4 model: the connectors of the position's selected type (or of type I),\n"
            "      their reinforcement and the design values\n",
            Ifc};
}

} // namespace vsk::cli
