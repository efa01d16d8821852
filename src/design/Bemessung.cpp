#include "design/Bemessung.h"

#include "design/Anordnung.h"
#include "design/Bewehrung.h"
#include "design/DornAufteilung.h"
#include "design/Laufspeicher.h"
#include "design/Widerstand.h"
#include "katalog/Katalog.h"
#include "model/Objektmodell.h"
#include "shell/Zahlen.h"

#include <algorithm>

namespace vsk {

namespace {

using LD = long double;

// Comparisons of the checks are made at 0.1 resolution.
std::int64_t Zehntel(LD wert) {
    return RundeGerade(wert * 10);
}

bool Wiederholen(unsigned status) {
    return status == Status::AbstandUnterMin || status == Status::RandUnterMin ||
           status == Status::AbstandZulassung || status == Status::RandZulassung;
}

void Widerstaende(TKAnwendung& anw, int typ) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    const TKGeometrie& geo = ergs.cGeometrie;
    erg.setTFRdStahl(static_cast<double>(StahlWiderstand(typ, geo.TFugenbreite)));
    erg.setTFRdBeton(static_cast<double>(
        BetonWiderstand(typ, geo.TPlatteDicke, geo.TFugenbreite, anw.TBetonguete)));
}

void MeldungenLeeren(TKDornErgebnis& erg) {
    erg.Fehler.Clear();
    erg.Warnungen.Clear();
    // A spacing warning of an earlier pass must not outlive it.
    erg.TAbstandMeldung = 0;
}

// Whether a row type has no capacity to count with or no load to distribute; the
// arrangement then puts one connector in the middle.
bool Unbrauchbar(const TKAnwendung& anw, const TKDornErgebnis& erg) {
    if (anw.TAnwendungsfall == Anwendungsfall::Einzeldorn) {
        return false;
    }
    return !(std::min(erg.TFRdStahl(), erg.TFRdBeton()) > 0) || OhneLastlinie(anw);
}

} // namespace

unsigned PruefeDorn(TKAnwendung& anw, int typ, bool unbrauchbar) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    const TKDornDaten& dd = ergs.DornDaten(typ);
    const TKGeometrie& geo = ergs.cGeometrie;
    const KatalogA& a = TabelleA(typ);
    const KatalogB& b = TabelleB(typ);
    const LD h = geo.TPlatteDicke;
    const LD c = std::min(erg.TAbstandLinks, erg.TAbstandRechts);
    const bool reihe = anw.TAnwendungsfall != Anwendungsfall::Einzeldorn;
    const bool aufMaxFRd = anw.TBewehrungCalc == 0;

    unsigned status = Status::OK;
    const auto fehler = [&](std::uint16_t code) {
        erg.Fehler.Add(code);
        status = code;
    };

    if (anw.TAnwendungsfall == Anwendungsfall::ReiheWand && LD(a.lD) + 50 > LD(geo.TWandDicke)) {
        fehler(Status::WandZuDuenn);
    }
    if (unbrauchbar || Zehntel(erg.TFSdIst) > Zehntel(erg.TFRd())) {
        fehler(Status::LastZuGross);
    }
    if (Zehntel(a.hMin) > Zehntel(h)) {
        fehler(Status::DickeZuKlein);
    }
    if (Zehntel(dd.BreiteBuegel) > Zehntel(LD(erg.Tby) - b.zD)) {
        fehler(Status::AbstandBewehrung);
    }
    if (Zehntel(LD(erg.TZulMinAchs) / 2) > Zehntel(c) && aufMaxFRd) {
        fehler(Status::RandZulassung);
    }
    const bool abstandZuKlein =
        reihe && ergs.TAnzDorn(typ) > 1 && Zehntel(erg.TZulMinAchs) > Zehntel(erg.TIstMinAchs);
    if (abstandZuKlein && aufMaxFRd) {
        fehler(Status::AbstandZulassung);
    }
    if (abstandZuKlein) {
        fehler(Status::AbstandUnterMin);
    }
    if (Zehntel(erg.MaxAbstand()) > Zehntel(5 * h)) {
        erg.Warnungen.Add(Warnung::MaxAbstand);
        erg.TAbstandMeldung = 1;
    }
    if (Zehntel(erg.TZulMinRand) > Zehntel(c)) {
        fehler(Status::RandUnterMin);
    }
    if (!FugenbreiteZulaessig(typ, geo.TFugenbreite)) {
        fehler(Status::FugeUnzulaessig);
    }

    erg.TEtaQ = erg.TFRd() > 0 ? static_cast<double>(LD(erg.TFSdIst) / erg.TFRd()) : 0.0;
    return status;
}

bool DornBrauchbar(const TKDornErgebnis& erg) {
    return erg.TEtaQ < 1.0 && erg.TStatus == Status::OK;
}

int EmpfohlenerDorn(const TKAnwendung& anw) {
    const TKErgebnisse& ergs = anw.cErgebnisse;
    int best = 9999;
    int gewaehlt = 0;
    for (int i = 0; i < AnzDornTypen; ++i) {
        const TKDornErgebnis& erg = ergs.DornErgebnis(i);
        if (DornBrauchbar(erg) && ergs.TAnzDorn(i) < best) {
            gewaehlt = i;
            best = ergs.TAnzDorn(i);
        }
    }
    return gewaehlt;
}

bool TKVSKBemessung::Durchgang(TKAnwendung& anw, int typ, Meldeweg& meldeweg,
                               Laufspeicher& laeufe) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    ergs.SelectDorn(typ);
    TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    TKGeometrie& geo = ergs.cGeometrie;
    const LD h = geo.TPlatteDicke;

    erg.TZulMinAchs = static_cast<double>(1.5L * h);
    erg.TZulMinRand = static_cast<double>(0.75L * h);
    MeldungenLeeren(erg);
    erg.ClearAbstaende();
    erg.TDornAnordnung = 0;

    Widerstaende(anw, typ);
    erg.setTFRdBewehrung(std::min(erg.TFRdStahl(), erg.TFRdBeton()));
    erg.TFSdIst = erg.TFRd();

    const bool brauchbar = DornAnordnung(anw, typ, meldeweg, laeufe);
    BewehrungPositionB(anw, typ);
    BewehrungPositionD(anw, typ);
    VorhandeneBewehrung(anw, typ);
    erg.setTFRdBewehrung(static_cast<double>(BewehrungWiderstand(anw, typ)));
    erg.TStatus = static_cast<std::uint16_t>(PruefeDorn(anw, typ, !brauchbar));

    // Thickness step: redesign on a thinner calculation slab while that is possible.
    const LD delta = h - LD(TabelleA(typ).hMin);
    erg.TStatusd = erg.TStatusd == 1 && delta <= 0 ? 1 : 0;
    if (delta <= 0) {
        return false;
    }
    geo.TPlatteDicke = static_cast<double>(h - std::min(delta, LD(10)));
    return true;
}

void TKVSKBemessung::Bemessen(TKAnwendung& anw) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    Meldeweg meldeweg{plattform_};
    Laufspeicher laeufe;
    ergs.TBerechnet = 1;
    for (int i = 0; i < AnzDornTypen; ++i) {
        ergs.cGeometrie = anw.cGeometrie;
        TKDornErgebnis& erg = ergs.DornErgebnis(i);
        erg.TStatusd = 1;
        erg.TStatus = Status::AbstandUnterMin;
        while (Wiederholen(erg.TStatus)) {
            if (!Durchgang(anw, i, meldeweg, laeufe)) {
                break;
            }
        }
        if (erg.TStatus == Status::OK && erg.TStatusd == 0) {
            erg.Warnungen.Add(Warnung::DuennstePlatte);
        }
        ergs.cGeometrie.TPlatteDicke = anw.cGeometrie.TPlatteDicke;
    }
    ergs.TAktDorn = static_cast<std::uint8_t>(EmpfohlenerDorn(anw));
}

void TKVSKBemessung::NachweisDorn(TKAnwendung& anw, int typ) {
    TKErgebnisse& ergs = anw.cErgebnisse;
    TKDornErgebnis& erg = ergs.DornErgebnis(typ);
    MeldungenLeeren(erg);
    erg.TDornAnordnung = 0;
    Widerstaende(anw, typ);
    const bool unbrauchbar = Unbrauchbar(anw, erg);
    VorhandeneBewehrung(anw, typ);
    erg.setTFRdBewehrung(static_cast<double>(BewehrungWiderstand(anw, typ)));
    erg.TStatus = static_cast<std::uint16_t>(PruefeDorn(anw, typ, unbrauchbar));
    if (erg.TStatus == Status::OK && erg.TStatusd == 0) {
        erg.Warnungen.Add(Warnung::DuennstePlatte);
    }
}

bool TKVSKBemessung::BewehrungsbreitenBerechnen(TKAnwendung& anw, int typ) {
    BewehrungsbreitenNeu(anw, typ);
    return true;
}

void RunDesign(TKAnwendung& anwendung, Plattform& plattform) {
    TKVSKBemessung bemessung(plattform);
    bemessung.Bemessen(anwendung);
}

} // namespace vsk
