#include "sketches/Quadrantenbild.h"

#include "sketches/Skizzen.h"

namespace vsk {

int AnzahlQuadranten(const Zeichenkontext& k) {
    return k.anwendung.cBelastungDesign.TBelastungsfall == Belastungsfall::Punktlast ? 3 : 4;
}

void ZeichneQuadrantenbild(Canvas& c, const Zeichenkontext& k) {
    constexpr int h = QuadrantenbildGroesse / 2;
    constexpr int g = QuadrantenbildGroesse;
    ZeichneAnsicht(c, {0, 0, h, h}, k);
    ZeichneSchnitt(c, {h, 0, g, h}, k);
    ZeichneDraufsicht(c, {0, h, h, g}, k);
    if (AnzahlQuadranten(k) == 4) {
        ZeichneReihenansicht(c, {h, h, g, g}, k, true);
    }
}

} // namespace vsk
