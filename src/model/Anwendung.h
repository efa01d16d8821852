#pragma once
// One position of a project: application case, materials, geometry, design loading and
// the results of its last design run.
//
// Settings: a position built with the default constructor takes the built-in defaults
// and touches no file (tests, vsk-cli). Built from an Einstellungen it reads its defaults
// from section "Anwenderdaten". Destruction writes nothing; whoever discards a position
// that came from the settings calls SchreibeLastfaktoren (TKModell does this).

#include "model/Belastung.h"
#include "model/Ergebnisse.h"
#include "model/Geometrie.h"
#include "model/Last.h"

#include <cstdint>
#include <string>

namespace vsk {

class Einstellungen;

// Application cases (TAnwendungsfall), in the order of the case buttons.
namespace Anwendungsfall {
inline constexpr std::uint8_t Einzeldorn = 0;  // single connector under a point load
inline constexpr std::uint8_t ReihePlatte = 1; // connector row, slab to slab
inline constexpr std::uint8_t ReiheWand = 2;   // connector row, slab to wall
inline constexpr std::uint8_t Anzahl = 3;
} // namespace Anwendungsfall

class TKAnwendung {
public:
    // Built-in defaults: country 0, spacing rule 1, steel grade 0, gamma Ms 1.05,
    // load factors 1.35 / 1.5.
    TKAnwendung();
    // Defaults from the settings file ("Land", "Bemessung", "Stahlguete", "GammaMs" and
    // the six load factors); missing or unreadable keys give the built-in defaults.
    // "Bemessung" and "Stahlguete" are clamped into their tables (0..1), "Land" into 0..255.
    explicit TKAnwendung(const Einstellungen& einstellungen);

    // Writes the six partial factors of the design loading to section "Anwenderdaten";
    // raises SchreibFehler when the file cannot be written (keys written before stay).
    void SchreibeLastfaktoren(Einstellungen& einstellungen) const;
    // Writes the design settings ("Bemessung", "Stahlguete", "GammaMs") as the defaults of
    // new positions; raises SchreibFehler like SchreibeLastfaktoren.
    void SchreibeBemessungsvorgaben(Einstellungen& einstellungen) const;

    std::uint8_t TAktLand = 0; // country index; stored only
    std::string TPosition;     // designation, "Unnamed" for a new position
    std::uint8_t TAnwendungsfall = Anwendungsfall::ReihePlatte;
    std::uint8_t TBewehrungCalc = 0;  // 0 on max. FRd, 1 on actual FRd
    std::uint8_t TMaxDornabstand = 1; // 0 unlimited, 1 five times the slab thickness
    std::uint8_t TBetonguete = 3;     // 0 C16/20 ... 3 C30/37
    std::uint8_t TStahlguete = 0;     // 0 500 N/mm², 1 450 N/mm²
    double TGammaMs = 1.05;           // shown and stored; the design does not read it

    TKLast ctmpLast;
    TKBelastung cBelastungDesign;
    TKGeometrie cGeometrie;
    TKErgebnisse cErgebnisse;

    // Equal in every field: the undo history finds what an edit changed by comparing.
    friend bool operator==(const TKAnwendung&, const TKAnwendung&) = default;
};

} // namespace vsk
