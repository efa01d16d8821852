#include "design/Bewehrung.h"

#include "katalog/Katalog.h"
#include "model/Objektmodell.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vsk {

namespace {

using LD = long double;

constexpr LD Pi = std::numbers::pi_v<long double>;
constexpr LD Winkel34 = 0.5934119456780721; // 34 degrees, spread of the U-bar group

// No real design needs more bars; the bound keeps absurd loads from a file from
// building huge lists (the status reports such a load anyway).
constexpr int MaxStaebe = 10000;

double Flaeche(int durchmesser) {
    return Stabflaeche(durchmesser);
}

// Load the reinforcement is designed for.
LD BemessungsLast(const TKAnwendung& anw, const TKDornErgebnis& erg) {
    return anw.TBewehrungCalc == 0 ? erg.TFRd() : erg.TFSdIst;
}

// trunc(wert) + 1, bounded to 0..MaxStaebe.
int TruncPlusEins(LD wert) {
    if (!(wert < LD(MaxStaebe))) {
        return MaxStaebe;
    }
    if (wert < -1) {
        return 0;
    }
    return static_cast<int>(std::trunc(wert)) + 1;
}

// Standard U-bar spacing S of type typ with n U-bars.
double BuegelAbstand(const TKAnwendung& anw, int typ, int nD) {
    if (nD <= 2) {
        return 0;
    }
    const TKErgebnisse& ergs = anw.cErgebnisse;
    const TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    const TKDornDaten& dd = ergs.DornDaten(typ);
    const KatalogA& a = TabelleA(typ);
    const KatalogB& b = TabelleB(typ);
    const double h = ergs.cGeometrie.TPlatteDicke;
    const double co = ergs.cGeometrie.TBetondeckungOben;
    const LD p = (LD(erg.Tby) - b.zD) / 2;
    const LD q = (LD(h) / 2 - co - 3 * LD(dd.DurchmD) + LD(a.a) / 2) / std::tan(Winkel34);
    const LD m = std::min(q, p);
    const LD x = (2 * m - b.sD0) / LD(nD - 2);
    return BuegelAbstandGerundet(x);
}

// AbstandD for n U-bars at spacing S; returns the width of the group.
LD FuelleAbstaendeD(TKDornDaten& dd, int typ, int nD, double S) {
    const int anzahl = std::max(nD / 2 - 1, 0);
    const int lagen = dd.AnzLagen > 0 ? dd.AnzLagen : 1;
    dd.AbstandD.assign(static_cast<std::size_t>(anzahl), 0.0);
    LD summe = 0;
    // Counted from the last entry: every AnzLagen-th is S, the others 30.
    for (int j = 1; j <= anzahl; ++j) {
        const double wert = j % lagen == 0 ? S : 30.0;
        dd.AbstandD[static_cast<std::size_t>(anzahl - j)] = wert;
        summe += wert;
    }
    return LD(TabelleB(typ).sD0) + 2 * summe;
}

// AbstandB and LaengeB for the record's AnzB, then Tbx.
void FuelleAbstaendeB(TKDornDaten& dd, TKDornErgebnis& erg, int typ) {
    dd.AbstandB = AbstaendeB(typ, dd.AnzB);
    LD l = 0;
    for (double s : dd.AbstandB) {
        l += s;
    }
    dd.LaengeB = static_cast<double>(l);
    const KatalogA& a = TabelleA(typ);
    const LD lD = LD(a.lD) + a.d;
    erg.Tbx = static_cast<double>(lD >= l ? lD : l);
}

} // namespace

long double Fyd(int stahlguete) {
    const Stahlwerte& s = Stahl(stahlguete);
    return LD(s.fyk) / s.gammaS;
}

long double BuegelTragkraft(int dD, long double fyd, long double fbd, double h, double co) {
    const LD d = dD;
    return 0.3L * (Pi / 4 * d * d) * fyd / 1000 +
           fbd * (Pi / 4 * d) * (LD(h) - 2 * LD(co) - 6 * d) / 1000;
}

long double AsxErforderlich(long double F, double e, double h, double co, int dB, long double fyd) {
    const LD a1 = F / 2 * 1.2L / fyd * 1000;
    const LD hebel = (LD(h) - co - LD(dB) / 2) * 0.9L * fyd;
    const LD a2 = hebel != 0 ? F / 10 * e / hebel * 1000 : 0.0L;
    return std::max(a1, a2);
}

int AnzahlStaebeB(double asErf, double stabflaeche) {
    return TruncPlusEins(LD(asErf) / stabflaeche - 0.01L);
}

int AnzahlBuegelD(double asErf, double stabflaeche) {
    return RoundUpToMultiple(TruncPlusEins(LD(asErf) / stabflaeche - 0.01L), 2);
}

double BuegelAbstandGerundet(long double x) {
    return static_cast<double>(RundeGerade(x - 0.4L));
}

std::vector<double> AbstaendeB(int typ, int anzahl) {
    const KatalogB& b = TabelleB(typ);
    std::vector<double> abstaende;
    anzahl = std::clamp(anzahl, 0, MaxStaebe);
    abstaende.reserve(static_cast<std::size_t>(anzahl));
    for (int k = 0; k < anzahl; ++k) {
        abstaende.push_back(k == 0 ? b.sB0 : b.sB);
    }
    return abstaende;
}

void ErforderlicheBewehrung(TKAnwendung& anw, int typ) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    const TKDornDaten& dd = ergs.DornDaten(typ);
    const double h = ergs.cGeometrie.TPlatteDicke;
    const double co = ergs.cGeometrie.TBetondeckungOben;
    const LD fyd = Fyd(anw.TStahlguete);
    const LD fbd = Beton(anw.TBetonguete).fbd;
    const LD FB = BemessungsLast(anw, erg);

    const LD dD = dd.DurchmD;
    const LD F1 = BuegelTragkraft(dd.DurchmD, fyd, fbd, h, co);
    erg.TAsyErf = static_cast<double>(F1 != 0 ? (Pi / 4 * dD * dD) * FB / F1 : 0.0L);
    erg.TAsxErf = static_cast<double>(AsxErforderlich(FB, erg.TIstMinAchs, h, co, dd.DurchmB, fyd));
}

void BewehrungPositionB(TKAnwendung& anw, int typ) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    TKDornDaten& dd = ergs.DornDaten(typ);
    TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    dd.AnzB = AnzahlStaebeB(erg.TAsxErf, Flaeche(dd.DurchmB));
    FuelleAbstaendeB(dd, erg, typ);
}

void BewehrungPositionD(TKAnwendung& anw, int typ) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    TKDornDaten& dd = ergs.DornDaten(typ);
    const TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    dd.AnzD = AnzahlBuegelD(erg.TAsyErf, Flaeche(dd.DurchmD));
    const double S = BuegelAbstand(anw, typ, dd.AnzD);
    const LD W = FuelleAbstaendeD(dd, typ, dd.AnzD, S);
    dd.BreiteBuegel = static_cast<double>(std::trunc(W * 100) / 100);
}

void VorhandeneBewehrung(TKAnwendung& anw, int typ) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    const TKDornDaten& dd = ergs.DornDaten(typ);
    TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    erg.TAsxIst = static_cast<double>(LD(Flaeche(dd.DurchmB)) * dd.AnzB);
    erg.TAsyIst = static_cast<double>(LD(Flaeche(dd.DurchmD)) * dd.AnzD);
}

long double BewehrungWiderstand(const TKAnwendung& anw, int typ) {
    const TKErgebnisse& ergs = anw.cErgebnisse;
    const TKDornDaten& dd = ergs.DornDaten(typ);
    const TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    const double h = ergs.cGeometrie.TPlatteDicke;
    const double co = ergs.cGeometrie.TBetondeckungOben;
    const LD fyd = Fyd(anw.TStahlguete);
    const LD fbd = Beton(anw.TBetonguete).fbd;
    const LD F = erg.TFSdIst;

    LD R1 = 0;
    if (F > 0) {
        const LD asx = AsxErforderlich(F, erg.TIstMinAchs, h, co, dd.DurchmB, fyd);
        R1 = asx > 0 ? LD(erg.TAsxIst) * F / asx : 0.0L;
    }
    const LD R2 = LD(dd.AnzD) * BuegelTragkraft(dd.DurchmD, fyd, fbd, h, co);
    return std::min(R1, R2);
}

void BewehrungsbreitenNeu(TKAnwendung& anw, int typ) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    TKDornDaten& dd = ergs.DornDaten(typ);
    TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    const double S = BuegelAbstand(anw, typ, dd.AnzD);
    dd.BreiteBuegel = static_cast<double>(FuelleAbstaendeD(dd, typ, dd.AnzD, S));
    FuelleAbstaendeB(dd, erg, typ);
}

} // namespace vsk
