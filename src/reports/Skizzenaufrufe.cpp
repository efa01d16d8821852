#include "reports/Skizzenaufrufe.h"

#include "sketches/Skizzen.h"

namespace vsk {

namespace {

Zeichenkontext Kontext(Berichtskontext& k) {
    return Zeichenkontext{k.modell, k.Anwendung(), k.farben, k.linienbreite, k.trenner};
}

int FallDerPosition(const Berichtskontext& k) {
    return k.Anwendung().TAnwendungsfall;
}
int LastfallDerPosition(const Berichtskontext& k) {
    return k.Anwendung().cBelastungDesign.TBelastungsfall;
}

// The sketches change pen, brush and font; the page's texts after them start clean.
class Zustandssicherung {
public:
    explicit Zustandssicherung(Canvas& c)
        : c_(c), stift_(c.stift), pinsel_(c.pinsel), schrift_(c.schrift) {}
    ~Zustandssicherung() {
        c_.stift = stift_;
        c_.pinsel = pinsel_;
        c_.schrift = schrift_;
    }
    Zustandssicherung(const Zustandssicherung&) = delete;
    Zustandssicherung& operator=(const Zustandssicherung&) = delete;

private:
    Canvas& c_;
    Stift stift_;
    Pinsel pinsel_;
    Schrift schrift_;
};

} // namespace

void BerichtSystemSchnitt(Canvas& canvas, Berichtskontext& k, const Rechteck& r) {
    Zustandssicherung s(canvas);
    ZeichneSystemSchnitt(canvas, r, Kontext(k), FallDerPosition(k), LastfallDerPosition(k));
}
void BerichtSystemAnsicht(Canvas& canvas, Berichtskontext& k, const Rechteck& r) {
    Zustandssicherung s(canvas);
    ZeichneSystemAnsicht(canvas, r, Kontext(k), FallDerPosition(k), LastfallDerPosition(k));
}
void BerichtReihenansicht(Canvas& canvas, Berichtskontext& k, const Rechteck& r) {
    Zustandssicherung s(canvas);
    ZeichneReihenansicht(canvas, r, Kontext(k), true);
}
void BerichtDraufsicht(Canvas& canvas, Berichtskontext& k, const Rechteck& r) {
    Zustandssicherung s(canvas);
    ZeichneDraufsicht(canvas, r, Kontext(k));
}
void BerichtAnsicht(Canvas& canvas, Berichtskontext& k, const Rechteck& r) {
    Zustandssicherung s(canvas);
    ZeichneAnsicht(canvas, r, Kontext(k));
}
void BerichtSchnitt(Canvas& canvas, Berichtskontext& k, const Rechteck& r) {
    Zustandssicherung s(canvas);
    ZeichneSchnitt(canvas, r, Kontext(k));
}

} // namespace vsk
