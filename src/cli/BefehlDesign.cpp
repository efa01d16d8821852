// vsk-cli design: the Calculation command over the positions of a project file.

#include "cli/Befehle.h"
#include "cli/DesignJson.h"
#include "cli/Optionsleser.h"
#include "cli/Positionswahl.h"
#include "cli/ProjektLaden.h"
#include "design/Bemessung.h"
#include "design/Plausibilitaet.h"
#include "design/ProjektOeffnen.h"
#include "katalog/Katalog.h"
#include "model/Objektmodell.h"
#include "model/Projektdatei.h"
#include "model/Texttabellen.h"
#include "shell/Zahlen.h"
#include "shell/qt/QtDateien.h"
#include "shell/qt/QtPlattform.h"

#include <QCoreApplication>

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <optional>
#include <sstream>

namespace vsk::cli {

namespace {

struct Optionen {
    std::string datei;
    std::optional<int> position;
    bool json = false;
    std::string speichern;
};

std::optional<Optionen> LeseOptionen(const Argumente& argumente) {
    Optionen o;
    Optionsleser leser;
    leser.Schalter("--json", o.json);
    leser.Wert(
        {"--position"},
        [&o](const std::string& wert) {
            o.position = LesePositionsnummer(wert);
            return o.position.has_value();
        },
        "--position needs a position number");
    leser.Ausgabe({"--save"}, o.speichern,
                  QCoreApplication::translate("vsk-cli", "--save needs a file name").toStdString(),
                  "VSK", true);
    leser.Datei(o.datei, "no project file given");
    if (const std::string fehler = leser.Lies(argumente); !fehler.empty()) {
        std::cerr << "vsk-cli design: " << fehler << "\n";
        return std::nullopt;
    }
    return o;
}

std::string Spalte(const std::string& text, std::size_t breite, bool rechts) {
    if (text.size() >= breite) {
        return text;
    }
    const std::string fuell(breite - text.size(), ' ');
    return rechts ? fuell + text : text + fuell;
}

// The results list of the main window as text.
void Tabelle(std::ostream& aus, int nummer, const TKAnwendung& anw, bool berechnet,
             const std::vector<std::string>& hinweise, char trenner) {
    aus << "Position " << nummer << ": " << anw.TPosition << "\n";
    if (!berechnet) {
        for (const std::string& h : hinweise) {
            aus << "  " << h << "\n";
        }
        aus << "\n";
        return;
    }
    const TKErgebnisse& ergs = anw.cErgebnisse;
    const auto& status = Texttabellen().StatusKurz;
    aus << "  " << Spalte("Connector", 10, false) << Spalte("Asx", 7, true)
        << Spalte("Asy", 7, true) << Spalte("VRd", 9, true) << Spalte("Vsd/VRd", 9, true)
        << Spalte("nD", 6, true) << "  Remarks\n";
    for (int i = 0; i < AnzDornTypen; ++i) {
        const TKDornErgebnis& e = ergs.DornErgebnis(i);
        aus << (i == ergs.TAktDorn ? "* " : "  ") << Spalte(DornName(i), 10, false)
            << Spalte(FormatFest(e.TAsxIst, 0, trenner), 7, true)
            << Spalte(FormatFest(e.TAsyIst, 0, trenner), 7, true)
            << Spalte(FormatFest(e.TFRd(), 1, trenner), 9, true)
            << Spalte(FormatFest(e.TEtaQ, 2, trenner), 9, true)
            << Spalte(std::to_string(ergs.TAnzDorn(i)), 6, true) << "  "
            << status[std::min<std::size_t>(e.TStatus, status.size() - 1)] << "\n";
    }
    aus << "\n";
}

int Design(const Argumente& argumente) {
    const std::optional<Optionen> o = LeseOptionen(argumente);
    if (!o) {
        return 2;
    }
    Plattform& plattform = KonsolenPlattform();
    TKModell modell(nullptr, plattform.HeuteText());
    // Read without deriving the reinforcement of older files: the positions designed below get
    // theirs from the design, the others only when the project is saved.
    const Leseergebnis gelesen = LoadProjekt(modell, o->datei, plattform);
    if (!gelesen) {
        // The reader has shown where the file broke; never design half a file.
        std::cerr << "vsk-cli design: \"" << o->datei << "\" could not be read completely\n";
        return 1;
    }
    if (o->position && *o->position > modell.TAnzAnwendung()) {
        std::cerr << "vsk-cli design: the project has " << modell.TAnzAnwendung()
                  << " position(s), there is no position " << *o->position << "\n";
        return 2;
    }

    std::optional<DesignJsonAusgabe> json;
    if (o->json) {
        json.emplace(std::cout, o->datei);
    }
    const int von = o->position.value_or(1);
    const int bis = o->position.value_or(modell.TAnzAnwendung());
    for (int k = von; k <= bis; ++k) {
        TKAnwendung& anw = modell.Anwendung(k);
        const std::vector<std::string> hinweise = PruefeEingaben(anw);
        const bool berechnet = hinweise.empty();
        modell.TCalcFlag = berechnet ? 1 : 0;
        if (berechnet) {
            RunDesign(anw, plattform);
        }
        if (json) {
            json->Position(PositionJson(k, anw, berechnet, hinweise));
        } else {
            Tabelle(std::cout, k, anw, berechnet, hinweise, plattform.Dezimaltrenner());
        }
    }
    if (json) {
        json->Ende();
    }
    std::cout.flush();

    if (o->speichern.empty()) {
        return 0;
    }
    // A position outside the run is saved with the reinforcement it shows when opened.
    for (const std::uint16_t nummer : gelesen.ohneBewehrungsdaten) {
        if (nummer < von || nummer > bis) {
            LeiteBewehrungAb(modell.Anwendung(nummer), plattform);
        }
    }
    if (!SaveProjekt(modell, o->speichern, plattform)) {
        return 1;
    }
    return 0;
}

} // namespace

Befehl BefehlDesign() {
    return {"design",
            "  design FILE [--position N] [--json] [--save OUT.VSK]\n"
            "      check and design every position of FILE (or position N) as the Calculation\n"
            "      command does; print the results list, or one JSON document with --json;\n"
            "      --save writes the project with the new results to OUT.VSK\n",
            &Design};
}

} // namespace vsk::cli
