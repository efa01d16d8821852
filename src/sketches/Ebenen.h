#pragma once
// Layers and styles that several sketches share.

#include "canvas/Canvas.h"
#include "sketches/TrDaten.h"
#include "sketches/Zeichenkontext.h"

#include <string>

namespace vsk {

void FuelleHintergrund(Canvas& c, const Rechteck& r, const TKFarbe& f);

// Pen and brush of one colour, solid, width 1.
void Vollfarbe(Canvas& c, Farbe farbe);
// Concrete style: pen and brush BetonBrush, solid, width 1.
void BetonStil(Canvas& c, const TKFarbe& f);
// Dimension style: pen Bemassung, brush clear, font colour Bemassung.
void BemassungsStil(Canvas& c, const TKFarbe& f);
// Pen of the colour, width and kind given.
void Stiftwahl(Canvas& c, Farbe farbe, int breite, Stiftart art = Stiftart::Durchgezogen);
void Linie(Canvas& c, int x1, int y1, int x2, int y2);

// A number as the texts show it (general format).
std::string Zahltext(double wert, const Zeichenkontext& k);

// The connector seen onto the joint face, centred at (x0, y0).
void ZeichneDornAnsicht(Canvas& c, const TrDaten& d, const TKFarbe& f, int x0, int y0);

// The section's layers for the member of d: concrete, U-bars, B bars, connector.
void SchnittBeton(Canvas& c, const TrDaten& d, const TKFarbe& f);
void SchnittPosD(Canvas& c, const TrDaten& d, const TKFarbe& f);
void SchnittPosB(Canvas& c, const TrDaten& d, const TKFarbe& f);
void SchnittDorn(Canvas& c, const TrDaten& d, const TKFarbe& f);

} // namespace vsk
