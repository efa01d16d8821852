#pragma once
// Every stored field of a model as lines of text, reals with 15 significant digits, so
// that two models compare field by field and a difference shows as the field's line.

#include "model/Modell.h"
#include "shell/Zahlen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vsk::test {

class ModellText {
public:
    static std::vector<std::string> Von(const TKModell& m) {
        ModellText t;
        t.Feld("TTempFlag", m.TTempFlag);
        t.Feld("TCalcFlag", m.TCalcFlag);
        t.Feld("TAnzAnwendung", m.TAnzAnwendung());
        t.Feld("TAktAnwendung", m.TAktAnwendung);
        t.Feld("TEingabeDorn", m.TEingabeDorn);
        t.Feld("TEingabeFugenbreite", m.TEingabeFugenbreite);
        t.Feld("TSkizzeAnzeige", m.TSkizzeAnzeige);
        t.Feld("TErgebnisAnzeige", m.TErgebnisAnzeige);
        t.Text("TBauvorhaben", m.Projektbeschreibung.TBauvorhaben);
        t.Liste("TFirma", m.Projektbeschreibung.TFirma);
        t.Text("TBearbeiter", m.Projektbeschreibung.TBearbeiter);
        t.Text("TDatum", m.Projektbeschreibung.TDatum);
        t.Liste("TBemerkung", m.Stueckliste.TBemerkung);
        for (int k = 1; k <= m.Stueckliste.EintragCount(); ++k) {
            t.Liste("TEintrag_" + std::to_string(k), m.Stueckliste.GetEintrag(k));
        }
        t.Geometrie("EingabeGeometrie", m.EingabeGeometrie);
        t.Feld("AktDornDaten.Typ", m.AktDornDaten.Typ);
        for (int k = 1; k <= m.TAnzAnwendung(); ++k) {
            t.Anwendung("Position_" + std::to_string(k), m.Anwendung(k));
        }
        return t.zeilen_;
    }

private:
    void Feld(const std::string& name, long long wert) {
        zeilen_.push_back(name + "=" + std::to_string(wert));
    }
    void Real(const std::string& name, double wert) {
        zeilen_.push_back(name + "=" + FormatAllgemein(wert));
    }
    void Text(const std::string& name, const std::string& wert) {
        zeilen_.push_back(name + "=\"" + wert + "\"");
    }
    void Liste(const std::string& name, const std::vector<std::string>& zeilen) {
        Feld(name + ".size", static_cast<long long>(zeilen.size()));
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            Text(name + "[" + std::to_string(i) + "]", zeilen[i]);
        }
    }
    void Last(const std::string& p, const TKLast& l) {
        Real(p + ".TGk", l.TGk());
        Real(p + ".TQk", l.TQk());
        Real(p + ".TFd", l.TFd());
        Real(p + ".TF1", l.TF1());
        Real(p + ".Tgg", l.Tgg());
        Real(p + ".Tgq", l.Tgq());
    }
    void Geometrie(const std::string& p, const TKGeometrie& g) {
        Feld(p + ".TFugenbreite", g.TFugenbreite);
        Real(p + ".TNutzhoehe", g.TNutzhoehe);
        Real(p + ".TFugenlaenge", g.TFugenlaenge);
        Real(p + ".TBetondeckungUnten", g.TBetondeckungUnten);
        Real(p + ".TBetondeckungOben", g.TBetondeckungOben);
        Real(p + ".TBetondeckungVorn", g.TBetondeckungVorn);
        Real(p + ".TPlatteDicke", g.TPlatteDicke);
        Real(p + ".TWandDicke", g.TWandDicke);
        Feld(p + ".TRandLinks", g.TRandLinks);
        Feld(p + ".TRandRechts", g.TRandRechts);
        Real(p + ".TBauteilRandLinks", g.TBauteilRandLinks);
        Real(p + ".TBauteilRandRechts", g.TBauteilRandRechts);
    }
    void Meldungen(const std::string& p, const TKMeldungen& m) {
        Feld(p + ".Count", m.Count());
        for (int i = 0; i < m.Count(); ++i) {
            Feld(p + "[" + std::to_string(i) + "]", m.Code(i));
        }
    }
    void DornErgebnis(const std::string& p, const TKDornErgebnis& e) {
        Feld(p + ".TDornAnordnung", e.TDornAnordnung);
        Feld(p + ".AbstandCount", e.AbstandCount());
        for (int i = 0; i < e.AbstandCount(); ++i) {
            Real(p + ".A_" + std::to_string(i), e.GetAbstand(i));
        }
        Real(p + ".TAbstandLinks", e.TAbstandLinks);
        Real(p + ".TAbstandRechts", e.TAbstandRechts);
        Real(p + ".TIstMinAchs", e.TIstMinAchs);
        Real(p + ".TZulMinAchs", e.TZulMinAchs);
        Real(p + ".TZulMinRand", e.TZulMinRand);
        Real(p + ".TFRdStahl", e.TFRdStahl());
        Real(p + ".TFRdBeton", e.TFRdBeton());
        Real(p + ".TFRdBewehrung", e.TFRdBewehrung());
        Real(p + ".TFRd", e.TFRd());
        Real(p + ".TFSdIst", e.TFSdIst);
        Real(p + ".TEtaQ", e.TEtaQ);
        Real(p + ".TAsxErf", e.TAsxErf);
        Real(p + ".TAsyErf", e.TAsyErf);
        Real(p + ".TAsxIst", e.TAsxIst);
        Real(p + ".TAsyIst", e.TAsyIst);
        Real(p + ".Tbx", e.Tbx);
        Real(p + ".Tby", e.Tby);
        Feld(p + ".TStatus", e.TStatus);
        Feld(p + ".TStatusd", e.TStatusd);
        Feld(p + ".TAbstandMeldung", e.TAbstandMeldung);
        Meldungen(p + ".Fehler", e.Fehler);
        Meldungen(p + ".Warnungen", e.Warnungen);
    }
    void DornDaten(const std::string& p, const TKDornDaten& d) {
        Feld(p + ".Typ", d.Typ);
        Feld(p + ".DurchmB", d.DurchmB);
        Feld(p + ".DurchmD", d.DurchmD);
        Feld(p + ".AnzB", d.AnzB);
        Feld(p + ".AnzD", d.AnzD);
        Real(p + ".LaengeB", d.LaengeB);
        Real(p + ".BreiteBuegel", d.BreiteBuegel);
        for (std::size_t i = 0; i < d.AbstandB.size(); ++i) {
            Real(p + ".AbstandB" + std::to_string(i), d.AbstandB[i]);
        }
        for (std::size_t i = 0; i < d.AbstandD.size(); ++i) {
            Real(p + ".AbstandD" + std::to_string(i), d.AbstandD[i]);
        }
    }
    void Anwendung(const std::string& p, const TKAnwendung& a) {
        Feld(p + ".TAktLand", a.TAktLand);
        Text(p + ".TPosition", a.TPosition);
        Feld(p + ".TMaxDornabstand", a.TMaxDornabstand);
        Feld(p + ".TBewehrungCalc", a.TBewehrungCalc);
        Feld(p + ".TAnwendungsfall", a.TAnwendungsfall);
        Feld(p + ".TBetonguete", a.TBetonguete);
        Feld(p + ".TStahlguete", a.TStahlguete);
        Real(p + ".TGammaMs", a.TGammaMs);
        Last(p + ".ctmpLast", a.ctmpLast);
        const TKBelastung& b = a.cBelastungDesign;
        Feld(p + ".TBelastungsfall", b.TBelastungsfall);
        Real(p + ".TGammaf", b.TGammaf);
        Real(p + ".TLastLaenge", b.TLastLaenge());
        Feld(p + ".TLinienLast", b.TLinienLast);
        Feld(p + ".PunktCount", b.PunktCount());
        for (int i = 0; i < b.PunktCount(); ++i) {
            Real(p + ".Punkt" + std::to_string(i) + ".x", b.GetPunkt(i).x);
            Real(p + ".Punkt" + std::to_string(i) + ".y", b.GetPunkt(i).y);
        }
        // Resultierende is not stored: it is rebuilt from the points as read (15 digits).
        Last(p + ".cLinienLastLinks", b.cLinienLastLinks);
        Last(p + ".cLinienLastRechts", b.cLinienLastRechts);
        Last(p + ".cPunktlast", b.cPunktlast);
        Geometrie(p + ".cGeometrie", a.cGeometrie);
        const TKErgebnisse& e = a.cErgebnisse;
        Feld(p + ".TAktDorn", e.TAktDorn);
        Feld(p + ".TBerechnet", e.TBerechnet);
        Geometrie(p + ".cErgebnisse.cGeometrie", e.cGeometrie);
        for (int i = 0; i < AnzDornTypen; ++i) {
            DornErgebnis(p + "." + DornKennung(i), e.DornErgebnis(i));
            Feld(p + ".TAnzDorn_" + DornKennung(i), e.TAnzDorn(i));
            DornDaten(p + ".DornDaten_" + DornKennung(i), e.DornDaten(i));
        }
    }

    std::vector<std::string> zeilen_;
};

// Fails with the first lines that differ.
inline ::testing::AssertionResult GleicheFelder(const TKModell& ist, const TKModell& soll) {
    auto a = ModellText::Von(ist);
    auto b = ModellText::Von(soll);
    std::string unterschiede;
    int n = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) && n < 8; ++i) {
        std::string x = i < a.size() ? a[i] : "(none)";
        std::string y = i < b.size() ? b[i] : "(none)";
        if (x != y) {
            unterschiede += "\n  is " + x + "\n  expected " + y;
            ++n;
        }
    }
    if (n == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "fields differ:" << unterschiede;
}

} // namespace vsk::test
