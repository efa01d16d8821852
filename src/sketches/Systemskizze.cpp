// The input system sketch: above, a section through the joint with both members and a
// connector crossing it; below, a view along the joint with the loading, labelled with
// the symbols of the input fields.

#include "sketches/Ebenen.h"
#include "sketches/Primitive.h"
#include "sketches/Skizzen.h"

#include "shell/Zahlen.h"

namespace vsk {

namespace {

// Keeps the program-wide line width aside and restores it.
class LinienbreiteSichern {
public:
    explicit LinienbreiteSichern(int& lb) : lb_(lb), alt_(lb) {}
    ~LinienbreiteSichern() { lb_ = alt_; }
    LinienbreiteSichern(const LinienbreiteSichern&) = delete;
    LinienbreiteSichern& operator=(const LinienbreiteSichern&) = delete;

private:
    int& lb_;
    int alt_;
};

Punkt Kopf(const TrDaten& d) {
    return {d.TextHoehe / 5, d.TextHoehe / 5};
}

// The wall of a slab-to-wall joint, left of the joint, with its bars running through.
void Wand(Canvas& c, const TrDaten& d, const TKFarbe& f, int top) {
    const int H = d.TextHoehe;
    const int oben = top + Halb(H);
    const int unten = d.Y0 + Halb(d.Dicke) + (3 * H) / 2;
    const int cw = d.X0 + d.Tiefe - H;
    BetonStil(c, f);
    c.Rectangle(d.X0, oben, cw, unten);
    Stiftwahl(c, f.BetonPen, 3);
    Linie(c, d.X0, oben, d.X0, unten);
    Linie(c, cw, oben, cw, unten);
    Stiftwahl(c, f.BetonPen, 1, Stiftart::Gepunktet);
    Linie(c, d.X0 + 5, oben, cw - 5, oben);
    Linie(c, d.X0 + 5, unten, cw - 5, unten);

    Vollfarbe(c, f.PosD);
    const int dd = d.DurchmD;
    const int rd = Halb(dd);
    const int la = d.LagenAbstand;
    // Front and back web; when the wall is drawn in the normal direction the figure is
    // the mirror image.
    const bool gespiegelt = !(d.X0 + d.DeckungVorn < d.X0 + d.Tiefe - H - d.DeckungVorn);
    const int x1 = gespiegelt ? d.X0 + d.DeckungVorn - rd : d.X0 + d.DeckungVorn + rd;
    const int x2 = gespiegelt ? d.X0 + d.Tiefe - H - d.DeckungVorn + rd
                              : d.X0 + d.Tiefe - H - d.DeckungVorn - rd;
    const int s = gespiegelt ? 1 : -1; // x1 lies right of x2 when mirrored
    for (int j = 0; j < d.AnzLagen; ++j) {
        c.stift.breite = 1;
        const int yT = d.Y0 - Halb(d.Dicke) + d.DeckungOben - rd + (j + 1) * la;
        const int yB = d.Y0 + Halb(d.Dicke) - d.DeckungUnten + rd - (d.AnzLagen - 1 - j) * la;
        const int l1 = x1 - s * 2 * dd;
        const int l2 = x2 + s * 2 * dd;
        c.Rectangle(l1, yT - rd, l2, yT + rd);
        c.Rectangle(l1, yB - rd, l2, yB + rd);
        c.stift.breite = dd;
        const int r2 = 2 * dd;
        if (gespiegelt) {
            c.Arc(x1 - 2 * r2, yT, x1, yT + 2 * r2, x1, yT + r2, x1 - r2, yT);
            c.Arc(x1 - 2 * r2, yB - 2 * r2, x1, yB, x1 - r2, yB, x1, yB - r2);
            c.Arc(x2, yT, x2 + 2 * r2, yT + 2 * r2, x2 + r2, yT, x2, yT + r2);
            c.Arc(x2, yB - 2 * r2, x2 + 2 * r2, yB, x2, yB - r2, x2 + r2, yB);
        } else {
            c.Arc(x1, yT, x1 + 2 * r2, yT + 2 * r2, x1 + r2, yT, x1, yT + r2);
            c.Arc(x1, yB - 2 * r2, x1 + 2 * r2, yB, x1, yB - r2, x1 + r2, yB);
            c.Arc(x2 - 2 * r2, yT, x2, yT + 2 * r2, x2, yT + r2, x2 - r2, yT);
            c.Arc(x2 - 2 * r2, yB - 2 * r2, x2, yB, x2 - r2, yB, x2, yB - r2);
        }
        for (int x : {x1, x2}) {
            Linie(c, x, oben, x, unten);
        }
    }

    Vollfarbe(c, f.PosD);
    const int db = d.DurchmB;
    const int b0 = d.AbstandB.empty() ? 0 : d.AbstandB[0];
    const int xv = d.X0 + b0 - Halb(db);
    const int xh = d.X0 + Halb(db) + d.Tiefe - b0 - H;
    for (int j = 0; j < d.AnzLagen; ++j) {
        const int yo = d.Y0 - Halb(d.Dicke) + d.DeckungOben + (j + 1) * la;
        const int yu = d.Y0 + Halb(d.Dicke) - d.DeckungUnten - (d.AnzLagen - 1 - j) * la;
        c.Ellipse(xv, yo, xv + db, yo + db);
        c.Ellipse(xh - db, yo, xh, yo + db);
        c.Ellipse(xv, yu, xv + db, yu - db);
        c.Ellipse(xh - db, yu, xh, yu - db);
    }
}

void Platte(Canvas& c, const TrDaten& d, const TKFarbe& f) {
    const int cp = d.X0 + d.Tiefe;
    const int yt = d.Y0 - Halb(d.Dicke);
    const int yb = yt + d.Dicke;
    BetonStil(c, f);
    c.Rectangle(d.X0, yt, cp, yb);
    Stiftwahl(c, f.BetonPen, 3);
    Linie(c, d.X0, yt, d.X0, yb);
    Linie(c, d.X0, yt, cp, yt);
    Linie(c, d.X0, yb, cp, yb);
    Stiftwahl(c, f.BetonPen, 1, Stiftart::Gepunktet);
    Linie(c, cp, yt - 5, cp, yb + 5);
}

// The sleeve side of the connector in the left member.
void Huelsenteil(Canvas& c, const TrDaten& d, const TKFarbe& f) {
    c.stift = {f.DornPen, 1, Stiftart::Durchgezogen};
    c.pinsel = {f.DornBrush, Pinselart::Voll};
    const int y1 = d.Y0 - Halb(d.DornMittenAbstand + d.DornDurchm);
    const int xf = d.X0 + d.Fugenbreite;
    c.Rectangle(xf, y1, d.X0 + d.DornLaenge, y1 + d.DornDurchm);
    c.Rectangle(xf, y1 + d.DornMittenAbstand, d.X0 + d.DornLaenge,
                y1 + d.DornMittenAbstand + d.DornDurchm);
    const int yp = d.Y0 - Halb(d.PlatteHoehe);
    c.Rectangle(d.X0, yp, d.X0 - 4, yp + d.PlatteHoehe);
    const int yr = d.Y0 - Halb(d.DornMittenAbstand - d.DornDurchm);
    c.Rectangle(d.X0 - 4, yr, d.X0 + d.RippeLaenge - 4, yr + d.DornMittenAbstand - d.DornDurchm);
    const auto kreis = [&](int cx, int durchm) {
        const int x = cx - Halb(durchm);
        const int y = d.Y0 - Halb(durchm);
        c.Ellipse(x, y, x + durchm, y + durchm);
    };
    kreis(d.X0 + d.Anker1Abstand, d.Anker1Durchm);
    kreis(d.X0 + d.Anker2Abstand, d.Anker2Durchm);
}

} // namespace

void ZeichneSystemSchnitt(Canvas& c, const Rechteck& r, const Zeichenkontext& k, int anwendungsfall,
                          int belastungsfall) {
    const TKFarbe& f = k.farben;
    const int cx = r.left + Halb(r.right - r.left);
    const TrDaten rechts = DatenBerechnen(c, {cx, r.top, r.right, r.bottom}, SkizzenArt::System, k);
    if (!rechts.gueltig) {
        return;
    }
    SchnittBeton(c, rechts, f);
    SchnittPosD(c, rechts, f);
    SchnittPosB(c, rechts, f);
    SchnittDorn(c, rechts, f);

    const TrDaten d = DatenBerechnen(c, {cx, r.top, r.left, r.bottom}, SkizzenArt::System, k);
    if (!d.gueltig) {
        return;
    }
    if (anwendungsfall == Anwendungsfall::ReiheWand) {
        Wand(c, d, f, r.top);
    } else {
        Platte(c, d, f);
        SchnittPosD(c, d, f);
        SchnittPosB(c, d, f);
    }
    Huelsenteil(c, d, f);

    // Symbols of the input fields and the load.
    const int H = d.TextHoehe;
    const int yt = d.Y0 - Halb(d.Dicke);
    const int yb = yt + d.Dicke;
    const int xD = d.X0 + d.Fugenbreite - d.Tiefe;
    BemassungsStil(c, f);
    const int lb = k.linienbreite;
    if (anwendungsfall == Anwendungsfall::ReiheWand) {
        ZeichneBemassung(c, {d.X0, yb}, {d.X0 + d.Tiefe - H, yb}, H, false, "W", "d", {0, 2 * H},
                         lb);
    }
    ZeichneBemassung(c, {xD, yt}, {xD, yb}, H, true, "", "d", {3 * H, 0}, lb);
    ZeichneBemassung(c, {xD, yt}, {xD, yt + d.DeckungOben}, H, true, "", "", {H, 0}, lb);
    TextGedreht(c, xD + c.TextHeight("c") / 3, yt - c.TextWidth(" "), "c", 900);
    TextGedreht(c, xD + Halb(c.TextHeight("o")), yt - c.TextWidth(" c"), "o", 900);
    const int yu = d.Y0 + Halb(d.Dicke);
    ZeichneBemassung(c, {xD, d.Y0 + d.Dicke - Halb(d.Dicke) - d.DeckungUnten}, {xD, yu}, H, true,
                     "", "", {H, 0}, lb);
    TextGedreht(c, xD + c.TextHeight("c") / 3, yu + c.TextWidth("cu "), "c", 900);
    TextGedreht(c, xD + Halb(c.TextHeight("u")), yu + c.TextWidth("c "), "u", 900);
    ZeichneBemassung(c, {d.X0, yu}, {d.X0 + d.Fugenbreite, yu}, H, false, "", "f", {0, H}, lb);

    {
        LinienbreiteSichern sicher(k.linienbreite);
        const int ya = yt - 2 * k.linienbreite;
        k.linienbreite = belastungsfall == Belastungsfall::Punktlast ? 3 : 1;
        const int xf = d.X0 + d.Fugenbreite;
        if (belastungsfall == Belastungsfall::Punktlast) {
            ZeichnePfeil(c, {xf, ya - 2 * H}, {xf, ya}, true, "Ed,p", "V", Kopf(d), k.linienbreite);
        } else {
            ZeichnePfeil(c, {xf, ya - 2 * H}, {xf, ya}, true, "Ed", "q", Kopf(d), k.linienbreite);
        }
    }
}

void ZeichneSystemAnsicht(Canvas& c, const Rechteck& r, const Zeichenkontext& k, int anwendungsfall,
                          int belastungsfall) {
    const TKFarbe& f = k.farben;
    const int L = r.left;
    const int T = r.top;
    const int R = r.right;
    const int B = r.bottom;
    TrDaten d = DatenBerechnen(c, {L + Halb(R - L), T, L, B}, SkizzenArt::System, k);
    if (!d.gueltig) {
        return;
    }
    d.Y0 = T + Halb(B - T) + d.TextHoehe;
    const int H = d.TextHoehe;

    const int xa = L + H;
    const int xb = R - H;
    const int yt = d.Y0 - Halb(d.Dicke);
    const int yb = yt + d.Dicke;
    BetonStil(c, f);
    c.Rectangle(xa, yt, xb, yb);
    Stiftwahl(c, f.BetonPen, 3);
    Linie(c, xa, yt, xb, yt);
    Linie(c, xa, yb, xb, yb);
    for (int x : {xa, xb}) {
        if (d.Anwendungsfall != Anwendungsfall::Einzeldorn) {
            Stiftwahl(c, f.BetonPen, 1, Stiftart::Gepunktet);
            Linie(c, x, yt - 5, x, yb + 5);
        } else {
            Stiftwahl(c, f.BetonPen, 3);
            Linie(c, x, yt, x, yb);
        }
    }

    if (anwendungsfall == Anwendungsfall::Einzeldorn) {
        ZeichneDornAnsicht(c, d, f, L + Halb(R - L), d.Y0);
    } else if (anwendungsfall == Anwendungsfall::ReihePlatte ||
               anwendungsfall == Anwendungsfall::ReiheWand) {
        for (int x : {L + (R - L) / 6, L + Halb(R - L), L + 5 * ((R - L) / 6)}) {
            ZeichneDornAnsicht(c, d, f, x, d.Y0);
        }
    }

    BemassungsStil(c, f);
    LinienbreiteSichern sicher(k.linienbreite);
    const Punkt kopf = Kopf(d);
    const int ybs = d.Y0 + Halb(d.Dicke);
    switch (belastungsfall) {
    case Belastungsfall::Punktlast: {
        k.linienbreite = 3;
        const int xm = Halb(L + R);
        ZeichnePfeil(c, {xm, yt - 6 - 2 * H}, {xm, yt - 6}, true, "Ed,p", "     V", kopf,
                     k.linienbreite);
        k.linienbreite = 1;
        ZeichneBemassung(c, {xm, yt}, {L + H, yt}, H, false, "L", "c", {0, -H}, k.linienbreite);
        ZeichneBemassung(c, {xm, yt}, {R - H, yt}, H, false, "R", "c", {0, -H}, k.linienbreite);
        break;
    }
    case Belastungsfall::Konstant:
    case Belastungsfall::Linear: {
        k.linienbreite = 1;
        // The load line rises, lies flat or falls with the shape of the line load.
        const int fl = 10 * (d.LinienLast - Linienlastform::Gleich);
        const int n = std::max(1, (R - L) / std::max(1, H));
        const long double schritt = static_cast<long double>(fl) / n;
        const int yo = yt - 2;
        int ty = yo + Halb(fl) - H;
        TextMitIndex(c, L + Halb(H), ty - H, "Ed,L", "q");
        int x = L;
        for (int i = 2; i <= n; ++i) {
            x += H;
            ty = yo + Halb(fl) - H - static_cast<int>(RundeGerade(i * schritt));
            ZeichnePfeil(c, {x, ty}, {x, yo}, true, "", "", kopf, k.linienbreite);
        }
        TextMitIndex(c, x, ty - H, "Ed,R", "q");
        Linie(c, L + H, yo + Halb(fl) - H, R - H, ty);
        if (d.RandLinks != 0 && d.RandRechts != 0) {
            ZeichneBemassung(c, {L + H, yt}, {L + (R - L) / 6, yt}, H, false, "L", "c", {0, -2 * H},
                             k.linienbreite);
            ZeichneBemassung(c, {R - (R - L) / 6, yt}, {R - H, yt}, H, false, "R", "c", {0, -2 * H},
                             k.linienbreite);
        } else if (d.Anwendungsfall == Anwendungsfall::ReihePlatte ||
                   d.Anwendungsfall == Anwendungsfall::ReiheWand) {
            const int y = d.Y0 + Halb(d.Dicke) + H;
            ZeichnePfeil(c, {L + Halb(H), y}, {R - Halb(H), y}, false, "", "", kopf,
                         k.linienbreite);
            ZeichnePfeil(c, {R - Halb(H), y}, {L + Halb(H), y}, false, "f", "l", kopf,
                         k.linienbreite);
        } else {
            ZeichneBemassung(c, {L + H, ybs}, {R - H, ybs}, H, false, "f", "l", {0, H},
                             k.linienbreite);
            ZeichneBemassung(c, {L + (R - L) / 4, ybs}, {L + 3 * ((R - L) / 4), ybs}, H, false, "",
                             "e", {0, -H}, k.linienbreite);
        }
        break;
    }
    case Belastungsfall::Beliebig:
        ZeichneBelastung(c, {L + H, yt - 4 * H, R - H, yt}, d, k);
        ZeichneBemassung(c, {L + H, ybs}, {R - H, ybs}, H, false, "f", "l", {0, H}, k.linienbreite);
        break;
    default:
        break;
    }
}

void ZeichneSystemskizze(Canvas& c, const Rechteck& r, const Zeichenkontext& k, int anwendungsfall,
                         int belastungsfall) {
    FuelleHintergrund(c, r, k.farben);
    const int mitte = r.top + Halb(r.bottom - r.top);
    ZeichneSystemSchnitt(c, {r.left, r.top, r.right, mitte}, k, anwendungsfall, belastungsfall);
    ZeichneSystemAnsicht(c, {r.left, mitte, r.right, r.bottom}, k, anwendungsfall, belastungsfall);
}

void ZeichneSkizze(Canvas& c, const Rechteck& r, const Zeichenkontext& k, int art) {
    switch (art) {
    case SkizzenArt::Ansicht:
        ZeichneAnsicht(c, r, k);
        break;
    case SkizzenArt::Draufsicht:
        ZeichneDraufsicht(c, r, k);
        break;
    case SkizzenArt::Schnitt:
        ZeichneSchnitt(c, r, k);
        break;
    case SkizzenArt::Reihe:
        ZeichneReihenansicht(c, r, k, true);
        break;
    case SkizzenArt::System:
        ZeichneSystemskizze(c, r, k, k.anwendung.TAnwendungsfall,
                            k.anwendung.cBelastungDesign.TBelastungsfall);
        break;
    default:
        break;
    }
}

} // namespace vsk
