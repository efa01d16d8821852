#include "design/Anordnung.h"

#include "design/Bewehrung.h"
#include "design/DornAufteilung.h"
#include "design/Lastlinie.h"
#include "design/Laufspeicher.h"
#include "model/Objektmodell.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vsk {

namespace {

using LD = long double;

// The count a connector result can hold.
constexpr LD MaxZaehlbar = std::numeric_limits<std::uint16_t>::max();

void SetzeAnzahl(TKErgebnisse& ergs, int typ, std::size_t anzahl) {
    ergs.setTAnzDorn(
        typ, static_cast<std::uint16_t>(std::min<std::size_t>(anzahl, std::size_t(MaxZaehlbar))));
}

void EinzelDorn(TKAnwendung& anw, int typ) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    const TKGeometrie& geo = ergs.cGeometrie;
    const double rR = geo.TBauteilRandRechts;
    const double rL = geo.TBauteilRandLinks;
    erg.TAbstandRechts = geo.TRandRechts ? rR : erg.TZulMinRand;
    erg.TAbstandLinks = geo.TRandLinks ? rL : erg.TZulMinRand;
    ergs.setTAnzDorn(typ, 1);
    erg.ClearAbstaende();
    erg.AddAbstand(rL);
    erg.AddAbstand(rR);
    erg.TFSdIst = anw.cBelastungDesign.cPunktlast.TFd();
    // A single connector has no neighbour; its spacing is the type's default, so that
    // the result never depends on an earlier calculation.
    erg.TIstMinAchs = TabelleB(typ).es;
    ErforderlicheBewehrung(anw, typ);
    erg.Tby = static_cast<double>(std::min(2 * std::min(LD(rL), LD(rR)), LD(rL) + rR));
}

Lastlinie LinieAus(const TKBelastung& last) {
    Lastlinie linie;
    linie.reserve(last.Punkte().size());
    for (const TPunkt& p : last.Punkte()) {
        linie.push_back({p.x, p.y});
    }
    return linie;
}

// Distributes the load over connectors of share F each and joins the two walks into the
// spacing list. Returns false when there is nothing to distribute.
bool Verteilung(TKAnwendung& anw, int typ, const TKBelastung& last, double L, Meldeweg& meldeweg,
                Laufspeicher& laeufe) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    const LD R = last.Resultierende();
    const LD F0 = erg.TFSdIst;

    // Not usable (no capacity to count with, no load line, or a negative resultant that
    // leaves no positive share to walk with): one connector in the middle carries it all.
    if (!(F0 > 0) || OhneLastlinie(anw) || !std::isfinite(double(R)) || !(R + 0.0001L > 0)) {
        SetzeAnzahl(ergs, typ, 1);
        erg.ClearAbstaende();
        erg.AddAbstand(static_cast<double>(LD(L) / 2));
        erg.AddAbstand(static_cast<double>(LD(L) / 2));
        erg.TFSdIst = anw.cBelastungDesign.TBelastungsfall == Belastungsfall::Punktlast
                          ? anw.cBelastungDesign.cPunktlast.TFd()
                          : static_cast<double>(R);
        return false;
    }

    const LD roh = R > 0 ? R / F0 + 0.4999L : 1.0L;
    LD n = roh < MaxZaehlbar ? LD(RundeGerade(roh)) : MaxZaehlbar;
    n = std::max(n, LD(1));

    const double h = ergs.cGeometrie.TPlatteDicke;
    const double grenze = anw.TMaxDornabstand != 0 ? static_cast<double>(5 * LD(h)) : 0.0;
    const Lastlinie linie = LinieAus(last);
    const bool unerreichbar = GrenzeUnerreichbar(linie, L, grenze);

    TKTmpDornAufteilung aufteilung;
    aufteilung.SetTmpLast(linie, L, meldeweg); // the mirrored line is the same for every n
    for (;;) {
        const double F = static_cast<double>(R / n + 0.0001L);
        erg.TFSdIst = F;
        // The last try builds the full rows; earlier ones only need the verdict.
        const bool letzter = grenze <= 0 || unerreichbar || n >= MaxDornAnzahl;
        aufteilung.ReiheLeeren(0);
        aufteilung.ReiheLeeren(1);
        if (letzter) {
            const bool ok = Ablaufen(linie, F, grenze, true, false, aufteilung.Reihe(0));
            Ablaufen(aufteilung.GespiegelteLast(), F, grenze, ok, false, aufteilung.Reihe(1));
            break;
        }
        // Both walks complete when they pass, so their rows are the arrangement.
        if (laeufe.BeideZulaessig(linie, aufteilung.GespiegelteLast(), F, grenze,
                                  aufteilung.Reihe(0), aufteilung.Reihe(1))) {
            break;
        }
        n += 1;
    }
    SetzeAnzahl(ergs, typ, aufteilung.Reihe(0).size() - 1);

    erg.ClearAbstaende();
    for (double a : aufteilung.Zusammenfuegen(L)) {
        erg.AddAbstand(a);
    }
    return true;
}

bool DornReihe(TKAnwendung& anw, int typ, Meldeweg& meldeweg, Laufspeicher& laeufe) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    const double L = anw.cGeometrie.WirksameFugenlaenge();

    // The load line is built on a copy, so the position's loading stays as it was.
    TKBelastung last = anw.cBelastungDesign;
    if (last.TBelastungsfall == Belastungsfall::Konstant ||
        last.TBelastungsfall == Belastungsfall::Linear) {
        last.ClearPunkte();
        last.SetLastLaenge(L);
        last.AddPunkt(0, last.cLinienLastLinks.TFd());
        last.AddPunkt(L, last.cLinienLastRechts.TFd());
    }
    const bool brauchbar = Verteilung(anw, typ, last, L, meldeweg, laeufe);

    const int n = ergs.TAnzDorn(typ);
    erg.TAbstandLinks = erg.GetAbstand(0);
    double e = L;
    for (int j = 1; j <= n - 1; ++j) {
        e = std::min(e, erg.GetAbstand(j));
    }
    erg.TIstMinAchs = e;
    erg.TAbstandRechts = erg.GetAbstand(n);

    ErforderlicheBewehrung(anw, typ);

    const LD cL = erg.TAbstandLinks;
    const LD cR = erg.TAbstandRechts;
    ergs.DornDaten(typ).Laden(typ);
    erg.Tby = static_cast<double>(std::min(2 * std::min(cL, cR), LD(erg.TIstMinAchs)));
    return brauchbar;
}

} // namespace

bool OhneLastlinie(const TKAnwendung& anw) {
    const TKBelastung& last = anw.cBelastungDesign;
    if (last.TBelastungsfall == Belastungsfall::Konstant ||
        last.TBelastungsfall == Belastungsfall::Linear) {
        return false;
    }
    return last.TBelastungsfall == Belastungsfall::Punktlast || last.PunktCount() < 2;
}

bool DornAnordnung(TKAnwendung& anw, int typ, Meldeweg& meldeweg, Laufspeicher& laeufe) {
    if (anw.TAnwendungsfall == Anwendungsfall::Einzeldorn) {
        EinzelDorn(anw, typ);
        return true;
    }
    return DornReihe(anw, typ, meldeweg, laeufe);
}

std::vector<double> DornOrte(const TKErgebnisse& ergebnisse, int typ) {
    const TKDornErgebnis& erg = ergebnisse.DornErgebnis(typ);
    std::vector<double> orte;
    double x = 0;
    for (int i = 0; i < ergebnisse.TAnzDorn(typ); ++i) {
        x += erg.GetAbstand(i);
        orte.push_back(x);
    }
    return orte;
}

} // namespace vsk
