#include "sketches/Ebenen.h"

#include "shell/Zahlen.h"

namespace vsk {

void FuelleHintergrund(Canvas& c, const Rechteck& r, const TKFarbe& f) {
    c.pinsel = {f.Hintergrund, Pinselart::Voll};
    c.FillRect(r);
}

void Vollfarbe(Canvas& c, Farbe farbe) {
    c.stift = {farbe, 1, Stiftart::Durchgezogen};
    c.pinsel = {farbe, Pinselart::Voll};
}

void BetonStil(Canvas& c, const TKFarbe& f) {
    Vollfarbe(c, f.BetonBrush);
}

void BemassungsStil(Canvas& c, const TKFarbe& f) {
    c.stift.farbe = f.Bemassung;
    c.pinsel.art = Pinselart::Leer;
    c.schrift.farbe = f.Bemassung;
}

void Stiftwahl(Canvas& c, Farbe farbe, int breite, Stiftart art) {
    c.stift = {farbe, breite, art};
}

void Linie(Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

std::string Zahltext(double wert, const Zeichenkontext& k) {
    return FormatAllgemein(wert, k.trenner);
}

void ZeichneDornAnsicht(Canvas& c, const TrDaten& d, const TKFarbe& f, int x0, int y0) {
    c.stift = {f.DornPen, 1, Stiftart::Durchgezogen};
    c.pinsel = {f.DornBrush, Pinselart::Voll};
    const auto zentriert = [&](int breite, int hoehe) {
        const int x = x0 - Halb(breite);
        const int y = y0 - Halb(hoehe);
        c.Rectangle(x, y, x + breite, y + hoehe);
    };
    zentriert(d.Anker2Laenge, d.Anker2Durchm);
    zentriert(d.Anker1Laenge, d.Anker1Durchm);
    zentriert(d.PlatteBreite, d.PlatteHoehe);
    const int xs = x0 - Halb(d.HuelseBreite);
    const int g = Halb(d.DornMittenAbstand + d.HuelseHoehe);
    c.Rectangle(xs, y0 - g, xs + d.HuelseBreite, y0 - g + d.HuelseHoehe);
    c.Rectangle(xs, y0 + g, xs + d.HuelseBreite, y0 + g - d.HuelseHoehe);
    const int xd = x0 - Halb(d.DornDurchm);
    const int yd = y0 - Halb(d.DornDurchm + d.DornMittenAbstand);
    c.Ellipse(xd, yd, xd + d.DornDurchm, yd + d.DornDurchm);
    c.Ellipse(xd, yd + d.DornMittenAbstand, xd + d.DornDurchm,
              yd + d.DornMittenAbstand + d.DornDurchm);
}

void SchnittBeton(Canvas& c, const TrDaten& d, const TKFarbe& f) {
    const int yt = d.Y0 - Halb(d.Dicke);
    const int yb = yt + d.Dicke;
    const int xe = d.X0 + d.Tiefe;
    BetonStil(c, f);
    c.Rectangle(d.X0, yt, xe, yb);
    Stiftwahl(c, f.BetonPen, 3);
    Linie(c, d.X0, yt, xe, yt);
    Linie(c, d.X0, yt, d.X0, yb);
    Linie(c, d.X0, yb, xe, yb);
    Stiftwahl(c, f.BetonPen, 1, Stiftart::Gepunktet);
    Linie(c, xe, yt - 5, xe, yb + 5);
}

void SchnittPosD(Canvas& c, const TrDaten& d, const TKFarbe& f) {
    Vollfarbe(c, f.PosD);
    const int yt = d.Y0 - Halb(d.Dicke);
    const int xe = d.X0 + d.Tiefe;
    const int dd = d.DurchmD;
    const int rd = Halb(dd);
    const int la = d.LagenAbstand;
    for (int j = 0; j < d.AnzLagen; ++j) {
        c.stift.breite = 1;
        const int yT = yt + d.DeckungOben + rd + j * la;
        const int yB = d.Y0 + Halb(d.Dicke) - d.DeckungUnten - rd - (d.AnzLagen - 1 - j) * la;
        int xb = 0;
        if (d.X0 + d.DeckungVorn < xe) {
            xb = d.X0 + d.DeckungVorn + rd;
            c.Rectangle(xb + 2 * dd, yT - rd, xe, yT + rd);
            c.Rectangle(xb + 2 * dd, yB - rd, xe, yB + rd);
            c.stift.breite = dd;
            c.Arc(xb, yT, xb + 4 * dd, yT + 4 * dd, xb + 2 * dd, yT, xb, yT + 2 * dd);
            c.Arc(xb, yB - 4 * dd, xb + 4 * dd, yB, xb, yB - 2 * dd, xb + 2 * dd, yB);
        } else {
            xb = d.X0 + d.DeckungVorn - rd;
            c.Rectangle(xb - 2 * dd, yT - rd, xe, yT + rd);
            c.Rectangle(xb - 2 * dd, yB - rd, xe, yB + rd);
            c.stift.breite = dd;
            c.Arc(xb - 4 * dd, yT, xb, yT + 4 * dd, xb, yT + 2 * dd, xb - 2 * dd, yT);
            c.Arc(xb - 4 * dd, yB - 4 * dd, xb, yB, xb - 2 * dd, yB, xb, yB - 2 * dd);
        }
        Linie(c, xb, yT + 2 * dd, xb, yB - 2 * dd);
    }
}

void SchnittPosB(Canvas& c, const TrDaten& d, const TKFarbe& f) {
    Vollfarbe(c, f.PosB);
    const int yt = d.Y0 - Halb(d.Dicke);
    const int la = d.LagenAbstand;
    const int db = d.DurchmB;
    for (int j = 0; j < d.AnzLagen; ++j) {
        const int yT = yt + d.DeckungOben + d.DurchmD + j * la;
        const int yB =
            d.Y0 + Halb(d.Dicke) - d.DeckungUnten - d.DurchmD - (d.AnzLagen - 1 - j) * la;
        int summe = 0;
        for (int a : d.AbstandB) {
            summe += a;
            const int x = d.X0 + summe - Halb(db);
            c.Ellipse(x, yT, x + db, yT + db);
            c.Ellipse(x, yB, x + db, yB - db);
        }
    }
}

void SchnittDorn(Canvas& c, const TrDaten& d, const TKFarbe& f) {
    c.stift = {f.DornPen, 1, Stiftart::Durchgezogen};
    c.pinsel = {f.DornBrush, Pinselart::Voll};
    const int y1 = d.Y0 - Halb(d.DornMittenAbstand + d.DornDurchm);
    c.Rectangle(d.X0 - d.DornLaenge, y1, d.X0 + d.DornLaenge, y1 + d.DornDurchm);
    c.Rectangle(d.X0 - d.DornLaenge, y1 + d.DornMittenAbstand, d.X0 + d.DornLaenge,
                y1 + d.DornMittenAbstand + d.DornDurchm);
    const int yp = d.Y0 - Halb(d.PlatteHoehe);
    c.Rectangle(d.X0, yp, d.X0 + 4, yp + d.PlatteHoehe);
    const int yr = d.Y0 - Halb(d.DornMittenAbstand - d.DornDurchm);
    c.Rectangle(d.X0 + 4, yr, d.X0 + 4 + d.RippeLaenge, yr + d.DornMittenAbstand - d.DornDurchm);
    const auto kreis = [&](int cx, int durchm) {
        const int x = cx - Halb(durchm);
        const int y = d.Y0 - Halb(durchm);
        c.Ellipse(x, y, x + durchm, y + durchm);
    };
    kreis(d.X0 + d.Anker1Abstand, d.Anker1Durchm);
    kreis(d.X0 + d.Anker2Abstand, d.Anker2Durchm);
}

} // namespace vsk
