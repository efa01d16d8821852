// vsk-cli sketch: one sketch of a position, designed first as the Calculation command
// does, written as a picture file by the same code as the windows' picture export.

#include "canvas/qt/Bilddatei.h"
#include "cli/Befehle.h"
#include "cli/Positionswahl.h"
#include "cli/ProjektLaden.h"
#include "katalog/Katalog.h"
#include "model/Objektmodell.h"
#include "shell/Zahlen.h"
#include "shell/qt/QtDateien.h"
#include "sketches/Skizzen.h"
#include "sketches/qt/Exportbilder.h"

#include <QImage>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace vsk::cli {

namespace {

constexpr int kLastbild = 100; // the load diagram alone, no sketch kind of the model

struct Optionen {
    std::string datei;
    Positionswahl wahl;
    int art = -1;
    int breite = 800;
    int hoehe = 600;
    bool quadranten = false;
    std::string ausgabe;
    Bildtyp format = Bildtyp::Png;
};

std::optional<int> LeseArt(const std::string& text) {
    if (text == "view") {
        return SkizzenArt::Ansicht;
    }
    if (text == "plan") {
        return SkizzenArt::Draufsicht;
    }
    if (text == "section") {
        return SkizzenArt::Schnitt;
    }
    if (text == "row") {
        return SkizzenArt::Reihe;
    }
    if (text == "system") {
        return SkizzenArt::System;
    }
    if (text == "load") {
        return kLastbild;
    }
    return std::nullopt;
}

// "WxH", each 16 to 10000 pixels.
bool LeseGroesse(const std::string& text, int& breite, int& hoehe) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) {
        return false;
    }
    const auto b = LeseGanzzahl(text.substr(0, x));
    const auto h = LeseGanzzahl(text.substr(x + 1));
    if (!b || !h || *b < 16 || *b > 10000 || *h < 16 || *h > 10000) {
        return false;
    }
    breite = static_cast<int>(*b);
    hoehe = static_cast<int>(*h);
    return true;
}

// An empty text on success, else the usage error.
std::string LeseOptionen(const Argumente& argumente, Optionen& o) {
    Optionsleser leser;
    PositionswahlOptionen(leser, o.wahl);
    leser.Wert(
        {"--kind"},
        [&o](const std::string& wert) {
            const auto art = LeseArt(wert);
            o.art = art.value_or(o.art);
            return art.has_value();
        },
        "--kind needs one of view, plan, section, row, system, load");
    leser.Wert(
        {"--size"}, [&o](const std::string& wert) { return LeseGroesse(wert, o.breite, o.hoehe); },
        "--size needs WIDTHxHEIGHT, each 16 to 10000 pixels");
    leser.Schalter("--quadrants", o.quadranten);
    // Without an extension: a PNG picture.
    leser.Ausgabe({"-o", "--output"}, o.ausgabe, "-o needs a file name", "png");
    leser.Datei(o.datei, "a project file is needed");
    if (std::string fehler = leser.Lies(argumente); !fehler.empty()) {
        return fehler;
    }
    if (o.quadranten && o.art < 0) {
        o.art = SkizzenArt::Ansicht;
    }
    if (o.art < 0) {
        return "--kind is needed";
    }
    if (o.quadranten && (o.art < SkizzenArt::Ansicht || o.art > SkizzenArt::Reihe)) {
        return "--quadrants needs a result sketch (view, plan, section or row)";
    }
    if (o.ausgabe.empty()) {
        return "-o OUT.emf|.bmp|.jpg|.png|.svg is needed";
    }
    const auto typ = BildtypZurEndung(
        QString::fromStdString(std::filesystem::path(o.ausgabe).extension().string()));
    if (!typ) {
        return "the output file must end in .emf, .bmp, .jpg, .png or .svg";
    }
    o.format = *typ;
    return {};
}

// The sketch as the main window shows it, or the four-quadrant picture of its export.
Vektorzeichnung Zeichnung(const Optionen& o, const Zeichenkontext& k) {
    if (o.quadranten) {
        return SkizzenVektorbild(k, o.art, o.breite, o.hoehe);
    }
    return {o.breite,
            o.hoehe,
            [&o, &k](Canvas& c) {
                const Rechteck r{0, 0, o.breite, o.hoehe};
                if (o.art == kLastbild) {
                    ZeichneLastbild(c, r, k);
                } else {
                    ZeichneSkizze(c, r, k, o.art);
                }
            },
            {}};
}

int Sketch(const Argumente& argumente) {
    Optionen o;
    if (std::string fehler = LeseOptionen(argumente, o); !fehler.empty()) {
        std::cerr << "vsk-cli sketch: " << fehler << "\n";
        return 2;
    }
    Plattform& plattform = KonsolenPlattform();
    TKModell modell(nullptr, plattform.HeuteText());
    if (auto status = WaehlePosition("sketch", o.datei, o.wahl, plattform, modell)) {
        return *status;
    }
    TKAnwendung& position = modell.AktuelleAnwendung();
    if (o.art == SkizzenArt::System) {
        // Input mode: the system sketch of the input connector type.
        const int typ = o.wahl.typ.value_or(modell.TEingabeDorn);
        modell.AktDornDaten.Laden(typ);
        position.cErgebnisse.TAktDorn = static_cast<std::uint8_t>(typ);
    } else if (auto status = BemesseAktuellePosition("sketch", o.wahl, plattform, modell)) {
        return *status;
    }

    const TKFarbe farben;
    int linienbreite = 1;
    const Zeichenkontext k{modell, position, farben, linienbreite, plattform.Dezimaltrenner()};
    const Vektorzeichnung zeichnung = Zeichnung(o, k);
    const bool bitmap =
        o.format == Bildtyp::Bmp || o.format == Bildtyp::Jpeg || o.format == Bildtyp::Png;
    const Bildergebnis e =
        BildSpeichern(bitmap ? AlsBitmap(zeichnung) : QImage(), zeichnung, o.ausgabe, o.format);
    if (!e.ok) {
        std::cerr << "vsk-cli sketch: " << e.fehler.toStdString() << "\n";
        return 1;
    }
    std::cout << o.ausgabe << ": " << DornName(position.cErgebnisse.TAktDorn) << ", position "
              << modell.TAktAnwendung << "\n";
    return 0;
}

} // namespace

Befehl BefehlSketch() {
    return {"sketch",
            "  sketch FILE [--position N] [--type I] --kind view|plan|section|row|system|load\n"
            "         [--size WxH] [--quadrants] -o OUT.emf|.bmp|.jpg|.png|.svg\n"
            "      draw one sketch of the position (default: the project's current one; designed\n"
            "      first unless calculated) for its selected type, or for type I (0-18 or a\n"
            "      name), 800x600 unless given;\n"
            "      system is the input system sketch of the project's input type;\n"
            "      --quadrants: the 1000x1000 picture of the window's vector export (view,\n"
            "      section, plan view, and the row unless the load is a point load)\n",
            Sketch};
}

} // namespace vsk::cli
