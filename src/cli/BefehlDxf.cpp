// vsk-cli dxf: the reinforcement drawing of a position, designed first as the Calculation
// command does; vsk-cli connector-drawings: copies a type's prepared drawings.

#include "cli/Befehle.h"
#include "design/Bemessung.h"
#include "design/Katalog.h"
#include "design/Plausibilitaet.h"
#include "dxf/BewehrungsZeichnung.h"
#include "dxf/DXF_Writer.h"
#include "dxf/DateiSchreiben.h"
#include "dxf/DornZeichnungen.h"
#include "model/Modell.h"
#include "model/Projektdatei.h"
#include "shell/Zahlen.h"
#include "shell/qt/QtPlattform.h"

#include <QCoreApplication>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace vsk::cli {

namespace {

struct Optionen {
    std::string datei;
    std::optional<int> position;
    std::optional<int> typ;
    std::string ausgabe;
};

// Type index 0..18, or a designation such as "VSK 7" or an identifier such as "VSK_007".
std::optional<int> LeseTyp(const std::string& text) {
    if (auto zahl = LeseGanzzahl(text)) {
        if (*zahl >= 0 && *zahl < AnzDornTypen) {
            return static_cast<int>(*zahl);
        }
        return std::nullopt;
    }
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        if (text == DornName(typ) || text == DornKennung(typ)) {
            return typ;
        }
    }
    return std::nullopt;
}

// Parses the options; an empty text on success, else the usage error.
std::string LeseOptionen(const Argumente& argumente, bool mitDatei, Optionen& o) {
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        auto wert = [&]() -> std::optional<std::string> {
            if (i + 1 >= argumente.size()) {
                return std::nullopt;
            }
            return argumente[++i];
        };
        if (a == "--position") {
            auto w = wert();
            auto n = w ? LeseGanzzahl(*w) : std::nullopt;
            if (!n || *n < 1 || *n > 65535) {
                return "--position needs a position number from 1";
            }
            o.position = static_cast<int>(*n);
        } else if (a == "--type") {
            auto w = wert();
            o.typ = w ? LeseTyp(*w) : std::nullopt;
            if (!o.typ) {
                return "--type needs a connector type 0 to 18 (or its name, such as \"VSK 7\")";
            }
        } else if (a == "-o" || a == "--output") {
            auto w = wert();
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

std::filesystem::path ProgrammOrdner() {
    return QCoreApplication::applicationDirPath().toStdString();
}

int Dxf(const Argumente& argumente) {
    Optionen o;
    if (std::string fehler = LeseOptionen(argumente, true, o); !fehler.empty()) {
        std::cerr << "vsk-cli dxf: " << fehler << "\n";
        return 2;
    }
    QtPlattform plattform(QCoreApplication::applicationFilePath().toStdString());
    TKModell modell;
    if (!LoadProjekt(modell, o.datei, plattform)) {
        // The reader does not report every incomplete file itself; never draw half a file.
        std::cerr << "vsk-cli dxf: \"" << o.datei << "\" could not be read completely\n";
        return 1;
    }
    int nummer = o.position.value_or(modell.TAktAnwendung);
    if (nummer > modell.TAnzAnwendung()) {
        std::cerr << "vsk-cli dxf: the project has " << modell.TAnzAnwendung()
                  << " position(s), there is no position " << nummer << "\n";
        return 2;
    }
    TKAnwendung& position = modell.Anwendung(nummer);
    std::vector<std::string> hinweise = PruefeEingaben(position);
    if (!hinweise.empty()) {
        std::cerr << "vsk-cli dxf: position " << nummer << " cannot be calculated:\n";
        for (const auto& h : hinweise) {
            std::cerr << "  " << h << "\n";
        }
        return 1;
    }
    RunDesign(position, plattform);
    if (o.typ) {
        // As selecting a row of the results list: the designed record stays.
        position.cErgebnisse.TAktDorn = static_cast<std::uint8_t>(*o.typ);
    }
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
    Optionen o;
    if (std::string fehler = LeseOptionen(argumente, false, o); !fehler.empty()) {
        std::cerr << "vsk-cli connector-drawings: " << fehler << "\n";
        return 2;
    }
    if (!o.typ) {
        std::cerr << "vsk-cli connector-drawings: --type is needed\n";
        return 2;
    }
    // The extension chooses the file type as the filter of the save dialog does.
    bool dwg = DornZielMitEndung(o.ausgabe, 1) == o.ausgabe;
    std::string ziel = DornZielMitEndung(o.ausgabe, dwg ? 1 : 0);
    DornKopie kopie = KopiereDornZeichnungen(ProgrammOrdner(), *o.typ, ziel);
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
            "      design the position (default: the project's current one) and write the\n"
            "      reinforcement drawing of the recommended type, or of type I (0-18 or a name)\n",
            Dxf};
}

Befehl BefehlConnectorDrawings() {
    return {"connector-drawings",
            "  connector-drawings --type I -o BASE.dxf|BASE.dwg\n"
            "      copy the three prepared drawings of type I to \"BASE Plan View Block.dxf\",\n"
            "      \"BASE Side View Block.dxf\" and \"BASE End View Block.dxf\"\n",
            ConnectorDrawings};
}

} // namespace vsk::cli
