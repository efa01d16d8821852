#pragma once
// The colour scheme of every sketch. The program keeps one (Farben); drawing code reads
// its fields directly, so a changed scheme shows at the next redraw.
//
// Settings: creating the scheme from an Einstellungen reads section "Farbeinstellung";
// the scheme is written back only by an explicit Speichern, which the program calls
// when its main window goes away. A default-built scheme touches no file.

#include "canvas/Farbe.h"

namespace vsk {

class Einstellungen;

class TKFarbe {
public:
    // The "&Standard" preset.
    TKFarbe() = default;
    // Each key of "Farbeinstellung"; a missing key, a value that is not an integer or
    // one outside 0..0xFFFFFF gives that key's default.
    explicit TKFarbe(const Einstellungen& einstellungen);

    // Writes the nine keys in their fixed order; raises SchreibFehler when the file
    // cannot be written.
    void Speichern(Einstellungen& einstellungen) const;

    static TKFarbe Standard();
    static TKFarbe Graustufen();

    Farbe Hintergrund = 16777215;
    Farbe BetonPen = 0;
    Farbe BetonBrush = 12632256;
    Farbe PosB = 32768;
    Farbe PosD = 8388608;
    Farbe DornPen = 0;
    Farbe DornBrush = 16776960;
    Farbe Bemassung = 0;
    Farbe Brandschutz = 65535;

    friend bool operator==(const TKFarbe&, const TKFarbe&) = default;
};

} // namespace vsk
