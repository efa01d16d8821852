// vsk-cli import: a project file built from a JSON document as vsk-cli export writes it,
// through the same edits and checks as the input windows.

#include "cli/Befehle.h"
#include "cli/Optionsleser.h"
#include "cli/ProjektLaden.h"
#include "model/Modell.h"
#include "model/ProjektJson.h"
#include "model/Projektdatei.h"
#include "shell/Dateilesen.h"
#include "shell/Texte.h"

#include <iostream>
#include <iterator>
#include <optional>

namespace vsk::cli {

namespace {

// A document of hundreds of positions with their load points fits many times.
constexpr std::size_t MaxJsonBytes = 64 * 1024 * 1024;

// The document, or nothing when it cannot be read (said on standard error).
std::optional<std::string> LeseDokument(const std::string& datei) {
    if (datei == "-") {
        std::string inhalt;
        char block[65536];
        while (std::cin.read(block, sizeof block) || std::cin.gcount() > 0) {
            inhalt.append(block, static_cast<std::size_t>(std::cin.gcount()));
            if (inhalt.size() > MaxJsonBytes) {
                std::cerr << "vsk-cli import: " << vsk::text("Eingabe", "Cannot open file!") << " ("
                          << vsk::text("Dateischreiber", "the file is too large") << ")\n";
                return std::nullopt;
            }
        }
        return inhalt;
    }
    Dateilesergebnis gelesen = LeseDateiBegrenzt(datei, MaxJsonBytes);
    if (!gelesen) {
        std::cerr << "vsk-cli import: " << vsk::text("Eingabe", "Cannot open file!") << " \""
                  << datei << "\" (" << gelesen.Grund() << ")\n";
        return std::nullopt;
    }
    return std::move(gelesen.inhalt);
}

int Import(const Argumente& argumente) {
    std::string datei;
    std::string ausgabe;
    Optionsleser leser;
    leser.Ausgabe({"-o", "--output"}, ausgabe, text("vsk-cli", "-o needs a file name"), "VSK");
    leser.Datei(datei, text("vsk-cli", "a JSON document is needed"), true);
    std::string fehler = leser.Lies(argumente);
    if (fehler.empty() && ausgabe.empty()) {
        fehler = text("vsk-cli", "-o OUT.VSK is needed");
    }
    if (!fehler.empty()) {
        std::cerr << "vsk-cli import: " << fehler << "\n";
        return 2;
    }
    const std::optional<std::string> dokument = LeseDokument(datei);
    if (!dokument) {
        return 1;
    }
    // The built-in defaults: the same document gives the same project on every machine.
    TKModell modell;
    if (const auto f = LeseProjektJson(modell, *dokument)) {
        std::cerr << "vsk-cli import: " << (datei == "-" ? std::string() : datei + ": ")
                  << JsonfehlerText(*f) << "\n";
        return 1;
    }
    if (!SaveProjekt(modell, ausgabe, KonsolenPlattform())) {
        return 1;
    }
    std::cout << ausgabe << ": " << modell.TAnzAnwendung() << " position(s)\n";
    return 0;
}

} // namespace

Befehl BefehlImport() {
    return {"import",
            "  import DATA.json -o OUT.VSK\n"
            "      build a project file from a JSON document as export writes it (\"-\" reads\n"
            "      standard input); every value is checked as the input fields check it, and\n"
            "      the first bad one (or an unknown key) stops with its position, key and\n"
            "      reason: exit status 1, nothing written. A missing key takes the built-in\n"
            "      default of a new position\n",
            Import};
}

} // namespace vsk::cli
