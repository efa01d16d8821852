#pragma once
// The sketches the report pages draw, through the same entry points as the screen.

#include "canvas/Canvas.h"
#include "reports/Berichtskontext.h"

namespace vsk {

void BerichtSystemSchnitt(Canvas& canvas, Berichtskontext& k, const Rechteck& r);
void BerichtSystemAnsicht(Canvas& canvas, Berichtskontext& k, const Rechteck& r);
void BerichtReihenansicht(Canvas& canvas, Berichtskontext& k, const Rechteck& r);
void BerichtDraufsicht(Canvas& canvas, Berichtskontext& k, const Rechteck& r);
void BerichtAnsicht(Canvas& canvas, Berichtskontext& k, const Rechteck& r);
void BerichtSchnitt(Canvas& canvas, Berichtskontext& k, const Rechteck& r);

} // namespace vsk
