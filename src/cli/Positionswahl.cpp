#include "cli/Positionswahl.h"

#include "design/Bemessung.h"
#include "design/Plausibilitaet.h"
#include "design/ProjektOeffnen.h"
#include "katalog/Katalog.h"
#include "shell/Texte.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iostream>
#include <vector>

namespace vsk::cli {

std::optional<int> LeseTyp(const std::string& text) {
    if (auto zahl = LeseGanzzahl(text)) {
        if (*zahl >= 0 && *zahl < AnzDornTypen) {
            return static_cast<int>(*zahl);
        }
        return std::nullopt;
    }
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        if (Kleinbuchstaben(text) == Kleinbuchstaben(DornName(typ)) ||
            Kleinbuchstaben(text) == Kleinbuchstaben(DornKennung(typ))) {
            return typ;
        }
    }
    return std::nullopt;
}

std::optional<int> LesePositionsnummer(const std::string& text) {
    const auto n = LeseGanzzahl(text);
    if (!n || *n < 1 || *n > MaxAnzAnwendung) {
        return std::nullopt;
    }
    return static_cast<int>(*n);
}

void PositionswahlOptionen(Optionsleser& leser, Positionswahl& wahl) {
    leser.Wert(
        {"--position"},
        [&wahl](const std::string& wert) {
            wahl.position = LesePositionsnummer(wert);
            return wahl.position.has_value();
        },
        "--position needs a position number from 1");
    leser.Wert(
        {"--type"},
        [&wahl](const std::string& wert) {
            wahl.typ = LeseTyp(wert);
            return wahl.typ.has_value();
        },
        "--type needs a connector type 0 to 18 (or its name, such as \"VSK 7\")");
}

std::string LiesDateiwahl(const Argumente& argumente, bool mitDatei, Dateiwahl& o,
                          const std::function<void(Optionsleser&)>& eigene) {
    Optionsleser leser;
    PositionswahlOptionen(leser, o.wahl);
    if (o.endung.empty()) {
        leser.Text({"-o", "--output"}, o.ausgabe, "-o needs a file name");
    } else {
        leser.Ausgabe({"-o", "--output"}, o.ausgabe, "-o needs a file name", o.endung);
    }
    if (mitDatei) {
        leser.Datei(o.datei, "a project file is needed");
    }
    if (eigene) {
        eigene(leser);
    }
    if (std::string fehler = leser.Lies(argumente); !fehler.empty()) {
        return fehler;
    }
    if (o.ausgabe.empty()) {
        return "-o OUT is needed";
    }
    return {};
}

std::optional<int> WaehlePosition(const char* befehl, const std::string& datei,
                                  const Positionswahl& wahl, Plattform& plattform,
                                  TKModell& modell) {
    if (!OeffneProjektdatei(modell, datei, plattform)) {
        // The reader has shown where the file broke.
        std::cerr << "vsk-cli " << befehl << ": \"" << datei << "\" could not be read completely\n";
        return 1;
    }
    const int nummer = wahl.position.value_or(modell.TAktAnwendung);
    if (nummer > modell.TAnzAnwendung()) {
        std::cerr << "vsk-cli " << befehl << ": the project has " << modell.TAnzAnwendung()
                  << " position(s), there is no position " << nummer << "\n";
        return 2;
    }
    modell.TAktAnwendung = static_cast<std::uint16_t>(nummer);
    return std::nullopt;
}

std::optional<int> BemesseAktuellePosition(const char* befehl, const Positionswahl& wahl,
                                           Plattform& plattform, TKModell& modell) {
    TKAnwendung& position = modell.AktuelleAnwendung();
    if (position.cErgebnisse.TBerechnet) {
        // As the window shows a calculated position: its stored results with the type the
        // engineer selected, unless another one is asked for.
        if (wahl.typ) {
            position.cErgebnisse.TAktDorn = static_cast<std::uint8_t>(*wahl.typ);
        }
        modell.AktDornDaten.Laden(position.cErgebnisse.TAktDorn);
        return std::nullopt;
    }
    const std::vector<std::string> hinweise = PruefeEingaben(position);
    if (!hinweise.empty()) {
        std::cerr << "vsk-cli " << befehl << ": position " << modell.TAktAnwendung
                  << " cannot be calculated:\n";
        for (const auto& h : hinweise) {
            std::cerr << "  " << h << "\n";
        }
        return 1;
    }
    RunDesign(position, plattform);
    if (wahl.typ) {
        // As selecting a row of the results list: the designed record stays.
        position.cErgebnisse.TAktDorn = static_cast<std::uint8_t>(*wahl.typ);
    }
    modell.AktDornDaten.Laden(position.cErgebnisse.TAktDorn);
    return std::nullopt;
}

std::optional<int> LadeUndBemesse(const char* befehl, const std::string& datei,
                                  const Positionswahl& wahl, Plattform& plattform,
                                  TKModell& modell) {
    if (auto status = WaehlePosition(befehl, datei, wahl, plattform, modell)) {
        return status;
    }
    return BemesseAktuellePosition(befehl, wahl, plattform, modell);
}

} // namespace vsk::cli
