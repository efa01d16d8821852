// Plan view: x along the joint, the joint face the line y = Y0, the member above it.

#include "sketches/Ebenen.h"
#include "sketches/Primitive.h"
#include "sketches/Skizzen.h"

#include "shell/Texte.h"

#include <algorithm>

namespace vsk {

namespace {

// The U-bars of position D seen from above; erste: the bars that lie below the B bars.
void PosD(Canvas& c, const TrDaten& d, const TKFarbe& f, bool erste) {
    Vollfarbe(c, f.PosD);
    const int dd = d.DurchmD;
    const int rr = dd < 0 ? -dd : dd;
    const int yt = d.Y0 - d.Tiefe;
    const int lagen = std::max(1, d.AnzLagen);
    const int halbB = Halb(d.BreiteBuegel);
    int s = 0;
    for (int i = 0; i < Halb(d.AnzD); ++i) {
        s += d.AbstandD[static_cast<std::size_t>(i)];
        if (((i + 2) % lagen != 0) != erste) {
            continue;
        }
        const int x = d.X0 - halbB + Halb(dd) + s;
        c.RoundRect(x, yt, x - dd, d.Y0 - d.DeckungVorn, rr, rr);
        c.Rectangle(x, yt, x - dd, yt + dd);
        const int x2 = d.X0 + halbB - Halb(dd) - s;
        c.RoundRect(x2, yt, x2 + dd, d.Y0 - d.DeckungVorn, rr, rr);
        c.Rectangle(x2, yt, x2 + dd, yt + dd);
    }
}

} // namespace

void ZeichneDraufsicht(Canvas& c, const Rechteck& r, const Zeichenkontext& k) {
    const TrDaten d = DatenBerechnen(c, r, SkizzenArt::Draufsicht, k);
    const TKFarbe& f = k.farben;
    FuelleHintergrund(c, r, f);
    if (!d.gueltig) {
        return;
    }
    const int H = d.TextHoehe;
    const int xl = d.X0 - Halb(d.Breite);
    const int xr = xl + d.Breite;
    const int yt = d.Y0 - d.Tiefe;

    BetonStil(c, f);
    c.Rectangle(xl, yt, xr, d.Y0);
    Stiftwahl(c, f.BetonPen, 3);
    Linie(c, xl, d.Y0, xr, d.Y0);
    Stiftwahl(c, f.BetonPen, 1, Stiftart::Gepunktet);
    Linie(c, xl - 5, yt, xr + 5, yt);
    Linie(c, xl, yt - 5, xl, d.Y0 + 5);
    Linie(c, xr, yt - 5, xr, d.Y0 + 5);

    // Connector: dowel, its part in the joint, plate, rib and the two cross bars.
    c.stift = {f.DornPen, 1, Stiftart::Durchgezogen};
    c.pinsel = {f.DornBrush, Pinselart::Voll};
    const int xd = d.X0 - Halb(d.DornDurchm);
    c.Rectangle(xd, d.Y0, xd + d.DornDurchm, d.Y0 - d.DornLaenge);
    c.Rectangle(xd, d.Y0, xd + d.DornDurchm, d.Y0 + H);
    const int xp = d.X0 - Halb(d.PlatteBreite);
    c.Rectangle(xp, d.Y0, xp + d.PlatteBreite, d.Y0 - 4);
    c.Rectangle(d.X0 - 2, d.Y0 - 4, d.X0 + 2, d.Y0 - 4 - d.RippeLaenge);
    const auto querstab = [&](int laenge, int durchm, int abstand) {
        const int x = d.X0 - Halb(laenge);
        const int ya = d.Y0 - (abstand + Halb(durchm));
        c.Rectangle(x, ya, x + laenge, ya + durchm);
    };
    querstab(d.Anker1Laenge, d.Anker1Durchm, d.Anker1Abstand);
    querstab(d.Anker2Laenge, d.Anker2Durchm, d.Anker2Abstand);

    PosD(c, d, f, true);
    Vollfarbe(c, f.PosB);
    int s = 0;
    for (int a : d.AbstandB) {
        s += a;
        const int y = d.Y0 - s - Halb(d.DurchmB);
        c.Rectangle(xl, y, xr, y + d.DurchmB);
    }
    PosD(c, d, f, false);

    if (d.AnzB <= 0) {
        return;
    }
    BemassungsStil(c, f);
    const TKDornDaten& dorn = SkizzenDorn(k, SkizzenArt::Draufsicht);
    const int xR = d.X0 + d.Breite - Halb(d.Breite);
    int y = d.Y0;
    for (std::size_t i = 0; i < d.AbstandB.size(); ++i) {
        const int a = d.AbstandB[i];
        ZeichneBemassung(c, {xR, y - a}, {xR, y}, H, true, "",
                         Zahltext(i < dorn.AbstandB.size() ? dorn.AbstandB[i] : 0.0, k), {H, 0},
                         k.linienbreite);
        y -= a;
    }
    const std::string text1 = text("Skizzen", "Top and Bottom: ") + text("Skizzen", "2 x ") +
                              Zahltext(d.AnzB, k) + text("Skizzen", " - T");
    const std::string text3 = Zahltext(dorn.DurchmB, k);
    const int w = c.TextWidth(text1 + text3);
    ZeichneHinweis(c,
                   {{d.X0, d.Y0 - d.AbstandB[0]},
                    {d.X0, d.Y0 - d.Tiefe - H},
                    {d.X0 + w + 10, d.Y0 - d.Tiefe - H}},
                   text1, "", text3);
}

} // namespace vsk
