#include "reports/Druckzustand.h"

#include "canvas/Canvas.h"
#include "shell/Zahlen.h"

#include <algorithm>

namespace vsk {

namespace {

int CmNachPixel(int res, float cm) {
    return static_cast<int>(
        RundeGerade(static_cast<long double>(res) * static_cast<long double>(cm) / 2.54L));
}

int HoeheWy(Canvas& canvas, int groesse) {
    canvas.schrift.groesse = groesse;
    return canvas.TextHeight("Wy");
}

} // namespace

Druckergeometrie StandardDruckergeometrie() {
    Druckergeometrie g;
    g.dpiX = 600;
    g.dpiY = 600;
    g.papierBreite = 4961; // 210 mm
    g.papierHoehe = 7016;  // 297 mm
    g.offX = 100;
    g.offY = 100;
    g.breite = g.papierBreite - 2 * g.offX;
    g.hoehe = g.papierHoehe - 2 * g.offY;
    return g;
}

int Druckzustand::CmX(float cm) const {
    return CmNachPixel(resX, cm);
}
int Druckzustand::CmY(float cm) const {
    return CmNachPixel(resY, cm);
}

void SeiteEinrichten(Druckzustand& z, const Druckergeometrie& d) {
    // A printer that reports no resolution would divide by zero; treat it as 600 dpi.
    const long double dx = d.dpiX > 0 ? d.dpiX : 600;
    const long double dy = d.dpiY > 0 ? d.dpiY : 600;
    z.Wp = static_cast<double>(d.breite * 2.54L / dx);
    z.Hp = static_cast<double>(d.hoehe * 2.54L / dy);
    z.ml = static_cast<double>(1.75L - d.offX * 2.54L / dx);
    z.mt = static_cast<double>(1.0L - d.offY * 2.54L / dy);
    z.mr = static_cast<double>(
        std::max(0.25L, 0.75L - (d.papierBreite - d.offX - d.breite) * 2.54L / dx));
    z.mb = static_cast<double>(
        std::max(0.15L, 1.0L - (d.papierHoehe - d.offY - d.hoehe) * 2.54L / dy));
}

Bildgroesse BildGroesse(const Druckzustand& z, int s) {
    return {static_cast<int>(RundeGerade(s * static_cast<long double>(z.Wp) / 2.54L)),
            static_cast<int>(RundeGerade(s * static_cast<long double>(z.Hp) / 2.54L))};
}

int MasseEinrichten(Druckzustand& z, Canvas& canvas, bool bildschirm, int bildschirmDpi) {
    int linienbreite = 1;
    z.bildschirmDpi = bildschirmDpi;
    if (bildschirm) {
        z.resX = bildschirmDpi;
        z.resY = bildschirmDpi;
    } else {
        z.resX = canvas.PixelsPerInchX();
        z.resY = canvas.PixelsPerInchY();
        linienbreite = 2;
    }
    const Schrift vorher = canvas.schrift;
    canvas.schrift.name = "Arial";
    canvas.schrift.stil = Normal;
    canvas.schrift.winkel = 0;
    z.L14 = HoeheWy(canvas, 14);
    z.L12 = HoeheWy(canvas, 12);
    z.L11 = HoeheWy(canvas, 11);
    z.L10 = HoeheWy(canvas, 10);
    z.L9 = HoeheWy(canvas, 9);
    z.L8 = HoeheWy(canvas, 8);
    z.L6 = HoeheWy(canvas, 6);
    canvas.schrift = vorher;
    return linienbreite;
}

} // namespace vsk
