#pragma once
// The scaled drawing data of one sketch: scale, reference point, direction and every
// length the sketch needs, already in pixels. Computed afresh by each sketch entry point.

#include "canvas/Canvas.h"
#include "sketches/Zeichenkontext.h"

#include <vector>

namespace vsk {

struct TrDaten {
    // False when the rectangle leaves no room for the sketch (narrower than its margins,
    // or a zero length to fit); the sketch then draws nothing but its background.
    bool gueltig = false;
    double Massstab = 0; // pixels per millimetre
    int TextHoehe = 0;   // H: height of "W" in Arial 12 pt
    int Richtung = 1;    // v: -1 when left and right of the rectangle are exchanged

    int X0 = 0, Y0 = 0;
    int Tiefe = 0;
    int Breite = 0;
    int Dicke = 0;
    int Fugenlaenge = 0;
    int BreiteBuegel = 0;
    int DurchmB = 0, DurchmD = 0;
    int AnzB = 0, AnzD = 0;
    int AnzLagen = 0;
    int LagenAbstand = 0;
    std::vector<int> AbstandB;
    std::vector<int> AbstandD;
    std::vector<int> Abstaende;
    int PlatteBreite = 0, PlatteHoehe = 0;
    int DornDurchm = 0, DornMittenAbstand = 0, DornLaenge = 0;
    int HuelseBreite = 0, HuelseHoehe = 0;
    int Anker1Laenge = 0, Anker2Laenge = 0;
    int Anker1Durchm = 0, Anker2Durchm = 0;
    int Anker1Abstand = 0, Anker2Abstand = 0;
    int RippeLaenge = 0;
    int DeckungOben = 0, DeckungUnten = 0, DeckungVorn = 0;
    int Fugenbreite = 0;
    int RandLinks = 0, RandRechts = 0;
    int LinienLast = 0;
    int Anwendungsfall = 0;
};

// The catalogue record and geometry a sketch of the kind draws: for kinds 0 to 3 the
// position's selected type and geometry, for kind 4 the model's input type and geometry.
const TKDornDaten& SkizzenDorn(const Zeichenkontext& k, int art);
const TKGeometrie& SkizzenGeometrie(const Zeichenkontext& k, int art);

// Fills the drawing data for sketch kind 0 to 4 and the rectangle (left and right may be
// exchanged to mirror). Leaves the canvas font as Arial 10 pt.
TrDaten DatenBerechnen(Canvas& c, const Rechteck& r, int art, const Zeichenkontext& k);

// Half a pixel length, truncated toward zero.
constexpr int Halb(int a) {
    return a / 2;
}

} // namespace vsk
