#pragma once
// The vector picture of a result sketch: 1000 x 1000 units in four quadrants, whatever
// sketch kind is shown: view, section, plan view and the connector row with its load
// (the row is left out for a point load, which has no row).

#include "canvas/Canvas.h"
#include "sketches/Zeichenkontext.h"

namespace vsk {

inline constexpr int QuadrantenbildGroesse = 1000;

// The quadrants that are drawn (three for a point load).
int AnzahlQuadranten(const Zeichenkontext& k);

void ZeichneQuadrantenbild(Canvas& c, const Zeichenkontext& k);

} // namespace vsk
