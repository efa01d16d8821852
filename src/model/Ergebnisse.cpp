#include "model/Ergebnisse.h"

namespace vsk {

namespace {
std::size_t Index(int typ) {
    return static_cast<std::size_t>(KlemmeDornTyp(typ));
}
} // namespace

TKErgebnisse::TKErgebnisse() {
    for (int i = 0; i < AnzDornTypen; ++i) {
        dornDaten_[Index(i)].Laden(i);
        dornErgebnisse_[Index(i)] = TKDornErgebnis(i);
        anzDorn_[Index(i)] = 1;
    }
}

void TKErgebnisse::SelectDorn(int typ) {
    typ = KlemmeDornTyp(typ);
    TAktDorn = static_cast<std::uint8_t>(typ);
    dornDaten_[Index(typ)].Laden(typ);
}

TKDornDaten& TKErgebnisse::DornDaten(int typ) {
    return dornDaten_[Index(typ)];
}
const TKDornDaten& TKErgebnisse::DornDaten(int typ) const {
    return dornDaten_[Index(typ)];
}

TKDornErgebnis& TKErgebnisse::DornErgebnis(int typ) {
    return dornErgebnisse_[Index(typ)];
}
const TKDornErgebnis& TKErgebnisse::DornErgebnis(int typ) const {
    return dornErgebnisse_[Index(typ)];
}

std::uint16_t TKErgebnisse::TAnzDorn(int typ) const {
    return anzDorn_[Index(typ)];
}

void TKErgebnisse::setTAnzDorn(int typ, std::uint16_t anzahl) {
    anzDorn_[Index(typ)] = anzahl;
}

} // namespace vsk
