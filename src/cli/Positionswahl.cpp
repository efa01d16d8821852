#include "cli/Positionswahl.h"

#include "design/Bemessung.h"
#include "design/Katalog.h"
#include "design/Plausibilitaet.h"
#include "design/ProjektOeffnen.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iostream>
#include <vector>

namespace vsk::cli {

namespace {

std::string Klein(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return t;
}

} // namespace

std::optional<int> LeseTyp(const std::string& text) {
    if (auto zahl = LeseGanzzahl(text)) {
        if (*zahl >= 0 && *zahl < AnzDornTypen) {
            return static_cast<int>(*zahl);
        }
        return std::nullopt;
    }
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        if (Klein(text) == Klein(DornName(typ)) || Klein(text) == Klein(DornKennung(typ))) {
            return typ;
        }
    }
    return std::nullopt;
}

std::optional<std::string> NaechsterWert(const Argumente& argumente, std::size_t& i) {
    if (i + 1 >= argumente.size()) {
        return std::nullopt;
    }
    return argumente[++i];
}

bool LiesPositionswahl(const Argumente& argumente, std::size_t& i, Positionswahl& wahl,
                       std::string& fehler) {
    const std::string& a = argumente[i];
    if (a != "--position" && a != "--type") {
        return false;
    }
    const std::optional<std::string> wert = NaechsterWert(argumente, i);
    if (a == "--position") {
        const auto n = wert ? LeseGanzzahl(*wert) : std::nullopt;
        if (!n || *n < 1 || *n > 65535) {
            fehler = "--position needs a position number from 1";
        } else {
            wahl.position = static_cast<int>(*n);
        }
    } else {
        wahl.typ = wert ? LeseTyp(*wert) : std::nullopt;
        if (!wahl.typ) {
            fehler = "--type needs a connector type 0 to 18 (or its name, such as \"VSK 7\")";
        }
    }
    return true;
}

std::string LiesDateiwahl(const Argumente& argumente, bool mitDatei, Dateiwahl& o,
                          const std::function<bool(const std::string&)>& eigene) {
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (std::string fehler; LiesPositionswahl(argumente, i, o.wahl, fehler)) {
            if (!fehler.empty()) {
                return fehler;
            }
        } else if (eigene && eigene(a)) {
            continue;
        } else if (a == "-o" || a == "--output") {
            auto w = NaechsterWert(argumente, i);
            if (!w || w->empty()) {
                return "-o needs a file name";
            }
            o.ausgabe = *w;
        } else if (mitDatei && o.datei.empty() && !a.empty() && a[0] != '-') {
            o.datei = a;
        } else {
            return "unexpected argument \"" + a + "\"";
        }
    }
    if (mitDatei && o.datei.empty()) {
        return "a project file is needed";
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

} // namespace vsk::cli
