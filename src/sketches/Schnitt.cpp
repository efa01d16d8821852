// Vertical section perpendicular to the joint: the joint face the line x = X0, the
// member to its right.

#include "sketches/Ebenen.h"
#include "sketches/Primitive.h"
#include "sketches/Skizzen.h"

#include "shell/Texte.h"

namespace vsk {

void ZeichneSchnitt(Canvas& c, const Rechteck& r, const Zeichenkontext& k) {
    const TrDaten d = DatenBerechnen(c, r, SkizzenArt::Schnitt, k);
    const TKFarbe& f = k.farben;
    FuelleHintergrund(c, r, f);
    if (!d.gueltig) {
        return;
    }
    SchnittBeton(c, d, f);
    SchnittPosD(c, d, f);
    SchnittPosB(c, d, f);
    SchnittDorn(c, d, f);

    const int H = d.TextHoehe;
    const int lb = k.linienbreite;
    const int yt = d.Y0 - Halb(d.Dicke);
    const int yb = yt + d.Dicke;
    const int xe = d.X0 + d.Tiefe;
    const TKDornDaten& dorn = SkizzenDorn(k, SkizzenArt::Schnitt);
    BemassungsStil(c, f);
    ZeichneBemassung(c, {d.X0, yt}, {d.X0, yb}, H, true, "",
                     Zahltext(k.anwendung.cGeometrie.TPlatteDicke, k), {-H, 0}, lb);

    if (d.AnzLagen >= 2) {
        const int la = d.LagenAbstand;
        int v = yt + d.DeckungOben + Halb(d.DurchmD);
        for (int j = 0; j < d.AnzLagen - 1; ++j) {
            ZeichneBemassung(c, {xe, v}, {xe, v + la}, H, true, "", "50", {H, 0}, lb);
            v += la;
        }
        int u = d.Y0 + Halb(d.Dicke) - d.DeckungUnten - Halb(d.DurchmD);
        for (int j = 0; j < d.AnzLagen - 1; ++j) {
            ZeichneBemassung(c, {xe, u - la}, {xe, u}, H, true, "", "50", {H, 0}, lb);
            u -= la;
        }
    }

    // Chain of the B bars below the member, then the extent of position B above it.
    const int y = d.Y0 + Halb(d.Dicke);
    int F = d.X0;
    for (std::size_t i = 0; i < d.AbstandB.size(); ++i) {
        const int a = d.AbstandB[i];
        ZeichneBemassung(c, {F, y}, {F + a, y}, H, false, "",
                         Zahltext(i < dorn.AbstandB.size() ? dorn.AbstandB[i] : 0.0, k), {0, 2 * H},
                         lb);
        F += a;
    }
    ZeichneBemassung(c, {d.X0, d.Y0 - Halb(d.Dicke)}, {F, d.Y0 - Halb(d.Dicke)}, H, false, "",
                     Zahltext(dorn.LaengeB, k), {0, -H}, lb);

    const int q = d.AbstandB.empty() ? 0 : d.AbstandB[0];
    const std::string t = text("Skizzen", " - T");
    const std::string text3 = Zahltext(dorn.DurchmB, k);
    const std::string oben = text("Skizzen", "Top: ") + Zahltext(d.AnzB, k) + t;
    int w = c.TextWidth(oben + text3);
    ZeichneHinweis(c,
                   {{d.X0 + q, yt + d.DeckungOben + Halb(d.DurchmB) + d.DurchmD},
                    {d.X0 + 2 * q, d.Y0 - Halb(H)},
                    {d.X0 + 3 * q, d.Y0 - Halb(H)},
                    {d.X0 + 3 * q + w + 20, d.Y0 - Halb(H)}},
                   oben, "", text3);
    const std::string unten = text("Skizzen", "Bottom: ") + Zahltext(d.AnzB, k) + t;
    w = c.TextWidth(unten + text3);
    ZeichneHinweis(c,
                   {{d.X0 + q, d.Y0 + Halb(d.Dicke) - d.DeckungUnten - Halb(d.DurchmB) - d.DurchmD},
                    {d.X0 + 2 * q, d.Y0 + Halb(H)},
                    {d.X0 + 3 * q, d.Y0 + Halb(H)},
                    {d.X0 + 3 * q + w + 20, d.Y0 + Halb(H)}},
                   unten, "", text3);
}

} // namespace vsk
