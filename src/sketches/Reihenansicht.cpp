// The connector row: the whole joint as a member elevation with the connectors at their
// spacings, and the load diagram of the position.

#include "sketches/Ebenen.h"
#include "sketches/Primitive.h"
#include "sketches/Skizzen.h"

#include "shell/Zahlen.h"

#include <algorithm>
#include <cmath>

namespace vsk {

namespace {

int Gerundet(long double wert) {
    return static_cast<int>(RundeGerade(std::clamp(wert, -1.0e7L, 1.0e7L)));
}

void Bauteil(Canvas& c, const TrDaten& d, const Zeichenkontext& k, bool mitLast) {
    const TKFarbe& f = k.farben;
    const int xa = d.X0;
    const int xb = d.X0 + d.Fugenlaenge;
    const int yt = d.Y0 - Halb(d.Dicke);
    const int yb = d.Y0 + Halb(d.Dicke);
    BetonStil(c, f);
    c.Rectangle(xa, yt, xb, yb);
    Stiftwahl(c, f.BetonPen, 3);
    Linie(c, xa, yb, xb, yb);
    Linie(c, xa, yt, xb, yt);
    Linie(c, xa, yt, xa, yb);
    Linie(c, xb, yt, xb, yb);
    c.stift.breite = 1;
    c.stift.farbe = f.Bemassung;
    if (mitLast) {
        ZeichneBelastung(c, {xa, yt - 4 * d.TextHoehe, xb, yt}, d, k);
    }
}

// Arrow down to the bottom of the diagram.
void Lastpfeil(Canvas& c, int x, int y, int unten, const TrDaten& d, int linienbreite) {
    const int kopf = d.TextHoehe / 5;
    ZeichnePfeil(c, {x, y}, {x, unten}, true, "", "", {kopf, kopf}, linienbreite);
}

} // namespace

void ZeichneBelastung(Canvas& c, const Rechteck& r, const TrDaten& d, const Zeichenkontext& k) {
    const TKBelastung& last = k.anwendung.cBelastungDesign;
    const int L = r.left;
    const int T = r.top;
    const int R = r.right;
    const int B = r.bottom;
    const int schritt = std::max(1, d.TextHoehe);

    switch (last.TBelastungsfall) {
    case Belastungsfall::Punktlast: {
        const TKGeometrie& geo = k.anwendung.cErgebnisse.cGeometrie;
        const int w0 = k.linienbreite;
        const long double summe =
            static_cast<long double>(geo.TBauteilRandLinks) + geo.TBauteilRandRechts;
        if (summe > 0) {
            const long double s = (static_cast<long double>(R) - L) / summe;
            const int x = L + Gerundet(geo.TBauteilRandLinks * s);
            Lastpfeil(c, x, T, B - w0, d, 3);
        }
        k.linienbreite = 1;
        break;
    }
    case Belastungsfall::Konstant:
    case Belastungsfall::Linear: {
        const long double laenge = last.TLastLaenge();
        if (!(laenge > 0)) {
            return;
        }
        const long double sx = (static_cast<long double>(R) - L) / laenge;
        const long double qL = last.cLinienLastLinks.TFd();
        const long double qR = last.cLinienLastRechts.TFd();
        const long double qmax = qL > qR ? qL : qR;
        const long double sy = qmax > 0 ? (static_cast<long double>(B) - T) / qmax : 1.0L;
        const int yL = B - Gerundet(sy * qL);
        const int yR = B - Gerundet(sy * qR);
        const int xe = L + Gerundet(laenge * sx);
        for (int x = L; x < xe; x += schritt) {
            const int y =
                yL + static_cast<int>(static_cast<long long>(yR - yL) * (x - L) / (xe - L));
            Lastpfeil(c, x, y, B, d, k.linienbreite);
        }
        Lastpfeil(c, xe, yR, B, d, k.linienbreite);
        Linie(c, L, yL, xe, yR);
        break;
    }
    case Belastungsfall::Beliebig: {
        const auto& punkte = last.Punkte();
        const long double laenge = last.TLastLaenge();
        if (punkte.size() < 2 || !(laenge > 0)) {
            return;
        }
        long double ymax = 0;
        for (const TPunkt& p : punkte) {
            ymax = std::max<long double>(ymax, p.y);
        }
        const long double sx = (static_cast<long double>(R) - L) / laenge;
        const long double sy = ymax > 0 ? (static_cast<long double>(B) - T) / ymax : 1.0L;
        for (std::size_t i = 0; i + 1 < punkte.size(); ++i) {
            const int xa = L + Gerundet(punkte[i].x * sx);
            const int ya = B - Gerundet(punkte[i].y * sy);
            const int xb = L + Gerundet(punkte[i + 1].x * sx);
            const int yb = B - Gerundet(punkte[i + 1].y * sy);
            Linie(c, xa, ya, xb, yb);
            for (int x = xa; x < xb; x += schritt) {
                const int y =
                    ya + static_cast<int>(static_cast<long long>(yb - ya) * (x - xa) / (xb - xa));
                Lastpfeil(c, x, y, B, d, k.linienbreite);
            }
            Lastpfeil(c, xb, yb, B, d, k.linienbreite);
        }
        break;
    }
    default:
        break;
    }
}

void ZeichneLastbild(Canvas& c, const Rechteck& r, const Zeichenkontext& k) {
    const TrDaten d = DatenBerechnen(c, r, SkizzenArt::Reihe, k);
    FuelleHintergrund(c, r, k.farben);
    if (d.gueltig) {
        Bauteil(c, d, k, true);
    }
}

void ZeichneReihenansicht(Canvas& c, const Rechteck& r, const Zeichenkontext& k, bool mitLast) {
    const TrDaten d = DatenBerechnen(c, r, SkizzenArt::Reihe, k);
    const TKFarbe& f = k.farben;
    FuelleHintergrund(c, r, f);
    if (!d.gueltig) {
        return;
    }
    Bauteil(c, d, k, mitLast);

    // A connector after every spacing but the last (the right edge distance).
    int x = d.X0;
    for (std::size_t i = 0; i + 1 < d.Abstaende.size(); ++i) {
        x += d.Abstaende[i];
        ZeichneDornAnsicht(c, d, f, x, d.Y0);
    }

    const int H = d.TextHoehe;
    const int yt = d.Y0 - Halb(d.Dicke);
    const int yb = d.Y0 + Halb(d.Dicke);
    const TKGeometrie& geo = k.anwendung.cGeometrie;
    const TKDornErgebnis& ergebnis = k.anwendung.cErgebnisse.AktDornErgebnis();
    BemassungsStil(c, f);
    ZeichneBemassung(c, {d.X0, yt}, {d.X0, yb}, H, true, "", Zahltext(geo.TPlatteDicke, k), {-H, 0},
                     k.linienbreite);
    x = d.X0;
    for (std::size_t i = 0; i < d.Abstaende.size(); ++i) {
        const long double mm = ergebnis.GetAbstand(static_cast<int>(i));
        ZeichneBemassung(c, {x, yb}, {x + d.Abstaende[i], yb}, H, false, "",
                         Zahltext(static_cast<double>(Gerundet(mm)), k), {0, H}, k.linienbreite);
        x += d.Abstaende[i];
    }
    ZeichneBemassung(c, {d.X0, yb}, {x, yb}, H, false, "", Zahltext(geo.WirksameFugenlaenge(), k),
                     {0, 2 * H}, k.linienbreite);
}

} // namespace vsk
