#include "model/ProjektLesen.h"

#include "katalog/Katalog.h"
#include "model/Anwendung.h"
#include "model/Belastung.h"
#include "model/DornErgebnis.h"
#include "model/Ergebnisse.h"
#include "model/Geometrie.h"
#include "model/Last.h"
#include "model/Meldungen.h"
#include "model/ProjektSchreiben.h"
#include "model/Projektdaten.h"
#include "model/Stueckliste.h"
#include "shell/Zahlen.h"

#include <limits>

namespace vsk {

namespace {

bool HatKinder(const xml::Knoten* knoten) {
    return xml::ErstesKindElement(knoten) != nullptr;
}

bool LeseIntegerText(std::string_view text, std::int64_t& wert) {
    auto zahl = LeseGanzzahl(text);
    if (!zahl) {
        return false;
    }
    wert = *zahl;
    return true;
}

bool LeseRealText(std::string_view text, double& wert) {
    auto zahl = LeseZahlBeliebigerTrenner(text);
    if (!zahl) {
        // The writer spells values that are not finite like this; a saved file must open.
        if (text == "INF" || text == "-INF" || text == "NAN") {
            wert = text == "NAN"   ? std::numeric_limits<double>::quiet_NaN()
                   : text == "INF" ? std::numeric_limits<double>::infinity()
                                   : -std::numeric_limits<double>::infinity();
            return true;
        }
        return false;
    }
    wert = *zahl;
    return true;
}

// The groups around an element below the root, "Projekt/Position_2/cGeometrie".
std::string Pfad(const xml::Knoten* knoten) {
    std::string pfad;
    for (; knoten && knoten->eltern; knoten = knoten->eltern) {
        pfad.insert(0, std::string(xml::Name(knoten)) + (pfad.empty() ? "" : "/"));
    }
    return pfad;
}

// A value element that is missing, or whose text is not what it should be.
Lesegrund Grund(const xml::Knoten* kind) {
    return kind ? Lesegrund::Ungueltig : Lesegrund::Fehlt;
}

} // namespace

bool ProjektLeser::Scheitert(const xml::Knoten* eltern, std::string_view name, Lesegrund grund) {
    if (!fehler_) {
        const xml::Knoten* kind = xml::Kind(eltern, name);
        const std::string pfad = Pfad(eltern);
        fehler_ =
            Lesestelle{grund, pfad.empty() ? std::string(name) : pfad + "/" + std::string(name),
                       xml::Zeile(kind ? kind : eltern)};
    }
    return false;
}

std::vector<std::string> ProjektLeser::LeseNummerierteTexte(const xml::Knoten* liste,
                                                            const std::string& praefix,
                                                            std::size_t grenze) {
    std::vector<std::string> texte;
    if (!HatKinder(liste)) {
        return texte;
    }
    xml::KindIndex index(liste);
    if (index.Anzahl() > grenze) {
        Scheitert(liste->eltern, xml::Name(liste), Lesegrund::Grenze);
        return texte;
    }
    texte.reserve(index.Anzahl());
    for (std::size_t k = 1; k <= index.Anzahl(); ++k) {
        texte.emplace_back(xml::Text(index.Finde(praefix + std::to_string(k))));
    }
    return texte;
}

bool ProjektLeser::LeseInteger(const xml::Knoten* eltern, const char* name, std::int64_t& wert) {
    if (!HatKinder(eltern)) {
        return true;
    }
    const xml::Knoten* kind = xml::Kind(eltern, name);
    return LeseIntegerText(xml::Text(kind), wert) || Scheitert(eltern, name, Grund(kind));
}

// A whole number beyond its field (a count of a million connectors, a negative one) is no
// value this program wrote: it would be taken modulo the field's size.
template <typename Feld>
bool ProjektLeser::LeseVorzeichenlos(const xml::Knoten* eltern, const char* name, Feld& wert) {
    std::int64_t v = wert;
    if (!LeseInteger(eltern, name, v)) {
        return false;
    }
    if (v < 0 || v > std::numeric_limits<Feld>::max()) {
        return Scheitert(eltern, name, Lesegrund::Ungueltig);
    }
    wert = static_cast<Feld>(v);
    return true;
}

bool ProjektLeser::LeseByte(const xml::Knoten* eltern, const char* name, std::uint8_t& wert) {
    return LeseVorzeichenlos(eltern, name, wert);
}

bool ProjektLeser::LeseWort(const xml::Knoten* eltern, const char* name, std::uint16_t& wert) {
    return LeseVorzeichenlos(eltern, name, wert);
}

bool ProjektLeser::LeseAuswahl(const xml::Knoten* eltern, const char* name, std::uint8_t& wert,
                               int anzahl) {
    std::int64_t v = wert;
    if (!LeseInteger(eltern, name, v)) {
        return false;
    }
    if (v >= 0 && v < anzahl) {
        wert = static_cast<std::uint8_t>(v);
    }
    return true;
}

bool ProjektLeser::LeseReal(const xml::Knoten* eltern, const char* name, double& wert) {
    if (!HatKinder(eltern)) {
        return true;
    }
    const xml::Knoten* kind = xml::Kind(eltern, name);
    return LeseRealText(xml::Text(kind), wert) || Scheitert(eltern, name, Grund(kind));
}

void ProjektLeser::LeseFlag(const xml::Knoten* eltern, const char* name, std::uint8_t& wert) {
    if (!HatKinder(eltern)) {
        return;
    }
    const std::string_view text = xml::Text(xml::Kind(eltern, name));
    if (text == "1") {
        wert = 1;
    } else if (text == "0") {
        wert = 0;
    }
}

void ProjektLeser::LeseText(const xml::Knoten* eltern, const char* name, std::string& wert) {
    if (!HatKinder(eltern)) {
        return;
    }
    wert = std::string(xml::Text(xml::Kind(eltern, name)));
}

std::vector<std::string> ProjektLeser::LeseStringListe(const xml::Knoten* eltern,
                                                       const char* name) {
    return LeseNummerierteTexte(xml::Kind(eltern, name), "String_", MaxTextzeilen);
}

namespace {

// The group element, or null when it is missing or empty (the group then reads as false).
const xml::Knoten* Gruppe(ProjektLeser& leser, const xml::Knoten* eltern, const char* name) {
    const xml::Knoten* g = xml::Kind(eltern, name);
    if (HatKinder(g)) {
        return g;
    }
    leser.Scheitert(eltern, name, Lesegrund::Fehlt);
    return nullptr;
}

} // namespace

bool ProjektLeser::LeseLast(const xml::Knoten* eltern, const char* name, TKLast& last) {
    const xml::Knoten* g = Gruppe(*this, eltern, name);
    if (!g) {
        return false;
    }
    // TFd is stored as it was written; the setters of the other values would recompute
    // it, so collect first and put TFd back last.
    double gk = last.TGk(), qk = last.TQk(), fd = last.TFd(), f1 = last.TF1();
    double gg = last.Tgg(), gq = last.Tgq();
    bool ok = LeseReal(g, "TGk", gk) && LeseReal(g, "TQk", qk) && LeseReal(g, "TFd", fd) &&
              LeseReal(g, "TF1", f1) && LeseReal(g, "Tgg", gg) && LeseReal(g, "Tgq", gq);
    last.setTGk(gk);
    last.setTQk(qk);
    last.setTF1(f1);
    last.setTgg(gg);
    last.setTgq(gq);
    last.setTFd(fd);
    return ok;
}

bool ProjektLeser::LeseGeometrie(const xml::Knoten* eltern, const char* name, TKGeometrie& geo) {
    const xml::Knoten* g = Gruppe(*this, eltern, name);
    if (!g) {
        return false;
    }
    if (!LeseAuswahl(g, "TFugenbreite", geo.TFugenbreite, AnzFugenbreiten)) {
        return false;
    }
    if (!(LeseReal(g, "TNutzhoehe", geo.TNutzhoehe) &&
          LeseReal(g, "TFugenlaenge", geo.TFugenlaenge) &&
          LeseReal(g, "TBetondeckungUnten", geo.TBetondeckungUnten) &&
          LeseReal(g, "TBetondeckungOben", geo.TBetondeckungOben) &&
          LeseReal(g, "TBetondeckungVorn", geo.TBetondeckungVorn) &&
          LeseReal(g, "TPlatteDicke", geo.TPlatteDicke) &&
          LeseReal(g, "TWandDicke", geo.TWandDicke))) {
        return false;
    }
    LeseFlag(g, "TRandLinks", geo.TRandLinks);
    LeseFlag(g, "TRandRechts", geo.TRandRechts);
    return LeseReal(g, "TBauteilRandLinks", geo.TBauteilRandLinks) &&
           LeseReal(g, "TBauteilRandRechts", geo.TBauteilRandRechts);
}

bool ProjektLeser::LeseBelastung(const xml::Knoten* eltern, const char* name, TKBelastung& bel) {
    const xml::Knoten* g = Gruppe(*this, eltern, name);
    if (!g) {
        return false;
    }
    double laenge = bel.TLastLaenge();
    if (!LeseAuswahl(g, "TBelastungsfall", bel.TBelastungsfall, Belastungsfall::Anzahl) ||
        !LeseReal(g, "TGammaf", bel.TGammaf) || !LeseReal(g, "TLastLaenge", laenge)) {
        return false;
    }
    // The stored length does not clip the stored points.
    bel.setTLastLaenge(laenge);

    xml::KindIndex index(g);
    std::size_t punkte = index.Anzahl() > 7 ? (index.Anzahl() - 7) / 2 : 0;
    if (punkte > MaxLastpunkte) {
        return Scheitert(eltern, name, Lesegrund::Grenze);
    }
    bel.ClearPunkte();
    const auto koordinate = [&](const std::string& element, double& wert) {
        const xml::Knoten* kind = index.Finde(element);
        return LeseRealText(xml::Text(kind), wert) || Scheitert(g, element, Grund(kind));
    };
    for (std::size_t j = 0; j < punkte; ++j) {
        const std::string stamm = "TbeliebigeLast_" + std::to_string(j);
        double x = 0;
        double y = 0;
        if (!koordinate(stamm + "_x", x) || !koordinate(stamm + "_y", y)) {
            return false;
        }
        bel.AddPunkt(x, y);
    }
    if (!LeseAuswahl(g, "TLinienLast", bel.TLinienLast, Linienlastform::Anzahl)) {
        return false;
    }
    return LeseLast(g, "cLinienLastLinks", bel.cLinienLastLinks) &&
           LeseLast(g, "cLinienLastRechts", bel.cLinienLastRechts) &&
           LeseLast(g, "cPunktlast", bel.cPunktlast);
}

bool ProjektLeser::LeseMeldungen(const xml::Knoten* eltern, const char* name,
                                 TKMeldungen& meldungen) {
    meldungen.Clear();
    const xml::Knoten* liste = xml::Kind(eltern, name);
    if (!HatKinder(liste)) {
        return true;
    }
    xml::KindIndex index(liste);
    if (index.Anzahl() > MaxMeldungen) {
        return Scheitert(eltern, name, Lesegrund::Grenze);
    }
    for (std::size_t k = 1; k <= index.Anzahl(); ++k) {
        const std::string element = "TMeldungen_" + std::to_string(k);
        const xml::Knoten* kind = index.Finde(element);
        std::int64_t code = 0;
        if (!LeseIntegerText(xml::Text(kind), code)) {
            return Scheitert(liste, element, Grund(kind));
        }
        meldungen.Add(static_cast<std::uint16_t>(code));
    }
    return true;
}

namespace {

// The numbered reals "A_0", "A_1", ... of a list element, as many as it has children.
bool LeseAbstaende(ProjektLeser& leser, const xml::Knoten* eltern, const char* name,
                   std::vector<double>& abstaende) {
    abstaende.clear();
    const xml::Knoten* liste = xml::Kind(eltern, name);
    if (!HatKinder(liste)) {
        return true;
    }
    xml::KindIndex index(liste);
    if (index.Anzahl() > MaxAbstaende) {
        return leser.Scheitert(eltern, name, Lesegrund::Grenze);
    }
    abstaende.reserve(index.Anzahl());
    for (std::size_t i = 0; i < index.Anzahl(); ++i) {
        const std::string element = "A_" + std::to_string(i);
        const xml::Knoten* kind = index.Finde(element);
        double a = 0;
        if (!LeseRealText(xml::Text(kind), a)) {
            return leser.Scheitert(liste, element, Grund(kind));
        }
        abstaende.push_back(a);
    }
    return true;
}

} // namespace

bool ProjektLeser::LeseDornErgebnis(const xml::Knoten* eltern, const char* name,
                                    TKDornErgebnis& e) {
    const xml::Knoten* g = Gruppe(*this, eltern, name);
    if (!g) {
        return false;
    }
    e.ClearAbstaende();
    if (!LeseByte(g, "TDornAnordnung", e.TDornAnordnung)) {
        return false;
    }
    std::vector<double> abstaende;
    if (!LeseAbstaende(*this, g, "TDornAbstand", abstaende)) {
        return false;
    }
    for (double a : abstaende) {
        e.AddAbstand(a);
    }
    // TFRd is stored as written; the three resistance setters would recompute it.
    double stahl = e.TFRdStahl(), beton = e.TFRdBeton(), bewehrung = e.TFRdBewehrung();
    double frd = e.TFRd();
    bool ok = LeseReal(g, "TAbstandLinks", e.TAbstandLinks) &&
              LeseReal(g, "TAbstandRechts", e.TAbstandRechts) &&
              LeseReal(g, "TIstMinAchs", e.TIstMinAchs) &&
              LeseReal(g, "TZulMinAchs", e.TZulMinAchs) &&
              LeseReal(g, "TZulMinRand", e.TZulMinRand) && LeseReal(g, "TFRdStahl", stahl) &&
              LeseReal(g, "TFRdBeton", beton) && LeseReal(g, "TFRdBewehrung", bewehrung) &&
              LeseReal(g, "TFRd", frd) && LeseReal(g, "TFSdIst", e.TFSdIst) &&
              LeseReal(g, "TEtaQ", e.TEtaQ) && LeseReal(g, "TAsxErf", e.TAsxErf) &&
              LeseReal(g, "TAsyErf", e.TAsyErf) && LeseReal(g, "TAsxIst", e.TAsxIst) &&
              LeseReal(g, "TAsyIst", e.TAsyIst) && LeseReal(g, "Tbx", e.Tbx) &&
              LeseReal(g, "Tby", e.Tby) && LeseWort(g, "TStatus", e.TStatus);
    e.setTFRdStahl(stahl);
    e.setTFRdBeton(beton);
    e.setTFRdBewehrung(bewehrung);
    e.setTFRd(frd);
    if (!ok) {
        return false;
    }
    LeseFlag(g, "TStatusd", e.TStatusd);
    LeseFlag(g, "TAbstandMeldung", e.TAbstandMeldung);
    return LeseMeldungen(g, "Fehler", e.Fehler) && LeseMeldungen(g, "Warnungen", e.Warnungen);
}

bool ProjektLeser::LeseDornDaten(const xml::Knoten* g, TKDornDaten& d) {
    // Read into a copy: a record is taken whole or not at all.
    TKDornDaten neu = d;
    std::int64_t durchmB = neu.DurchmB, durchmD = neu.DurchmD, anzB = neu.AnzB, anzD = neu.AnzD;
    const bool gelesen = LeseInteger(g, "DurchmB", durchmB) && LeseInteger(g, "DurchmD", durchmD) &&
                         LeseInteger(g, "AnzB", anzB) && LeseInteger(g, "AnzD", anzD) &&
                         LeseReal(g, "LaengeB", neu.LaengeB) &&
                         LeseReal(g, "BreiteBuegel", neu.BreiteBuegel) &&
                         LeseAbstaende(*this, g, "AbstandB", neu.AbstandB) &&
                         LeseAbstaende(*this, g, "AbstandD", neu.AbstandD);
    if (!gelesen) {
        return false;
    }
    const auto imBereich = [&](const char* name, std::int64_t wert, std::int64_t hoechstens) {
        return (wert >= 0 && wert <= hoechstens) || Scheitert(g, name, Lesegrund::Ungueltig);
    };
    constexpr std::int64_t MaxDurchmesser = 100;
    constexpr auto MaxAnzahl = static_cast<std::int64_t>(MaxAbstaende);
    if (!imBereich("DurchmB", durchmB, MaxDurchmesser) ||
        !imBereich("DurchmD", durchmD, MaxDurchmesser) || !imBereich("AnzB", anzB, MaxAnzahl) ||
        !imBereich("AnzD", anzD, MaxAnzahl)) {
        return false;
    }
    neu.DurchmB = static_cast<std::int32_t>(durchmB);
    neu.DurchmD = static_cast<std::int32_t>(durchmD);
    neu.AnzB = static_cast<std::int32_t>(anzB);
    neu.AnzD = static_cast<std::int32_t>(anzD);
    d = std::move(neu);
    return true;
}

bool ProjektLeser::LeseErgebnisse(const xml::Knoten* eltern, const char* name, TKErgebnisse& erg) {
    bewehrungGelesen_ = false;
    const xml::Knoten* g = Gruppe(*this, eltern, name);
    if (!g) {
        return false;
    }
    std::int64_t akt = erg.TAktDorn;
    if (!LeseInteger(g, "TAktDorn", akt)) {
        return false;
    }
    if (akt >= 0 && akt < AnzDornTypen) {
        erg.TAktDorn = static_cast<std::uint8_t>(akt);
    }
    LeseFlag(g, "TBerechnet", erg.TBerechnet);
    bool ok = LeseGeometrie(g, "cGeometrie", erg.cGeometrie);
    for (int i = 0; i < AnzDornTypen; ++i) {
        const std::string& kennung = DornKennung(i);
        if (ok) {
            ok = LeseDornErgebnis(g, ("cDornErgebnis_" + kennung).c_str(), erg.DornErgebnis(i));
        }
        // A count that cannot be read keeps the one there is; a count beyond its field fails
        // the results, as a broken connector result does.
        const std::string anzahlName = "TAnzDorn_" + kennung;
        std::int64_t anzahl = erg.TAnzDorn(i);
        if (LeseInteger(g, anzahlName.c_str(), anzahl)) {
            if (anzahl < 0 || anzahl > std::numeric_limits<std::uint16_t>::max()) {
                ok = Scheitert(g, anzahlName, Lesegrund::Ungueltig);
            } else {
                erg.setTAnzDorn(i, static_cast<std::uint16_t>(anzahl));
            }
        }
        erg.DornDaten(i).Laden(i);
    }
    // The designed reinforcement, written after everything else by this program's
    // versions; files without it keep the catalogue records (the caller designs them again).
    bool alle = ok;
    for (int i = 0; ok && i < AnzDornTypen; ++i) {
        const xml::Knoten* daten = xml::Kind(g, DornDatenElement + DornKennung(i));
        alle = alle && daten != nullptr;
        if (HatKinder(daten)) {
            ok = LeseDornDaten(daten, erg.DornDaten(i));
        }
    }
    bewehrungGelesen_ = ok && alle;
    return ok;
}

bool ProjektLeser::LeseAnwendung(const xml::Knoten* eltern, const char* name, TKAnwendung& anw) {
    return LesePosition(xml::Kind(eltern, name), anw, eltern, name);
}

bool ProjektLeser::LesePosition(const xml::Knoten* g, TKAnwendung& anw, const xml::Knoten* eltern,
                                std::string_view name) {
    if (!HatKinder(g)) {
        return Scheitert(eltern, name, Lesegrund::Fehlt);
    }
    if (!LeseByte(g, "TAktLand", anw.TAktLand)) {
        return false;
    }
    LeseText(g, "TPosition", anw.TPosition);
    return LeseAuswahl(g, "TMaxDornabstand", anw.TMaxDornabstand, 2) &&
           LeseAuswahl(g, "TBewehrungCalc", anw.TBewehrungCalc, 2) &&
           LeseAuswahl(g, "TAnwendungsfall", anw.TAnwendungsfall, Anwendungsfall::Anzahl) &&
           LeseAuswahl(g, "TBetonguete", anw.TBetonguete, AnzBetongueten) &&
           LeseAuswahl(g, "TStahlguete", anw.TStahlguete, AnzStahlgueten) &&
           LeseReal(g, "TGammaMs", anw.TGammaMs) &&
           LeseGeometrie(g, "cGeometrie", anw.cGeometrie) &&
           LeseLast(g, "ctmpLast", anw.ctmpLast) &&
           LeseBelastung(g, "cBelastungDesign", anw.cBelastungDesign) &&
           LeseErgebnisse(g, "cErgebnisse", anw.cErgebnisse);
}

bool ProjektLeser::LeseProjektdaten(const xml::Knoten* eltern, const char* name,
                                    TKProjektdaten& daten) {
    const xml::Knoten* g = Gruppe(*this, eltern, name);
    if (!g) {
        return false;
    }
    LeseText(g, "TBauvorhaben", daten.TBauvorhaben);
    daten.TFirma = LeseStringListe(g, "TFirma");
    LeseText(g, "TBearbeiter", daten.TBearbeiter);
    LeseText(g, "TDatum", daten.TDatum);
    return !fehler_;
}

bool ProjektLeser::LeseStueckliste(const xml::Knoten* eltern, const char* name,
                                   TKStueckliste& liste) {
    const xml::Knoten* g = Gruppe(*this, eltern, name);
    if (!g) {
        return false;
    }
    liste.TBemerkung = LeseStringListe(g, "TBemerkung");
    liste.ClearEintraege();
    xml::KindIndex index(g);
    if (index.Anzahl() > MaxStuecklisteneintraege) {
        return Scheitert(eltern, name, Lesegrund::Grenze);
    }
    for (std::size_t k = 1; k < index.Anzahl() && !fehler_; ++k) {
        liste.AddEintrag(LeseNummerierteTexte(index.Finde("TEintrag_" + std::to_string(k)),
                                              "String_", MaxTextzeilen));
    }
    return !fehler_;
}

} // namespace vsk
