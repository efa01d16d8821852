#include "sketches/qt/Exportbilder.h"

#include "reports/Berechnungsbericht.h"
#include "reports/Druckablauf.h"
#include "reports/LeinwandVorschaubild.h"
#include "reports/SeitenRahmen.h"
#include "reports/qt/Berichtsbilder.h"
#include "shell/Texte.h"
#include "sketches/Quadrantenbild.h"
#include "sketches/Skizzen.h"
#include "sketches/TrDaten.h"

namespace vsk {

namespace {

void WeissFuellen(Canvas& c, int breite, int hoehe) {
    c.pinsel = {0xFFFFFF, Pinselart::Voll};
    c.FillRect({0, 0, breite, hoehe});
}

} // namespace

Vektorzeichnung SkizzenVektorbild(const Zeichenkontext& k, int art, int breite, int hoehe) {
    if (art == SkizzenArt::System) {
        return {breite,
                hoehe,
                [&k, breite, hoehe](Canvas& c) {
                    ZeichneSystemskizze(c, {0, 0, breite, hoehe}, k, k.anwendung.TAnwendungsfall,
                                        k.anwendung.cBelastungDesign.TBelastungsfall);
                },
                {}};
    }
    if (art >= SkizzenArt::Ansicht && art <= SkizzenArt::Reihe) {
        return {QuadrantenbildGroesse,
                QuadrantenbildGroesse,
                [&k](Canvas& c) { ZeichneQuadrantenbild(c, k); },
                {}};
    }
    return {breite, hoehe, {}, {}};
}

Vektorzeichnung VorschauseitenVektorbild(Berichtskontext& k, int breite, int hoehe) {
    return {breite, hoehe,
            [&k, breite, hoehe](Canvas& c) {
                WeissFuellen(c, breite, hoehe);
                SeitenRahmen(c, k, text("Druck", "Calculation for "));
                Ergebnisseite(c, k);
            },
            BerichtsBildQuelle()};
}

Vektorzeichnung ListenVektorbild(Berichtskontext& k, const Druckergeometrie& geometrie, int breite,
                                 int hoehe, int dpi) {
    return {breite, hoehe,
            [&k, geometrie, breite, hoehe, dpi](Canvas& c) {
                LeinwandVorschaubild bild(c, breite, hoehe, dpi);
                ListeVorschau(geometrie, bild, k);
            },
            BerichtsBildQuelle(), dpi};
}

} // namespace vsk
