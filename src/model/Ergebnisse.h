#pragma once
// Results of the last design run of one position: per connector type a working copy of
// the catalogue entry, the result and the number of connectors.
//
// Per-type access takes a type index and clamps it into 0..18, so an index read from a
// file can never reach past the tables.

#include "katalog/Katalog.h"
#include "model/DornErgebnis.h"
#include "model/Geometrie.h"

#include <array>
#include <cstdint>

namespace vsk {

class TKErgebnisse {
public:
    // Entry i loaded for type i, result i fresh for type i, every count 1, TAktDorn 6.
    TKErgebnisse();

    std::uint8_t TAktDorn = VorgabeDornTyp; // selected connector type 0..18
    std::uint8_t TBerechnet = 0;            // 1 while calculated results are shown
    TKGeometrie cGeometrie;                 // working geometry of the last design run

    // TAktDorn := typ and catalogue entry typ reloaded from the catalogue.
    void SelectDorn(int typ);

    TKDornDaten& DornDaten(int typ);
    const TKDornDaten& DornDaten(int typ) const;
    TKDornErgebnis& DornErgebnis(int typ);
    const TKDornErgebnis& DornErgebnis(int typ) const;

    std::uint16_t TAnzDorn(int typ) const;
    void setTAnzDorn(int typ, std::uint16_t anzahl);

    // The entries of the selected type TAktDorn.
    TKDornDaten& AktDornDaten() { return DornDaten(TAktDorn); }
    const TKDornDaten& AktDornDaten() const { return DornDaten(TAktDorn); }
    TKDornErgebnis& AktDornErgebnis() { return DornErgebnis(TAktDorn); }
    const TKDornErgebnis& AktDornErgebnis() const { return DornErgebnis(TAktDorn); }

private:
    std::array<TKDornDaten, AnzDornTypen> dornDaten_;
    std::array<TKDornErgebnis, AnzDornTypen> dornErgebnisse_;
    std::array<std::uint16_t, AnzDornTypen> anzDorn_;

    friend bool operator==(const TKErgebnisse&, const TKErgebnisse&) = default;
};

} // namespace vsk
