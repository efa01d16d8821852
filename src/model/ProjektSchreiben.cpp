#include "model/ProjektSchreiben.h"

#include "model/Modell.h"
#include "model/XmlLesebaum.h"
#include "model/XmlTextschreiber.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <new>

namespace vsk {

namespace {

// The document tree as the target.
class Baumziel {
public:
    using Element = xmlNode*;

    // libxml2 reports a failed allocation with a null node; that ends the whole document.
    Element Kind(Element eltern, const std::string& name) {
        return Pruefe(xml::NeuesKind(eltern, name));
    }
    void TextKind(Element eltern, const std::string& name, const std::string& text) {
        Pruefe(xml::NeuesTextKind(eltern, name, text));
    }
    void Attribut(Element element, const std::string& name, const std::string& wert) {
        xml::SetzeAttribut(element, name.c_str(), wert);
    }

private:
    static xmlNode* Pruefe(xmlNode* knoten) {
        if (!knoten) {
            throw std::bad_alloc();
        }
        return knoten;
    }
};

// Writes one group after another below an element, into the tree or straight into the
// file's text (xml::Textschreiber): both give the same document.
template <typename Ziel> class Schreiber {
public:
    using Element = typename Ziel::Element;

    Schreiber(Ziel& ziel, char trenner) : ziel_(ziel), trenner_(trenner) {}

    Element Gruppe(Element eltern, const std::string& name) const {
        return ziel_.Kind(eltern, name);
    }
    void Text(Element eltern, const std::string& name, const std::string& wert) const {
        ziel_.TextKind(eltern, name, wert);
    }
    void Integer(Element eltern, const std::string& name, long long wert) const {
        Text(eltern, name, std::to_string(wert));
    }
    void Flag(Element eltern, const std::string& name, std::uint8_t wert) const {
        Text(eltern, name, wert != 0 ? "1" : "0");
    }
    void Real(Element eltern, const std::string& name, double wert) const {
        Text(eltern, name, FormatAllgemein(wert, trenner_));
    }
    void Liste(Element eltern, const std::string& name,
               const std::vector<std::string>& zeilen) const {
        Element liste = Gruppe(eltern, name);
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            Text(liste, "String_" + std::to_string(i + 1), zeilen[i]);
        }
    }

    // The header and the project below the root.
    void Dokument(Element wurzel, const TKModell& modell, const std::string& dateiName) const {
        Text(wurzel, "Copyright", CopyrightZeile);
        Element programm = Gruppe(wurzel, "Program");
        ziel_.Attribut(programm, "Name", ProgrammName);
        ziel_.Attribut(programm, "Version", ProgrammVersion);
        ziel_.Attribut(programm, "FileName", dateiName);
        Projekt(wurzel, modell);
    }

    void Last(Element eltern, const char* name, const TKLast& last) const {
        Element g = Gruppe(eltern, name);
        Real(g, "TGk", last.TGk());
        Real(g, "TQk", last.TQk());
        Real(g, "TFd", last.TFd());
        Real(g, "TF1", last.TF1());
        Real(g, "Tgg", last.Tgg());
        Real(g, "Tgq", last.Tgq());
    }

    void Geometrie(Element eltern, const char* name, const TKGeometrie& geo) const {
        Element g = Gruppe(eltern, name);
        Integer(g, "TFugenbreite", geo.TFugenbreite);
        Real(g, "TNutzhoehe", geo.TNutzhoehe);
        Real(g, "TFugenlaenge", geo.TFugenlaenge);
        Real(g, "TBetondeckungUnten", geo.TBetondeckungUnten);
        Real(g, "TBetondeckungOben", geo.TBetondeckungOben);
        Real(g, "TBetondeckungVorn", geo.TBetondeckungVorn);
        Real(g, "TPlatteDicke", geo.TPlatteDicke);
        Real(g, "TWandDicke", geo.TWandDicke);
        Flag(g, "TRandLinks", geo.TRandLinks);
        Flag(g, "TRandRechts", geo.TRandRechts);
        Real(g, "TBauteilRandLinks", geo.TBauteilRandLinks);
        Real(g, "TBauteilRandRechts", geo.TBauteilRandRechts);
    }

    void Belastung(Element eltern, const char* name, const TKBelastung& bel) const {
        Element g = Gruppe(eltern, name);
        Integer(g, "TBelastungsfall", bel.TBelastungsfall);
        Real(g, "TGammaf", bel.TGammaf);
        Real(g, "TLastLaenge", bel.TLastLaenge());
        Integer(g, "TLinienLast", bel.TLinienLast);
        const auto& punkte = bel.Punkte();
        for (std::size_t j = 0; j < punkte.size(); ++j) {
            std::string stamm = "TbeliebigeLast_" + std::to_string(j);
            Real(g, stamm + "_x", punkte[j].x);
            Real(g, stamm + "_y", punkte[j].y);
        }
        Last(g, "cLinienLastLinks", bel.cLinienLastLinks);
        Last(g, "cLinienLastRechts", bel.cLinienLastRechts);
        Last(g, "cPunktlast", bel.cPunktlast);
    }

    void Meldungen(Element eltern, const char* name, const TKMeldungen& meldungen) const {
        Element g = Gruppe(eltern, name);
        const auto& codes = meldungen.Codes();
        for (std::size_t i = 0; i < codes.size(); ++i) {
            Integer(g, "TMeldungen_" + std::to_string(i + 1), codes[i]);
        }
    }

    void DornErgebnis(Element eltern, const std::string& name, const TKDornErgebnis& e) const {
        Element g = Gruppe(eltern, name);
        Integer(g, "TDornAnordnung", e.TDornAnordnung);
        Abstaende(g, "TDornAbstand", e.Abstaende());
        Real(g, "TAbstandLinks", e.TAbstandLinks);
        Real(g, "TAbstandRechts", e.TAbstandRechts);
        Real(g, "TIstMinAchs", e.TIstMinAchs);
        Real(g, "TZulMinAchs", e.TZulMinAchs);
        Real(g, "TZulMinRand", e.TZulMinRand);
        Real(g, "TFRdStahl", e.TFRdStahl());
        Real(g, "TFRdBeton", e.TFRdBeton());
        Real(g, "TFRdBewehrung", e.TFRdBewehrung());
        Real(g, "TFRd", e.TFRd());
        Real(g, "TFSdIst", e.TFSdIst);
        Real(g, "TEtaQ", e.TEtaQ);
        Real(g, "TAsxErf", e.TAsxErf);
        Real(g, "TAsyErf", e.TAsyErf);
        Real(g, "TAsxIst", e.TAsxIst);
        Real(g, "TAsyIst", e.TAsyIst);
        Real(g, "Tbx", e.Tbx);
        Real(g, "Tby", e.Tby);
        Integer(g, "TStatus", e.TStatus);
        Flag(g, "TStatusd", e.TStatusd);
        Flag(g, "TAbstandMeldung", e.TAbstandMeldung);
        Meldungen(g, "Fehler", e.Fehler);
        Meldungen(g, "Warnungen", e.Warnungen);
    }

    void Abstaende(Element eltern, const char* name, const std::vector<double>& liste) const {
        Element g = Gruppe(eltern, name);
        for (std::size_t i = 0; i < liste.size(); ++i) {
            Real(g, "A_" + std::to_string(i), liste[i]);
        }
    }

    // The reinforcement the design and the reinforcement window gave the type.
    void DornDaten(Element eltern, const std::string& name, const TKDornDaten& d) const {
        Element g = Gruppe(eltern, name);
        Integer(g, "DurchmB", d.DurchmB);
        Integer(g, "DurchmD", d.DurchmD);
        Integer(g, "AnzB", d.AnzB);
        Integer(g, "AnzD", d.AnzD);
        Real(g, "LaengeB", d.LaengeB);
        Real(g, "BreiteBuegel", d.BreiteBuegel);
        Abstaende(g, "AbstandB", d.AbstandB);
        Abstaende(g, "AbstandD", d.AbstandD);
    }

    void Ergebnisse(Element eltern, const char* name, const TKErgebnisse& erg) const {
        Element g = Gruppe(eltern, name);
        Integer(g, "TAktDorn", erg.TAktDorn);
        Flag(g, "TBerechnet", erg.TBerechnet);
        Geometrie(g, "cGeometrie", erg.cGeometrie);
        for (int i = 0; i < AnzDornTypen; ++i) {
            const std::string& kennung = DornKennung(i);
            DornErgebnis(g, "cDornErgebnis_" + kennung, erg.DornErgebnis(i));
            Integer(g, "TAnzDorn_" + kennung, erg.TAnzDorn(i));
        }
        // After every element readers of the plain format know, so that they skip these.
        for (int i = 0; i < AnzDornTypen; ++i) {
            DornDaten(g, DornDatenElement + DornKennung(i), erg.DornDaten(i));
        }
    }

    void Anwendung(Element eltern, const std::string& name, const TKAnwendung& anw) const {
        Element g = Gruppe(eltern, name);
        Integer(g, "TAktLand", anw.TAktLand);
        Text(g, "TPosition", anw.TPosition);
        Integer(g, "TMaxDornabstand", anw.TMaxDornabstand);
        Integer(g, "TBewehrungCalc", anw.TBewehrungCalc);
        Integer(g, "TAnwendungsfall", anw.TAnwendungsfall);
        Integer(g, "TBetonguete", anw.TBetonguete);
        Integer(g, "TStahlguete", anw.TStahlguete);
        Real(g, "TGammaMs", anw.TGammaMs);
        Last(g, "ctmpLast", anw.ctmpLast);
        Belastung(g, "cBelastungDesign", anw.cBelastungDesign);
        Geometrie(g, "cGeometrie", anw.cGeometrie);
        Ergebnisse(g, "cErgebnisse", anw.cErgebnisse);
    }

    void Projekt(Element eltern, const TKModell& m) const {
        Element g = Gruppe(eltern, "Projekt");
        Flag(g, "TTempFlag", m.TTempFlag);
        Flag(g, "TCalcFlag", m.TCalcFlag);
        Integer(g, "TAnzAnwendung", m.TAnzAnwendung());
        Integer(g, "TAktAnwendung", m.TAktAnwendung);
        Integer(g, "TEingabeDorn", m.TEingabeDorn);
        Integer(g, "TEingabeFugenbreite", m.TEingabeFugenbreite);
        Integer(g, "TSkizzeAnzeige", m.TSkizzeAnzeige);
        Integer(g, "TErgebnisAnzeige", m.TErgebnisAnzeige);

        Element beschreibung = Gruppe(g, "Projektbeschreibung");
        const TKProjektdaten& p = m.Projektbeschreibung;
        Text(beschreibung, "TBauvorhaben", p.TBauvorhaben);
        Liste(beschreibung, "TFirma", p.TFirma);
        Text(beschreibung, "TBearbeiter", p.TBearbeiter);
        Text(beschreibung, "TDatum", p.TDatum);

        Element stueckliste = Gruppe(g, "Stueckliste");
        Liste(stueckliste, "TBemerkung", m.Stueckliste.TBemerkung);
        for (int k = 1; k <= m.Stueckliste.EintragCount(); ++k) {
            Liste(stueckliste, "TEintrag_" + std::to_string(k), m.Stueckliste.GetEintrag(k));
        }

        Geometrie(g, "EingabeGeometrie", m.EingabeGeometrie);
        const auto& anwendungen = m.Anwendungen();
        for (std::size_t k = 0; k < anwendungen.size(); ++k) {
            Anwendung(g, "Position_" + std::to_string(k + 1), anwendungen[k]);
        }
    }

private:
    Ziel& ziel_;
    char trenner_;
};

} // namespace

xml::Dokument BaueProjektDokument(const TKModell& modell, const std::string& dateiName,
                                  char trenner) {
    xml::Dokument dokument = xml::NeuesDokument(WurzelName);
    if (!dokument) {
        return nullptr;
    }
    try {
        Baumziel baum;
        Schreiber<Baumziel>(baum, trenner)
            .Dokument(xmlDocGetRootElement(dokument.get()), modell, dateiName);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return dokument;
}

std::optional<std::string> ProjektText(const TKModell& modell, const std::string& dateiName,
                                       char trenner) {
    // A position with results and a load line of 50 points takes about 48 KB; no file
    // beyond the reader's bound is kept anyway.
    constexpr std::size_t platzJePosition = 64 * 1024;
    const std::size_t platz =
        std::min<std::size_t>(platzJePosition * modell.TAnzAnwendung(), xml::MaxDateiGroesse);
    xml::Textschreiber text(WurzelName, platz);
    Schreiber<xml::Textschreiber>(text, trenner).Dokument(0, modell, dateiName);
    if (!text.InnerhalbDerGrenzen()) {
        return std::nullopt;
    }
    return text.Fertig();
}

} // namespace vsk
