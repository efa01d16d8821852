#pragma once
// The vector pictures of the picture exports: the sketch shown in the main window, the
// preview page of the report and the preview of the connector schedule.

#include "canvas/qt/Bilddatei.h"
#include "reports/Berichtskontext.h"
#include "reports/Druckzustand.h"
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

// The schedule preview as a vector picture of the size of its screen preview (breite x
// hoehe pixels at dpi), laid out for the printer page geometrie. The context must outlive
// the drawing.
Vektorzeichnung ListenVektorbild(Berichtskontext& k, const Druckergeometrie& geometrie, int breite,
                                 int hoehe, int dpi);

} // namespace vsk
