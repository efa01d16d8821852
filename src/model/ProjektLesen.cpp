#include "model/ProjektLesen.h"

#include <limits>

#include "katalog/Katalog.h"
#include "model/Anwendung.h"
#include "model/Belastung.h"
#include "model/DornErgebnis.h"
#include "model/Ergebnisse.h"
#include "model/Geometrie.h"
#include "model/Last.h"
#include "model/Meldungen.h"
#include "model/Projektdaten.h"
#include "model/Stueckliste.h"
#include "model/XmlBaum.h"
#include "shell/Zahlen.h"

#include <limits>

namespace vsk {

namespace {

bool HatKinder(const xmlNode* knoten) {
    return xml::ErstesKindElement(knoten) != nullptr;
}

// The group element, or null when it is missing or empty (the group then reads as false).
const xmlNode* Gruppe(const xmlNode* eltern, const char* name) {
    const xmlNode* g = xml::Kind(eltern, name);
    return HatKinder(g) ? g : nullptr;
}

bool LeseIntegerText(const std::string& text, std::int64_t& wert) {
    auto zahl = LeseGanzzahl(text);
    if (!zahl) {
        return false;
    }
    wert = *zahl;
    return true;
}

bool LeseRealText(const std::string& text, double& wert) {
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

// Reads the texts of the numbered children prefix1, prefix2, ... of a list element.
std::vector<std::string> LeseNummerierteTexte(const xmlNode* liste, const std::string& praefix) {
    std::vector<std::string> texte;
    if (!HatKinder(liste)) {
        return texte;
    }
    xml::KindIndex index(liste);
    texte.reserve(index.Anzahl());
    for (std::size_t k = 1; k <= index.Anzahl(); ++k) {
        texte.push_back(xml::Text(index.Finde(praefix + std::to_string(k))));
    }
    return texte;
}

} // namespace

bool LeseInteger(const xmlNode* eltern, const char* name, std::int64_t& wert) {
    if (!HatKinder(eltern)) {
        return true;
    }
    return LeseIntegerText(xml::Text(xml::Kind(eltern, name)), wert);
}

bool LeseByte(const xmlNode* eltern, const char* name, std::uint8_t& wert) {
    std::int64_t v = wert;
    if (!LeseInteger(eltern, name, v)) {
        return false;
    }
    wert = static_cast<std::uint8_t>(v);
    return true;
}

bool LeseWort(const xmlNode* eltern, const char* name, std::uint16_t& wert) {
    std::int64_t v = wert;
    if (!LeseInteger(eltern, name, v)) {
        return false;
    }
    wert = static_cast<std::uint16_t>(v);
    return true;
}

bool LeseAuswahl(const xmlNode* eltern, const char* name, std::uint8_t& wert, int anzahl) {
    std::int64_t v = wert;
    if (!LeseInteger(eltern, name, v)) {
        return false;
    }
    if (v >= 0 && v < anzahl) {
        wert = static_cast<std::uint8_t>(v);
    }
    return true;
}

bool LeseReal(const xmlNode* eltern, const char* name, double& wert) {
    if (!HatKinder(eltern)) {
        return true;
    }
    return LeseRealText(xml::Text(xml::Kind(eltern, name)), wert);
}

void LeseFlag(const xmlNode* eltern, const char* name, std::uint8_t& wert) {
    if (!HatKinder(eltern)) {
        return;
    }
    std::string text = xml::Text(xml::Kind(eltern, name));
    if (text == "1") {
        wert = 1;
    } else if (text == "0") {
        wert = 0;
    }
}

void LeseText(const xmlNode* eltern, const char* name, std::string& wert) {
    if (!HatKinder(eltern)) {
        return;
    }
    wert = xml::Text(xml::Kind(eltern, name));
}

std::vector<std::string> LeseStringListe(const xmlNode* eltern, const char* name) {
    return LeseNummerierteTexte(xml::Kind(eltern, name), "String_");
}

bool LeseLast(const xmlNode* eltern, const char* name, TKLast& last) {
    const xmlNode* g = Gruppe(eltern, name);
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

bool LeseGeometrie(const xmlNode* eltern, const char* name, TKGeometrie& geo) {
    const xmlNode* g = Gruppe(eltern, name);
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

bool LeseBelastung(const xmlNode* eltern, const char* name, TKBelastung& bel) {
    const xmlNode* g = Gruppe(eltern, name);
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
        return false;
    }
    bel.ClearPunkte();
    for (std::size_t j = 0; j < punkte; ++j) {
        std::string stamm = "TbeliebigeLast_" + std::to_string(j);
        double x = 0;
        double y = 0;
        if (!LeseRealText(xml::Text(index.Finde(stamm + "_x")), x) ||
            !LeseRealText(xml::Text(index.Finde(stamm + "_y")), y)) {
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

bool LeseMeldungen(const xmlNode* eltern, const char* name, TKMeldungen& meldungen) {
    meldungen.Clear();
    const xmlNode* liste = xml::Kind(eltern, name);
    if (!HatKinder(liste)) {
        return true;
    }
    xml::KindIndex index(liste);
    if (index.Anzahl() > MaxMeldungen) {
        return false;
    }
    for (std::size_t k = 1; k <= index.Anzahl(); ++k) {
        std::int64_t code = 0;
        if (!LeseIntegerText(xml::Text(index.Finde("TMeldungen_" + std::to_string(k))), code)) {
            return false;
        }
        meldungen.Add(static_cast<std::uint16_t>(code));
    }
    return true;
}

bool LeseDornErgebnis(const xmlNode* eltern, const char* name, TKDornErgebnis& e) {
    const xmlNode* g = Gruppe(eltern, name);
    if (!g) {
        return false;
    }
    e.ClearAbstaende();
    if (!LeseByte(g, "TDornAnordnung", e.TDornAnordnung)) {
        return false;
    }
    if (const xmlNode* abstaende = xml::Kind(g, "TDornAbstand"); HatKinder(abstaende)) {
        xml::KindIndex index(abstaende);
        for (std::size_t i = 0; i < index.Anzahl(); ++i) {
            double a = 0;
            if (!LeseRealText(xml::Text(index.Finde("A_" + std::to_string(i))), a)) {
                return false;
            }
            e.AddAbstand(a);
        }
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

bool LeseErgebnisse(const xmlNode* eltern, const char* name, TKErgebnisse& erg) {
    const xmlNode* g = Gruppe(eltern, name);
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
        std::uint16_t anzahl = erg.TAnzDorn(i);
        if (LeseWort(g, ("TAnzDorn_" + kennung).c_str(), anzahl)) {
            erg.setTAnzDorn(i, anzahl);
        }
        erg.DornDaten(i).Laden(i);
    }
    return ok;
}

bool LeseAnwendung(const xmlNode* eltern, const char* name, TKAnwendung& anw) {
    return LesePosition(xml::Kind(eltern, name), anw);
}

bool LesePosition(const xmlNode* g, TKAnwendung& anw) {
    if (!HatKinder(g)) {
        return false;
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

bool LeseProjektdaten(const xmlNode* eltern, const char* name, TKProjektdaten& daten) {
    const xmlNode* g = Gruppe(eltern, name);
    if (!g) {
        return false;
    }
    LeseText(g, "TBauvorhaben", daten.TBauvorhaben);
    daten.TFirma = LeseStringListe(g, "TFirma");
    LeseText(g, "TBearbeiter", daten.TBearbeiter);
    LeseText(g, "TDatum", daten.TDatum);
    return true;
}

bool LeseStueckliste(const xmlNode* eltern, const char* name, TKStueckliste& liste) {
    const xmlNode* g = Gruppe(eltern, name);
    if (!g) {
        return false;
    }
    liste.TBemerkung = LeseStringListe(g, "TBemerkung");
    liste.ClearEintraege();
    xml::KindIndex index(g);
    for (std::size_t k = 1; k < index.Anzahl(); ++k) {
        liste.AddEintrag(
            LeseNummerierteTexte(index.Finde("TEintrag_" + std::to_string(k)), "String_"));
    }
    return true;
}

} // namespace vsk
