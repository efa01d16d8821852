#include "reports/Skizzenaufrufe.h"

namespace vsk {

namespace {

// TODO(reports): call the sketch entry points once they are on main; until then the
// place of each sketch is outlined.
void Platzhalter(Canvas& canvas, const Rechteck& r) {
    const Stift stift = canvas.stift;
    const Pinsel pinsel = canvas.pinsel;
    canvas.stift = {0xC0C0C0, 1, Stiftart::Gepunktet};
    canvas.pinsel.art = Pinselart::Leer;
    canvas.Rectangle(r.left, r.top, r.right, r.bottom);
    canvas.stift = stift;
    canvas.pinsel = pinsel;
}

} // namespace

void BerichtSystemSchnitt(Canvas& canvas, Berichtskontext&, const Rechteck& r) {
    Platzhalter(canvas, r); // ZeichneSystemSchnitt(TAnwendungsfall, TBelastungsfall)
}
void BerichtSystemAnsicht(Canvas& canvas, Berichtskontext&, const Rechteck& r) {
    Platzhalter(canvas, r); // ZeichneSystemAnsicht(TAnwendungsfall, TBelastungsfall)
}
void BerichtReihenansicht(Canvas& canvas, Berichtskontext&, const Rechteck& r) {
    Platzhalter(canvas, r); // ZeichneReihenansicht(mitLast = true)
}
void BerichtDraufsicht(Canvas& canvas, Berichtskontext&, const Rechteck& r) {
    Platzhalter(canvas, r); // ZeichneDraufsicht
}
void BerichtAnsicht(Canvas& canvas, Berichtskontext&, const Rechteck& r) {
    Platzhalter(canvas, r); // ZeichneAnsicht
}
void BerichtSchnitt(Canvas& canvas, Berichtskontext&, const Rechteck& r) {
    Platzhalter(canvas, r); // ZeichneSchnitt
}

} // namespace vsk
