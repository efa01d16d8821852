#include "Projektgenerator.h"
#include "Messplattform.h"

#include "design/Bemessung.h"
#include "design/Plausibilitaet.h"
#include "model/Objektmodell.h"
#include "model/Projektdatei.h"
#include "model/StuecklisteAufnahme.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vsk::bench {

namespace {

// A load that rises and falls along the joint: 50 points from 0 to the joint length.
void BeliebigeLast(TKBelastung& last, double laengeMm, double grundKnM, int nummer) {
    last.TBelastungsfall = Belastungsfall::Beliebig;
    last.ClearPunkte();
    for (int j = 0; j < LastpunkteJePosition; ++j) {
        const double x = laengeMm * j / (LastpunkteJePosition - 1);
        const double welle = std::sin(0.37 * j + 0.11 * nummer);
        last.AddPunkt(x, grundKnM * (1.0 + 0.4 * welle));
    }
    last.SetLastLaenge(laengeMm);
}

} // namespace

TKModell GrossesProjekt(int positionen, Plattform& plattform) {
    TKModell m(nullptr, plattform.HeuteText());
    m.TTempFlag = 0;
    m.Projektbeschreibung.TBauvorhaben =
        "Logistics centre, " + std::to_string(positionen) + " joints";
    m.Projektbeschreibung.TFirma = {"Planning Office Example", "Main Street 1", "1234 Town"};
    m.Projektbeschreibung.TBearbeiter = "J. Engineer";
    m.Projektbeschreibung.TDatum = "09.12.2026";
    m.Stueckliste.TBemerkung = {"Delivery in stages, hall by hall."};
    m.SetAnzAnwendung(std::max(positionen, 1));
    for (int k = 1; k <= m.TAnzAnwendung(); ++k) {
        TKAnwendung& a = m.Anwendung(k);
        a.TPosition =
            "Joint " + std::to_string((k - 1) / 20 + 1) + "." + std::to_string((k - 1) % 20 + 1);
        a.TAnwendungsfall = static_cast<std::uint8_t>(1 + k % 2);
        a.TBetonguete = static_cast<std::uint8_t>(k % 4);
        TKGeometrie& g = a.cGeometrie;
        g.TPlatteDicke = 200 + 10 * (k % 21);
        g.TNutzhoehe = g.TPlatteDicke - 40;
        g.TWandDicke = 250 + 10 * (k % 5);
        g.TFugenbreite = static_cast<std::uint8_t>(k % 5);
        g.TFugenlaenge = 2000 + 125 * (k % 33);
        BeliebigeLast(a.cBelastungDesign, g.TFugenlaenge, 40 + 12 * (k % 17), k);
        if (PruefeEingaben(a).empty()) {
            RunDesign(a, plattform);
        }
        m.TAktAnwendung = static_cast<std::uint16_t>(k);
        m.Stueckliste.AddEintrag(AktAnwendungEintrag(m, plattform.Dezimaltrenner()));
    }
    m.TCalcFlag = 1;
    m.TAktAnwendung = 1;
    return m;
}

std::filesystem::path GrossesProjektDatei(int positionen, const std::filesystem::path& ordner) {
    Messplattform plattform;
    TKModell m = GrossesProjekt(positionen, plattform);
    const std::filesystem::path datei = ordner / "gross.VSK";
    SaveProjekt(m, datei, plattform);
    return datei;
}

} // namespace vsk::bench
