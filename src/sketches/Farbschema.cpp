#include "sketches/Farbschema.h"

#include "shell/Einstellungen.h"

#include <array>

namespace vsk {

namespace {

constexpr const char* kSektion = "Farbeinstellung";

struct Feld {
    const char* schluessel;
    Farbe TKFarbe::*wert;
};

// Order of reading and writing.
constexpr std::array<Feld, 9> kFelder = {{
    {"Hintergrund", &TKFarbe::Hintergrund},
    {"BetonPen", &TKFarbe::BetonPen},
    {"BetonBrush", &TKFarbe::BetonBrush},
    {"PosB", &TKFarbe::PosB},
    {"PosD", &TKFarbe::PosD},
    {"DornPen", &TKFarbe::DornPen},
    {"DornBrush", &TKFarbe::DornBrush},
    {"Bemassung", &TKFarbe::Bemassung},
    {"Brandschutz", &TKFarbe::Brandschutz},
}};

} // namespace

TKFarbe::TKFarbe(const Einstellungen& einstellungen) {
    for (const Feld& f : kFelder) {
        const Farbe vorgabe = this->*f.wert;
        const int gelesen = einstellungen.ReadInteger(kSektion, f.schluessel, vorgabe);
        this->*f.wert = (gelesen >= 0 && gelesen <= 0xFFFFFF) ? gelesen : vorgabe;
    }
}

void TKFarbe::Speichern(Einstellungen& einstellungen) const {
    einstellungen.SchreibeZusammen([&] {
        for (const Feld& f : kFelder) {
            einstellungen.WriteInteger(kSektion, f.schluessel, this->*f.wert);
        }
    });
}

TKFarbe TKFarbe::Standard() {
    return TKFarbe();
}

TKFarbe TKFarbe::Graustufen() {
    TKFarbe f;
    f.PosB = 0;
    f.PosD = 0;
    f.DornBrush = 8421504;
    f.Brandschutz = 8421504;
    return f;
}

} // namespace vsk
