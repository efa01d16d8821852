// vsk-cli export: the inputs of a project as one JSON document, for scripts that change
// them and build projects again with vsk-cli import.

#include "cli/Befehle.h"
#include "cli/Optionsleser.h"
#include "cli/Positionswahl.h"
#include "cli/ProjektLaden.h"
#include "model/ProjektJson.h"
#include "shell/Dateischreiber.h"
#include "shell/Texte.h"

#include <iostream>
#include <optional>

namespace vsk::cli {

namespace {

int Export(const Argumente& argumente) {
    std::string datei;
    std::string ausgabe;
    std::optional<int> position;
    bool json = false;
    Optionsleser leser;
    leser.Schalter("--json", json);
    leser.Wert(
        {"--position"},
        [&position](const std::string& wert) {
            position = LesePositionsnummer(wert);
            return position.has_value();
        },
        "--position needs a position number");
    leser.Ausgabe({"-o", "--output"}, ausgabe, text("vsk-cli", "-o needs a file name"), "json");
    leser.Datei(datei, text("vsk-cli", "a project file is needed"));
    std::string fehler = leser.Lies(argumente);
    if (fehler.empty() && !json) {
        fehler = text("vsk-cli", "the format is needed: --json");
    }
    if (!fehler.empty()) {
        std::cerr << "vsk-cli export: " << fehler << "\n";
        return 2;
    }
    const auto projekt = LadeProjekt(datei);
    if (!projekt) {
        return 1;
    }
    const TKModell& modell = projekt->modell;
    if (position && *position > modell.TAnzAnwendung()) {
        std::cerr << "vsk-cli export: the project has " << modell.TAnzAnwendung()
                  << " position(s), there is no position " << *position << "\n";
        return 2;
    }
    const std::string dokument = ProjektAlsJson(modell, position);
    if (ausgabe.empty()) {
        std::cout << dokument;
        return std::cout.flush() ? 0 : 1;
    }
    if (const Schreibergebnis e = SchreibeDatei(ausgabe, dokument); !e) {
        std::cerr << "vsk-cli export: " << SchreibFehlerText(e) << "\n";
        return 1;
    }
    std::cout << ausgabe << ": " << (position ? 1 : modell.TAnzAnwendung()) << " position(s)\n";
    return 0;
}

} // namespace

Befehl BefehlExport() {
    return {"export",
            "  export FILE [--position N] --json [-o OUT.json]\n"
            "      write the inputs of the project (or of position N) as one JSON document:\n"
            "      project description, remark lines and per position every input field,\n"
            "      the three loads and the load points, under the project file's element\n"
            "      names (schema: /usr/share/doc/vsk/project-json.schema.json); to standard\n"
            "      output without -o\n",
            Export};
}

} // namespace vsk::cli
