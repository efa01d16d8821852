// View onto the joint face: x along the joint, y vertical, the connector axis at X0.

#include "sketches/Ebenen.h"
#include "sketches/Primitive.h"
#include "sketches/Skizzen.h"

#include "shell/Texte.h"

namespace vsk {

void ZeichneAnsicht(Canvas& c, const Rechteck& r, const Zeichenkontext& k) {
    const TrDaten d = DatenBerechnen(c, r, SkizzenArt::Ansicht, k);
    const TKFarbe& f = k.farben;
    FuelleHintergrund(c, r, f);
    if (!d.gueltig) {
        return;
    }
    const int H = d.TextHoehe;
    const int xl = d.X0 - Halb(d.Breite);
    const int xr = xl + d.Breite;
    const int yt = d.Y0 - Halb(d.Dicke);
    const int yb = yt + d.Dicke;

    // Concrete with its faces and cut edges.
    BetonStil(c, f);
    c.Rectangle(xl, yt, xr, yb);
    Stiftwahl(c, f.BetonPen, 3);
    Linie(c, xl, yt, xr, yt);
    Linie(c, xl, yb, xr, yb);
    Stiftwahl(c, f.BetonPen, 1, Stiftart::Gepunktet);
    Linie(c, xl, yt - 5, xl, yb + 5);
    Linie(c, xr, yt - 5, xr, yb + 5);

    // Position B, each layer at top and bottom.
    Vollfarbe(c, f.PosB);
    for (int j = 0; j < d.AnzLagen; ++j) {
        const int s = j * d.LagenAbstand;
        c.Rectangle(xl, yt + d.DeckungOben + s, xr, yt + d.DeckungOben + s + d.DurchmB);
        const int y2 = d.Y0 + Halb(d.Dicke) - d.DeckungUnten - s;
        c.Rectangle(xl, y2, xr, y2 - d.DurchmB);
    }

    ZeichneDornAnsicht(c, d, f, d.X0, d.Y0);

    // Position D: the U-bars end-on, outer pair first, then inward from both sides.
    Vollfarbe(c, f.PosD);
    const int dd = d.DurchmD;
    const int rr = dd < 0 ? -dd : dd;
    const int ytD = yt + d.DeckungOben - d.DurchmB;
    const int ybD = d.Y0 + Halb(d.Dicke) - d.DeckungUnten + d.DurchmB;
    const int la = d.LagenAbstand;
    const int halbB = Halb(d.BreiteBuegel);
    const int yAussen = d.AnzD % 4 == 0 ? ybD - la : ybD;
    const int x1 = d.X0 - halbB - Halb(dd);
    c.RoundRect(x1, ytD, x1 + dd, yAussen, rr, rr);
    const int x2 = d.X0 + halbB + Halb(dd);
    c.RoundRect(x2, ytD, x2 - dd, yAussen, rr, rr);
    const int proSeite = Halb(d.AnzD);
    int s = 0;
    for (int i = 1; i < proSeite; ++i) {
        s += d.AbstandD[static_cast<std::size_t>(i)];
        const int oben = i % 2 == 0 ? ytD : ytD + la;
        const int unten = i % 2 == 0 ? ybD - la : ybD;
        const int xli = d.X0 - halbB + Halb(dd) + s;
        c.RoundRect(xli, oben, xli - dd, unten, rr, rr);
        const int xre = d.X0 + halbB - Halb(dd) - s;
        c.RoundRect(xre, oben, xre + dd, unten, rr, rr);
    }

    // Dimensions and the U-bar label.
    BemassungsStil(c, f);
    const TKDornDaten& dorn = SkizzenDorn(k, SkizzenArt::Ansicht);
    const int lb = k.linienbreite;
    const int xR = d.X0 + d.Breite - Halb(d.Breite);
    ZeichneBemassung(c, {xR, yt}, {xR, yb}, H, true, "",
                     Zahltext(k.anwendung.cGeometrie.TPlatteDicke, k), {2 * H, 0}, lb);
    ZeichneBemassung(c, {d.X0 - halbB, yt}, {d.X0 + halbB, yt}, H, false, "",
                     Zahltext(dorn.BreiteBuegel, k), {0, -2 * H}, lb);
    Punkt links{d.X0 - halbB, yt};
    Punkt rechts{d.X0 + halbB, yt};
    s = 0;
    for (int i = 1; i < proSeite; ++i) {
        s += d.AbstandD[static_cast<std::size_t>(i)];
        const std::size_t ki = static_cast<std::size_t>(i - 1);
        const std::string mass = Zahltext(ki < dorn.AbstandD.size() ? dorn.AbstandD[ki] : 0.0, k);
        const Punkt l{d.X0 + s - halbB, yt};
        const Punkt re{d.X0 + halbB - s, yt};
        ZeichneBemassung(c, links, l, H, false, "", mass, {0, -H}, lb);
        ZeichneBemassung(c, rechts, re, H, false, "", mass, {0, -H}, lb);
        links = l;
        rechts = re;
    }
    const std::string text1 =
        text("Skizzen", "Vertical Reinforcement: ") + Zahltext(d.AnzD, k) + text("Skizzen", " - T");
    const std::string text3 = Zahltext(dorn.DurchmD, k) + text("Skizzen", " U-bars");
    const int w = c.TextWidth(text1 + text3);
    const int xa = d.X0 - halbB;
    ZeichneHinweis(c,
                   {{xa, yt + Halb(d.Dicke) + 2 * d.Anker2Durchm},
                    {xa, yb + 2 * H},
                    {xa + w + 10, yb + 2 * H}},
                   text1, "", text3);
}

} // namespace vsk
