#pragma once
// A position with a hand-made connector record and hand-filled results, drawn on the
// recording canvas (Arial 12 pt "W" is 19 px high there, so H = 19).

#include "canvas/Aufzeichnung.h"
#include "sketches/Skizzen.h"

#include <gtest/gtest.h>

namespace vsk::test {

class SkizzenFixture : public ::testing::Test {
protected:
    TKModell modell;
    TKFarbe farben;
    int linienbreite = 1;
    Aufzeichnung c;

    TKAnwendung& Anw() { return modell.AktuelleAnwendung(); }
    TKDornDaten& Dorn() { return Anw().cErgebnisse.AktDornDaten(); }
    Zeichenkontext Kontext() { return {modell, modell.AktuelleAnwendung(), farben, linienbreite}; }

    // DornLaenge 200, DornDurchm 20, B bars 50 + 100, 8 U-bars 300 wide, one layer.
    static void Fuelle(TKDornDaten& d) {
        d.MinDicke = 200;
        d.BreiteBuegel = 300;
        d.LaengeB = 400;
        d.AnzLagen = 1;
        d.DurchmB = 10;
        d.DurchmD = 12;
        d.AnzB = 2;
        d.AbstandB = {50, 100};
        d.AnzD = 8;
        d.AbstandD = {100, 50, 50};
        d.PlatteBreite = 120;
        d.PlatteHoehe = 160;
        d.DornDurchm = 20;
        d.DornMittenAbstand = 80;
        d.DornLaenge = 200;
        d.HuelseBreite = 40;
        d.HuelseHoehe = 40;
        d.Anker1Laenge = 150;
        d.Anker2Laenge = 100;
        d.Anker1Durchm = 10;
        d.Anker2Durchm = 8;
        d.Anker1Abstand = 60;
        d.Anker2Abstand = 120;
        d.RippeLaenge = 40;
    }

    // n connectors at the given spacings (edge distance, spacings, edge distance).
    void Abstaende(const std::vector<double>& a) {
        TKErgebnisse& e = Anw().cErgebnisse;
        e.AktDornErgebnis().ClearAbstaende();
        for (double x : a) {
            e.AktDornErgebnis().AddAbstand(x);
        }
        e.setTAnzDorn(e.TAktDorn, static_cast<std::uint16_t>(a.size() - 1));
    }

    void SetUp() override {
        Fuelle(Dorn());
        Fuelle(modell.AktDornDaten);
    }

    std::vector<Aufgezeichnet> Mit(Operation op, Farbe pinselfarbe) const {
        std::vector<Aufgezeichnet> r;
        for (const auto& o : c.Nur(op)) {
            if (o.pinsel.art == Pinselart::Voll && o.pinsel.farbe == pinselfarbe) {
                r.push_back(o);
            }
        }
        return r;
    }
};

} // namespace vsk::test
