#include "sketches/TrDaten.h"

#include "katalog/Katalog.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace vsk {

namespace {

// Scaled lengths beyond this are no drawing any more; clamping keeps the integer
// arithmetic of the sketches defined.
constexpr long double kGrenze = 1.0e7L;

class Skalierer {
public:
    explicit Skalierer(double w) : w_(w) {}
    int operator()(double mm) const {
        const long double p = static_cast<long double>(w_) * mm;
        return static_cast<int>(RundeGerade(std::clamp(p, -kGrenze, kGrenze)));
    }

private:
    double w_;
};

double Eintrag(const std::vector<double>& v, std::size_t i) {
    return i < v.size() ? v[i] : 0.0;
}

} // namespace

const TKDornDaten& SkizzenDorn(const Zeichenkontext& k, int art) {
    if (art == SkizzenArt::System) {
        return k.modell.AktDornDaten;
    }
    return k.anwendung.cErgebnisse.AktDornDaten();
}

const TKGeometrie& SkizzenGeometrie(const Zeichenkontext& k, int art) {
    if (art == SkizzenArt::System) {
        return k.modell.EingabeGeometrie;
    }
    return k.anwendung.cGeometrie;
}

TrDaten DatenBerechnen(Canvas& c, const Rechteck& r, int art, const Zeichenkontext& k) {
    TrDaten d;
    c.schrift.name = "Arial";
    c.schrift.groesse = 12;
    const int H = c.TextHeight("W");
    c.schrift.groesse = 10;
    d.TextHoehe = H;

    const TKDornDaten& dorn = SkizzenDorn(k, art);
    const TKGeometrie& geo = SkizzenGeometrie(k, art);
    const TKAnwendung& anw = k.anwendung;
    const TKBelastung& last = anw.cBelastungDesign;
    const TKErgebnisse& erg = anw.cErgebnisse;
    const TKDornErgebnis& ergebnis = erg.AktDornErgebnis();

    const int v = r.right >= r.left ? 1 : -1;
    d.Richtung = v;
    const long double dx = static_cast<long double>(r.right) - r.left;
    const long double dy = static_cast<long double>(r.bottom) - r.top;

    const long double h = art == SkizzenArt::System ? dorn.MinDicke : geo.TPlatteDicke;
    const long double m = art == SkizzenArt::System ? dorn.BreiteBuegel + Eintrag(dorn.AbstandD, 0)
                                                    : std::max<long double>(ergebnis.Tby, h);
    long double sumB = 0;
    for (double a : dorn.AbstandB) {
        sumB += a;
    }
    const long double t =
        std::max<long double>(static_cast<long double>(dorn.DornLaenge) + dorn.DornDurchm, sumB) +
        geo.TBetondeckungVorn;
    const long double jw = FugenbreiteMm(geo.TFugenbreite);
    const long double leff = geo.WirksameFugenlaenge();

    // Candidate scales: x over the width less its margin, y over the height less its margin.
    long double rx = 0, ry = 0, nx = 1, ny = 1; // margins and the lengths to fit
    long double w = 0;
    switch (art) {
    case SkizzenArt::Ansicht:
    case SkizzenArt::Schnitt: {
        rx = 5.0L * H;
        ry = 9.0L * H;
        nx = std::min(m, 2.0L * dorn.DornLaenge + t);
        ny = h;
        const long double a = (dx - 5.0L * H) / m;
        const long double b = dx / (2.0L * dorn.DornLaenge + t);
        const long double cc = std::min(a, b);
        w = std::min(std::fabs(cc), std::fabs((dy - 9.0L * H) / h));
        break;
    }
    case SkizzenArt::Draufsicht:
        rx = 5.0L * H;
        ry = 5.0L * H;
        nx = m;
        ny = t;
        w = std::min(std::fabs((dx - 5.0L * H) / m), std::fabs((dy - 5.0L * H) / t));
        break;
    case SkizzenArt::Reihe:
        rx = 3.0L * H;
        ry = 6.0L * H;
        nx = leff;
        ny = h;
        w = std::min(std::fabs((dx - 3.0L * H) / leff), std::fabs((dy - 6.0L * H) / h));
        break;
    case SkizzenArt::System:
        rx = 4.0L * H;
        ry = 3.0L * H;
        nx = t + jw;
        ny = h;
        w = std::min(std::fabs((dx - 4.0L * v * H) / (t + jw)), std::fabs((dy - 3.0L * H) / h));
        break;
    default:
        return d;
    }
    d.gueltig = std::fabs(dx) > rx && dy > ry && nx > 0 && ny > 0 && std::isfinite(w) && w > 0;
    if (!d.gueltig) {
        return d;
    }
    d.Massstab = static_cast<double>(w);
    const Skalierer S(d.Massstab);

    switch (art) {
    case SkizzenArt::Ansicht:
        d.X0 = Halb(r.left + r.right) - H;
        d.Y0 = Halb(r.top + r.bottom + H);
        break;
    case SkizzenArt::Draufsicht:
        d.X0 = Halb(r.left + r.right) - H;
        d.Y0 = Halb(r.top + r.bottom) + Halb(S(static_cast<double>(sumB)));
        // Centring on half the B bars leaves the back of a deep member and its label above
        // the rectangle when the height decides the scale; move down just enough.
        d.Y0 = std::max(d.Y0, r.top + S(static_cast<double>(t)) + 3 * H);
        break;
    case SkizzenArt::Schnitt:
        d.X0 = r.left + S(dorn.DornLaenge) + 5;
        d.Y0 = Halb(r.top + r.bottom + H);
        break;
    case SkizzenArt::Reihe:
        d.X0 = r.left + 2 * H;
        d.Y0 = Halb(r.top + r.bottom) + H;
        break;
    default:
        d.X0 = r.left + Halb(v * S(static_cast<double>(jw))) - H;
        d.Y0 = Halb(r.top + r.bottom + H);
        break;
    }

    d.Tiefe = v * S(static_cast<double>(t));
    d.Breite = S(static_cast<double>(m));
    d.Dicke = S(static_cast<double>(h));
    d.Fugenlaenge = last.TBelastungsfall != Belastungsfall::Punktlast
                        ? S(static_cast<double>(leff))
                        : S(geo.TBauteilRandLinks + geo.TBauteilRandRechts);
    d.BreiteBuegel = S(dorn.BreiteBuegel);
    d.DurchmB = S(dorn.DurchmB);
    d.DurchmD = S(dorn.DurchmD);
    d.AnzB = std::max(0, dorn.AnzB);
    d.AnzD = std::max(0, dorn.AnzD);
    d.AnzLagen = dorn.AnzLagen;
    d.LagenAbstand = d.AnzLagen < 2 ? 0 : S(50.0);
    d.AbstandB.resize(static_cast<std::size_t>(d.AnzB));
    for (std::size_t i = 0; i < d.AbstandB.size(); ++i) {
        d.AbstandB[i] = v * S(Eintrag(dorn.AbstandB, i));
    }
    d.AbstandD.assign(static_cast<std::size_t>(d.AnzD / 2), 0);
    for (std::size_t i = 1; i < d.AbstandD.size(); ++i) {
        d.AbstandD[i] = S(Eintrag(dorn.AbstandD, i - 1));
    }
    d.Abstaende.resize(static_cast<std::size_t>(erg.TAnzDorn(erg.TAktDorn)) + 1);
    for (std::size_t i = 0; i < d.Abstaende.size(); ++i) {
        d.Abstaende[i] = S(ergebnis.GetAbstand(static_cast<int>(i)));
    }
    d.PlatteBreite = v * S(dorn.PlatteBreite);
    d.PlatteHoehe = S(dorn.PlatteHoehe);
    d.DornDurchm = S(dorn.DornDurchm);
    d.DornMittenAbstand = S(dorn.DornMittenAbstand);
    d.DornLaenge = v * S(dorn.DornLaenge);
    d.HuelseBreite = S(dorn.HuelseBreite);
    d.HuelseHoehe = S(dorn.HuelseHoehe);
    d.Anker1Laenge = S(dorn.Anker1Laenge);
    d.Anker2Laenge = S(dorn.Anker2Laenge);
    d.Anker1Durchm = S(dorn.Anker1Durchm);
    d.Anker2Durchm = S(dorn.Anker2Durchm);
    d.Anker1Abstand = v * S(dorn.Anker1Abstand);
    d.Anker2Abstand = v * S(dorn.Anker2Abstand);
    d.RippeLaenge = v * S(dorn.RippeLaenge);
    d.DeckungOben = S(geo.TBetondeckungOben);
    d.DeckungUnten = S(geo.TBetondeckungUnten);
    d.DeckungVorn = v * S(geo.TBetondeckungVorn);
    d.Fugenbreite = S(static_cast<double>(jw));
    d.RandLinks = geo.TRandLinks;
    d.RandRechts = geo.TRandRechts;
    d.LinienLast = last.TLinienLast;
    d.Anwendungsfall = anw.TAnwendungsfall;
    return d;
}

} // namespace vsk
