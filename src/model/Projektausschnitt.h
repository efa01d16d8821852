#pragma once
// The parts of a project that an edit touches, as they are at one moment: a run of
// positions, the project's own values, and the description and the connector schedule
// when the edit touches them. Positions are held as shared copies that never change, so
// two states holding the same position share one copy.

#include "model/Anwendung.h"
#include "model/Projektdaten.h"
#include "model/Stueckliste.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vsk {

class TKModell;

// What an edit touches.
struct Bearbeitungsumfang {
    int ab = 0;     // first position touched, numbered from 1 (0: no position)
    int anzahl = 0; // positions from ab that exist before the edit (adding one touches none)
    bool projektdaten = false;
    bool stueckliste = false;

    static Bearbeitungsumfang Position(int nummer) { return {nummer, 1, false, false}; }
    // A position appended to a project of anzahlVorher positions.
    static Bearbeitungsumfang NeuePosition(int anzahlVorher) {
        return {anzahlVorher + 1, 0, false, false};
    }
    static Bearbeitungsumfang Projektbeschreibung() { return {0, 0, true, false}; }
    static Bearbeitungsumfang Liste() { return {0, 0, false, true}; }
};

// The project's own values: the current position and what the window shows.
struct Projektwerte {
    std::uint16_t TAktAnwendung = 1;
    std::uint8_t TTempFlag = 0;
    std::uint8_t TCalcFlag = 0;
    std::uint8_t TEingabeDorn = 0;
    std::uint8_t TEingabeFugenbreite = 0;
    std::uint8_t TSkizzeAnzeige = 0;
    std::uint8_t TErgebnisAnzeige = 0;
    friend bool operator==(const Projektwerte&, const Projektwerte&) = default;
};

using Positionskopie = std::shared_ptr<const TKAnwendung>;

struct Projektausschnitt {
    int ab = 0; // number of the first position of the run
    std::vector<Positionskopie> positionen;
    Projektwerte werte;
    std::shared_ptr<const TKProjektdaten> projektdaten; // null: not touched
    std::shared_ptr<const TKStueckliste> stueckliste;   // null: not touched
};

// The parts of m that umfang names, with anzahl positions from umfang.ab. A position equal
// to one at the same number in a state of vorrat is shared with it instead of copied.
Projektausschnitt Erfasse(const TKModell& m, const Bearbeitungsumfang& umfang, int anzahl,
                          const std::vector<const Projektausschnitt*>& vorrat = {});

// Two states of the same parts hold the same project: the same positions, description and
// schedule. The project's own values (which position is current, what is shown) do not
// count: choosing another position or sketch is no change of the project.
bool GleicherInhalt(const Projektausschnitt& a, const Projektausschnitt& b);

// Puts a state back into m: the `ersetzt` positions from its first number give way to its
// positions. False (m unchanged) when the run does not fit the project.
bool Stelle(TKModell& m, const Projektausschnitt& zustand, int ersetzt);

} // namespace vsk
