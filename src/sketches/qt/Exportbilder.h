#pragma once
// The vector pictures of the picture exports: the sketch shown in the main window and the
// preview page of the report.

#include "canvas/qt/Bilddatei.h"
#include "reports/Berichtskontext.h"
#include "sketches/Zeichenkontext.h"

namespace vsk {

// The vector picture of the sketch of kind art (TSkizzeAnzeige) shown in a picture of
// breite x hoehe pixels: the system sketch (4) at that size, a result sketch (0 to 3) as
// the 1000 x 1000 picture of four quadrants, anything else an empty picture of that size.
// The context must outlive the drawing.
Vektorzeichnung SkizzenVektorbild(const Zeichenkontext& k, int art, int breite, int hoehe);

// The preview page as a vector picture of its size: the frame titled "Calculation for "
// (with the position line) and the result page, laid out with the metrics of the last
// preview. The context must outlive the drawing.
Vektorzeichnung VorschauseitenVektorbild(Berichtskontext& k, int breite, int hoehe);

} // namespace vsk
