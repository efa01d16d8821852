#pragma once
// The sketches. Each entry point computes its drawing data for the rectangle, fills the
// rectangle with the background colour and draws its layers through the canvas only.

#include "canvas/Canvas.h"
#include "sketches/TrDaten.h"
#include "sketches/Zeichenkontext.h"

namespace vsk {

// View onto the joint face, plan view and vertical section of the selected type.
void ZeichneAnsicht(Canvas& c, const Rechteck& r, const Zeichenkontext& k);
void ZeichneDraufsicht(Canvas& c, const Rechteck& r, const Zeichenkontext& k);
void ZeichneSchnitt(Canvas& c, const Rechteck& r, const Zeichenkontext& k);

// The whole joint with the connectors at their spacings and (mitLast) the load above.
void ZeichneReihenansicht(Canvas& c, const Rechteck& r, const Zeichenkontext& k, bool mitLast);
// The load diagram of the current position into r, drawn with the current pen colour;
// arrows are d.TextHoehe apart.
void ZeichneBelastung(Canvas& c, const Rechteck& r, const TrDaten& d, const Zeichenkontext& k);
// Only the member and its load.
void ZeichneLastbild(Canvas& c, const Rechteck& r, const Zeichenkontext& k);

// The input system sketch: section through the joint above, view along it below.
void ZeichneSystemskizze(Canvas& c, const Rechteck& r, const Zeichenkontext& k, int anwendungsfall,
                         int belastungsfall);
// Its two halves, without background fill (the report draws them on its page).
void ZeichneSystemSchnitt(Canvas& c, const Rechteck& r, const Zeichenkontext& k, int anwendungsfall,
                          int belastungsfall);
void ZeichneSystemAnsicht(Canvas& c, const Rechteck& r, const Zeichenkontext& k, int anwendungsfall,
                          int belastungsfall);

// The sketch of kind art (SkizzenArt): view, plan view, section, connector row with its
// load, or the system sketch of the position's case and load type; SkizzenArt::Keine and
// any other value draw nothing.
void ZeichneSkizze(Canvas& c, const Rechteck& r, const Zeichenkontext& k, int art);

} // namespace vsk
