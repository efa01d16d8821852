#pragma once
// A project that uses every part of the file: several positions with arbitrary loads,
// results that look designed (reals with all fifteen digits, tiny and large values,
// message lists, several spacings), schedule entries, remark and company lines, and
// texts with umlauts and XML's special characters.

#include "model/Modell.h"

#include <string>

namespace vsk::test {

inline TKModell VollesModell(int positionen = 3) {
    TKModell m(nullptr, "09.12.2026");
    m.TTempFlag = 0;
    m.TCalcFlag = 1;
    m.TEingabeDorn = 12;
    m.AktDornDaten.Laden(12);
    m.TEingabeFugenbreite = 5;
    m.TSkizzeAnzeige = SkizzenArt::Schnitt;
    m.TErgebnisAnzeige = SkizzenArt::Reihe;
    m.Projektbeschreibung.TBauvorhaben = "Überbauung <Nord> & \"Süd\"";
    m.Projektbeschreibung.TFirma = {"Ingenieurbüro Müller", "Hauptstraße 5", "8000 Zürich"};
    m.Projektbeschreibung.TBearbeiter = "  "; // blanks only: kept as they are
    m.Projektbeschreibung.TDatum = "01.02.2026";
    m.Stueckliste.TBemerkung = {"Bemerkung 1", "", "  eingerückt; 'Zeile' 3  ", "   ",
                                "Tab\tund\r\nZeilenende"};
    m.EingabeGeometrie.TPlatteDicke = 321.5;
    m.EingabeGeometrie.TRandLinks = 1;

    m.SetAnzAnwendung(static_cast<std::uint16_t>(positionen));
    for (int k = 1; k <= positionen; ++k) {
        TKAnwendung& a = m.Anwendung(k);
        const double f = 1.0 + k / 7.0;
        a.TAktLand = static_cast<std::uint8_t>(k % 8);
        a.TPosition = "Pos " + std::to_string(k) + " Wand/Decke ä";
        a.TAnwendungsfall = static_cast<std::uint8_t>(k % 3);
        a.TBewehrungCalc = 1;
        a.TMaxDornabstand = 0;
        a.TBetonguete = static_cast<std::uint8_t>(k % 4);
        a.TStahlguete = 1;
        a.TGammaMs = 1.1 * f;
        a.ctmpLast.setTGk(3.25 * f);
        a.ctmpLast.setTFd(99.125);

        TKBelastung& b = a.cBelastungDesign;
        b.TBelastungsfall = Belastungsfall::Beliebig;
        b.TGammaf = 0.000001 * f;
        b.cPunktlast.setTGk(12.5 * f);
        b.cPunktlast.setTQk(7.0 / 3.0);
        b.cLinienLastLinks.SetFdDirekt(40.0 / 3.0);
        b.cLinienLastRechts.setTQk(1e-7);
        b.cLinienLastRechts.setTgq(1.45);
        b.ClearPunkte();
        for (int j = 0; j < 6; ++j) {
            b.AddPunkt(j * 1234.5 * f, (j % 2 ? -1.0 : 1.0) * 17.0 / (j + 3));
        }
        b.AddPunkt(617.25, 8.5); // not at the end: file order is ascending x
        b.setTLastLaenge(6172.5 * f);
        b.ClassifyLinienLast();

        a.cGeometrie.TFugenbreite = static_cast<std::uint8_t>(k % 7);
        a.cGeometrie.TFugenlaenge = 4000 + k;
        a.cGeometrie.TPlatteDicke = 250.4;
        a.cGeometrie.TWandDicke = 1.0 / 3.0;
        a.cGeometrie.TRandRechts = 1;
        a.cGeometrie.TBauteilRandLinks = 123456789012.345;

        TKErgebnisse& e = a.cErgebnisse;
        e.TAktDorn = static_cast<std::uint8_t>((k * 5) % 19);
        e.TBerechnet = 1;
        e.cGeometrie = a.cGeometrie;
        e.cGeometrie.TPlatteDicke = 240.0000000001;
        for (int i = 0; i < AnzDornTypen; ++i) {
            TKDornErgebnis& r = e.DornErgebnis(i);
            r.TDornAnordnung = static_cast<std::uint8_t>(i % 2);
            r.ClearAbstaende();
            for (int s = 0; s <= i % 5; ++s) {
                r.AddAbstand(150 + s * 333.333333333333 + i);
            }
            r.TAbstandLinks = 80.5 + i;
            r.TAbstandRechts = 81.25 + i;
            r.TIstMinAchs = 2.0 / 3.0 * (i + 1);
            r.TZulMinAchs = 160;
            r.TZulMinRand = 80;
            r.setTFRdStahl(63.2432432432432 + i);
            r.setTFRdBeton(55.5 * f);
            r.setTFRdBewehrung(70.125);
            r.TFSdIst = 41.6666666666667;
            r.TEtaQ = r.TFSdIst / r.TFRd();
            r.TAsxErf = 0.00000123;
            r.TAsyErf = 1e20 / 3;
            r.TAsxIst = 157.079632679490;
            r.TAsyIst = 226.194671058465;
            r.Tbx = -12.75;
            r.Tby = 900;
            r.TStatus = static_cast<std::uint16_t>(i % 10);
            r.TStatusd = static_cast<std::uint8_t>(i % 2);
            r.TAbstandMeldung = static_cast<std::uint8_t>((i + 1) % 2);
            r.Fehler.Clear();
            r.Warnungen.Clear();
            if (i % 3 == 0) {
                r.Fehler.Add(3);
                r.Fehler.Add(7);
                r.Warnungen.Add(1);
            }
            e.setTAnzDorn(i, static_cast<std::uint16_t>(1 + i * 3 + k));
        }
        // A reinforcement fitted by hand: other bars than the catalogue's.
        TKDornDaten& d = e.DornDaten(e.TAktDorn);
        d.DurchmB = 14;
        d.DurchmD = 20;
        d.AnzB = 5;
        d.AnzD = 6;
        d.AbstandB = {60, 100.5, 100.5, 100.5, 100.5};
        d.AbstandD = {57, 1.0 / 3.0};
        d.LaengeB = 462;
        d.BreiteBuegel = 123.45;
        m.Stueckliste.AddEintrag({a.TPosition, "2", "8", DornName(e.TAktDorn), "16", "Active",
                                  std::to_string(k), k % 2 ? "" : "BS 30", "63.2", "8"});
    }
    m.Stueckliste.AddEintrag({"nur drei", "Texte", "<&>"});
    m.Stueckliste.AddEintrag({});
    m.TAktAnwendung = static_cast<std::uint16_t>(positionen > 1 ? 2 : 1);
    return m;
}

} // namespace vsk::test
