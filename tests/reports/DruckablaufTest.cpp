#include "reports/Druckablauf.h"
#include "Berichtsumgebung.h"
#include "Seitenziele.h"

#include <gtest/gtest.h>

namespace vsk::test {
namespace {

int Zaehle(const std::vector<std::string>& texte, const std::string& t) {
    return static_cast<int>(std::count(texte.begin(), texte.end(), t));
}

TEST(BerichtDrucken, ZweiSeitenUndDreiBeiBeliebigerLast) {
    for (int lastfall = 0; lastfall <= 3; ++lastfall) {
        Berichtsumgebung u;
        u.Position().cBelastungDesign.TBelastungsfall = static_cast<std::uint8_t>(lastfall);
        TestDrucker drucker;
        ASSERT_TRUE(BerichtDrucken(drucker, u.k));
        EXPECT_EQ(drucker.dokumente, 1);
        EXPECT_FALSE(drucker.offen);
        EXPECT_EQ(drucker.Seiten(), lastfall == 3 ? 3 : 2) << "load type " << lastfall;
        for (int s = 0; s < drucker.Seiten(); ++s) {
            EXPECT_EQ(Zaehle(drucker.Texte(s), "Calculation for VSK 7"), 1);
        }
        EXPECT_EQ(Zaehle(drucker.Texte(0), "Results"), 1);
        if (lastfall == 3) {
            EXPECT_EQ(Zaehle(drucker.Texte(0), "see next page"), 1);
            EXPECT_EQ(Zaehle(drucker.Texte(1), "Varying distributed load"), 1);
        }
        // The print state is the printer's.
        EXPECT_EQ(u.k.druck.resX, 600);
    }
}

TEST(BerichtDrucken, LinienbreiteDanachWieder1) {
    Berichtsumgebung u;
    u.k.linienbreite = 1;
    TestDrucker drucker;
    ASSERT_TRUE(BerichtDrucken(drucker, u.k));
    EXPECT_EQ(u.k.linienbreite, 1);

    TestDrucker scheitert;
    scheitert.endet = false;
    EXPECT_FALSE(BerichtDrucken(scheitert, u.k));
    EXPECT_EQ(u.k.linienbreite, 1);
}

TEST(BerichtDrucken, OhneDokumentWirdNichtsGezeichnet) {
    Berichtsumgebung u;
    TestDrucker drucker;
    drucker.beginnt = false;
    EXPECT_FALSE(BerichtDrucken(drucker, u.k));
    EXPECT_TRUE(drucker.canvas.ops.empty());
    EXPECT_FALSE(ListeDrucken(drucker, u.k));
    EXPECT_TRUE(drucker.canvas.ops.empty());
}

TEST(BerichtVorschau, DreiBilderUntereinanderZentriert) {
    Berichtsumgebung u;
    u.Position().cBelastungDesign.TBelastungsfall = Belastungsfall::Beliebig;
    TestBild p1, p2, p3;
    p1.eltern = 1000;
    BerichtVorschau(StandardDruckergeometrie(), p1, p2, p3, u.k);
    const Bildgroesse g = BildGroesse(u.k.druck, 96);
    EXPECT_EQ(p1.breite, g.breite);
    EXPECT_EQ(p1.links, (1000 - g.breite) / 2);
    EXPECT_TRUE(p2.sichtbar);
    EXPECT_EQ(p2.oben, p1.oben + p1.hoehe + 10);
    EXPECT_EQ(p3.oben, p2.oben + p2.hoehe + 10);
    EXPECT_EQ(p3.links, p1.links);
    EXPECT_EQ(p3.hoehe, p1.hoehe);
    EXPECT_EQ(u.k.druck.resX, 96);
    EXPECT_EQ(u.k.linienbreite, 1);
    // Each picture starts white.
    const auto fuellung = p3.canvas.Nur(Operation::FillRect);
    ASSERT_FALSE(fuellung.empty());
    EXPECT_EQ(fuellung[0].pinsel.farbe, 0xFFFFFF);
    EXPECT_EQ(fuellung[0].k, (std::vector<int>{0, 0, p3.breite, p3.hoehe}));
    EXPECT_EQ(Zaehle(AlleTexte(p2.canvas), "Varying distributed load"), 1);

    // Without an arbitrary load the load picture is hidden and the sketch page follows P1.
    u.Position().cBelastungDesign.TBelastungsfall = Belastungsfall::Konstant;
    TestBild q1, q2, q3;
    q1.eltern = 500; // narrower than the page: no centring
    BerichtVorschau(StandardDruckergeometrie(), q1, q2, q3, u.k);
    EXPECT_FALSE(q2.sichtbar);
    EXPECT_EQ(q1.links, 0);
    EXPECT_EQ(q3.oben, q1.oben + q1.hoehe + 10);
}

} // namespace
} // namespace vsk::test
