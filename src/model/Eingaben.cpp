#include "model/Eingaben.h"

#include "shell/Zahlen.h"

#include <algorithm>
#include <array>

namespace vsk {

namespace {

constexpr Feldgrenzen AbMm(double unten) {
    return {Pruefmodus::NurUnten, unten, 0, "mm"};
}

void SetzeLastwert(TKLast& last, Lastwert wert, double v) {
    switch (wert) {
    case Lastwert::Gk:
        last.setTGk(v);
        return;
    case Lastwert::Gg:
        last.setTgg(v);
        return;
    case Lastwert::Qk:
        last.setTQk(v);
        return;
    case Lastwert::Gq:
        last.setTgq(v);
        return;
    case Lastwert::F1:
        last.setTF1(v);
        return;
    }
}

// The loading keeps a load case that fits the application case.
void SetzeLastfall(TKBelastung& b, std::uint8_t fall, Eingabefolgen& folgen) {
    b.TBelastungsfall = fall;
    folgen.layout = true;
    folgen.eingabemodus = true;
}

Eingabefolgen SpeichereGeometrie(TKAnwendung& a, Geometriefeld feld, double wert) {
    Eingabefolgen folgen;
    TKGeometrie& g = a.cGeometrie;
    TKGeometrie vorher = g;
    Geometriewert(g, feld) = wert;
    if (feld == Geometriefeld::Plattendicke) {
        // The effective depth (a hidden field) follows the slab; it never reaches into a
        // cover below of more than 40 mm, which the check before a design refuses with no
        // field left to mend it.
        g.TNutzhoehe = g.TPlatteDicke - std::max(NutzhoeheAbstandMm, g.TBetondeckungUnten);
        folgen.nutzhoehe = true;
    }
    // Leaving a field without a change keeps the results; a derived change does not.
    folgen.eingabemodus =
        g.TNutzhoehe != vorher.TNutzhoehe || Geometriewert(g, feld) != Geometriewert(vorher, feld);
    return folgen;
}

// Leaving the joint length clips the arbitrary load, whether or not the value was taken.
void FolgeFugenlaenge(TKAnwendung& a, Geometriefeld feld) {
    if (feld == Geometriefeld::Fugenlaenge) {
        a.cBelastungDesign.SetLastLaenge(a.cGeometrie.WirksameFugenlaenge());
    }
}

Eingabefolgen SpeichereLast(TKAnwendung& a, Lastseite seite, Lastwert wert, double v) {
    TKBelastung& b = a.cBelastungDesign;
    SetzeLastwert(Last(b, seite), wert, v);
    if (seite == Lastseite::Links && RechteFolgtLinker(b)) {
        SetzeLastwert(b.cLinienLastRechts, wert, v);
    }
    if (seite != Lastseite::Punkt) {
        b.ClassifyLinienLast();
    }
    Eingabefolgen folgen;
    folgen.summen = true;
    return folgen;
}

} // namespace

const Feldvorgabe& Vorgabe(Geometriefeld feld) {
    // In the order of Geometriefeld.
    static const std::array<Feldvorgabe, 9> vorgaben{{
        {AbMm(100), 300, "300"},                         // wall thickness
        {AbMm(160), 160, "160"},                         // slab thickness
        {AbMm(10), 30, "30"},                            // cover above
        {AbMm(10), 30, "30"},                            // cover below
        {AbMm(10), 120, "120"},                          // effective depth
        {AbMm(120), 0.5, "0"},                           // edge distance right
        {AbMm(120), 0.5, "0"},                           // edge distance left
        {AbMm(10), 30, "30"},                            // cover to the front
        {{Pruefmodus::Beide, 300, 30000, "mm"}, 2, "2"}, // joint length
    }};
    return vorgaben[static_cast<std::size_t>(feld)];
}

const Feldvorgabe& Lastvorgabe() {
    static const Feldvorgabe vorgabe{{Pruefmodus::NurUnten, 0, 0}, 0, "0"};
    return vorgabe;
}

Feldgrenzen Lastgrenzen(Lastseite seite, Lastwert wert) {
    Feldgrenzen g = Lastvorgabe().grenzen;
    if (wert != Lastwert::Gg && wert != Lastwert::Gq) {
        g.einheit = seite == Lastseite::Punkt ? "kN" : "kN/m";
    }
    return g;
}

double& Geometriewert(TKGeometrie& g, Geometriefeld feld) {
    switch (feld) {
    case Geometriefeld::Wanddicke:
        return g.TWandDicke;
    case Geometriefeld::Plattendicke:
        return g.TPlatteDicke;
    case Geometriefeld::DeckungOben:
        return g.TBetondeckungOben;
    case Geometriefeld::DeckungUnten:
        return g.TBetondeckungUnten;
    case Geometriefeld::Nutzhoehe:
        return g.TNutzhoehe;
    case Geometriefeld::RandRechts:
        return g.TBauteilRandRechts;
    case Geometriefeld::RandLinks:
        return g.TBauteilRandLinks;
    case Geometriefeld::DeckungVorn:
        return g.TBetondeckungVorn;
    case Geometriefeld::Fugenlaenge:
        break;
    }
    return g.TFugenlaenge;
}

TKLast& Last(TKBelastung& b, Lastseite seite) {
    switch (seite) {
    case Lastseite::Punkt:
        return b.cPunktlast;
    case Lastseite::Links:
        return b.cLinienLastLinks;
    case Lastseite::Rechts:
        break;
    }
    return b.cLinienLastRechts;
}

const TKLast& Last(const TKBelastung& b, Lastseite seite) {
    return Last(const_cast<TKBelastung&>(b), seite);
}

double LeseLastwert(const TKLast& last, Lastwert wert) {
    switch (wert) {
    case Lastwert::Gk:
        return last.TGk();
    case Lastwert::Gg:
        return last.Tgg();
    case Lastwert::Qk:
        return last.TQk();
    case Lastwert::Gq:
        return last.Tgq();
    case Lastwert::F1:
        break;
    }
    return last.TF1();
}

Eingabeergebnis GeometrieEingeben(TKAnwendung& a, Geometriefeld feld, std::string_view text,
                                  char trenner) {
    const Feldvorgabe& vorgabe = Vorgabe(feld);
    Eingabeergebnis e;
    e.meldung = PruefeFeld(text, vorgabe.grenzen, trenner);
    if (!e.meldung) {
        e.folgen = SpeichereGeometrie(a, feld, LeseWert(text, vorgabe.leerwert, trenner));
    }
    FolgeFugenlaenge(a, feld);
    return e;
}

Eingabeergebnis GeometrieWertEingeben(TKAnwendung& a, Geometriefeld feld, double wert) {
    Eingabeergebnis e;
    e.meldung = PruefeWert(wert, Vorgabe(feld).grenzen);
    if (!e.meldung) {
        e.folgen = SpeichereGeometrie(a, feld, wert);
    }
    FolgeFugenlaenge(a, feld);
    return e;
}

bool RechteFolgtLinker(const TKBelastung& b) {
    return b.TBelastungsfall == Belastungsfall::Konstant;
}

Eingabeergebnis LastEingeben(TKAnwendung& a, Lastseite seite, Lastwert wert, std::string_view text,
                             char trenner) {
    Eingabeergebnis e;
    e.meldung = PruefeFeld(text, Lastgrenzen(seite, wert), trenner);
    if (!e.meldung) {
        e.folgen = SpeichereLast(a, seite, wert, LeseWert(text, Lastvorgabe().leerwert, trenner));
    }
    return e;
}

Eingabeergebnis LastWertEingeben(TKAnwendung& a, Lastseite seite, Lastwert wert, double v) {
    Eingabeergebnis e;
    e.meldung = PruefeWert(v, Lastgrenzen(seite, wert));
    if (!e.meldung) {
        e.folgen = SpeichereLast(a, seite, wert, v);
    }
    return e;
}

Eingabefolgen WaehleAuswahl(TKAnwendung& a, Auswahl auswahl, int index) {
    Eingabefolgen folgen;
    if (index < 0) {
        return folgen;
    }
    std::uint8_t& wert = auswahl == Auswahl::BewehrungCalc ? a.TBewehrungCalc
                         : auswahl == Auswahl::Betonguete  ? a.TBetonguete
                                                           : a.cGeometrie.TFugenbreite;
    folgen.eingabemodus = wert != index;
    wert = static_cast<std::uint8_t>(index);
    return folgen;
}

Eingabefolgen WaehleAnwendungsfall(TKAnwendung& a, std::uint8_t fall) {
    a.TAnwendungsfall = fall;
    return AnwendungsfallDurchsetzen(a);
}

Eingabefolgen AnwendungsfallDurchsetzen(TKAnwendung& a) {
    Eingabefolgen folgen;
    folgen.layout = true;
    folgen.eingabemodus = true;
    const bool einzeln = a.TAnwendungsfall == Anwendungsfall::Einzeldorn;
    a.cGeometrie.TRandLinks = einzeln ? 1 : 0;
    a.cGeometrie.TRandRechts = einzeln ? 1 : 0;
    TKBelastung& b = a.cBelastungDesign;
    if (einzeln) {
        SetzeLastfall(b, Belastungsfall::Punktlast, folgen);
    } else if (b.TBelastungsfall == Belastungsfall::Punktlast) {
        SetzeLastfall(b, Belastungsfall::Linear, folgen);
    }
    return folgen;
}

Eingabefolgen WaehleLastfall(TKAnwendung& a, std::uint8_t fall) {
    Eingabefolgen folgen;
    TKBelastung& b = a.cBelastungDesign;
    TKLast& links = b.cLinienLastLinks;
    TKLast& rechts = b.cLinienLastRechts;
    if (fall == Belastungsfall::Konstant) {
        const double summe = WieAngezeigt(links.TFd());
        links.SetFdDirekt(summe);
        rechts.SetFdDirekt(summe);
    } else if (fall == Belastungsfall::Linear) {
        links.SetFdDirekt(WieAngezeigt(links.TFd()));
        rechts.SetFdDirekt(WieAngezeigt(rechts.TFd()));
    } else if (fall == Belastungsfall::Beliebig && b.PunktCount() > 0) {
        b.SetPunkt(0, 0, links.TFd());
        b.SetPunkt(b.PunktCount() - 1, a.cGeometrie.WirksameFugenlaenge(), rechts.TFd());
    }
    if (fall == Belastungsfall::Konstant || fall == Belastungsfall::Linear) {
        b.ClassifyLinienLast();
        folgen.linienlasten = true;
    }
    SetzeLastfall(b, fall, folgen);
    return folgen;
}

Eingabefolgen BeliebigeLastUebernehmen(TKBelastung& b) {
    Eingabefolgen folgen;
    if (b.PunktCount() == 0) {
        return folgen;
    }
    b.cLinienLastLinks.SetFdDirekt(b.GetPunkt(0).y);
    b.cLinienLastRechts.SetFdDirekt(b.GetPunkt(b.PunktCount() - 1).y);
    b.ClassifyLinienLast();
    folgen.linienlasten = true;
    return folgen;
}

void SetzeLastpunkte(TKBelastung& b, const std::vector<TPunkt>& punkte) {
    b.ClearPunkte();
    for (const TPunkt& p : punkte) {
        b.AddPunkt(p.x, p.y);
    }
    if (punkte.empty()) {
        // Emptying keeps the old resultant; clipping to the same length recomputes it.
        b.SetLastLaenge(b.TLastLaenge());
    }
}

Eingabefolgen SetzeBemessungseinstellungen(TKAnwendung& a, std::uint8_t maxDornabstand,
                                           std::string_view gammaMsText, std::uint8_t stahlguete,
                                           char trenner) {
    return SetzeBemessungseinstellungen(a, maxDornabstand,
                                        LeseWert(gammaMsText, VorgabeGammaMs, trenner), stahlguete);
}

Eingabefolgen SetzeBemessungseinstellungen(TKAnwendung& a, std::uint8_t maxDornabstand,
                                           double gammaMs, std::uint8_t stahlguete) {
    Eingabefolgen folgen;
    // Results of other settings than the shown ones no longer hold.
    folgen.eingabemodus = a.TMaxDornabstand != maxDornabstand || a.TStahlguete != stahlguete;
    a.TMaxDornabstand = maxDornabstand;
    a.TGammaMs = gammaMs;
    a.TStahlguete = stahlguete;
    return folgen;
}

void BenennePosition(TKAnwendung& a, std::string name) {
    a.TPosition = std::move(name);
}

double WieAngezeigt(double wert) {
    return LeseWert(FormatWert(wert, "0", '.'), 0, '.');
}

} // namespace vsk
