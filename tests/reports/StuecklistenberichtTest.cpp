#include "reports/Stuecklistenbericht.h"
#include "Berichtsumgebung.h"
#include "Seitenziele.h"
#include "reports/Druckablauf.h"
#include "reports/SeitenRahmen.h"

#include <gtest/gtest.h>

namespace vsk::test {
namespace {

TKStueckliste::Eintrag Eintrag(const std::string& position, const std::string& typ,
                               const std::string& anzahl, bool aktiv,
                               const std::string& brandschutz = "") {
    return {position, "1",         anzahl, typ,   anzahl, aktiv ? "Active" : "Not active",
            "1",      brandschutz, "63.2", anzahl};
}

int Zaehle(const std::vector<std::string>& texte, const std::string& t) {
    return static_cast<int>(std::count(texte.begin(), texte.end(), t));
}

TEST(Stueckliste, InaktiveEintraegeBekommenKeineNummer) {
    Berichtsumgebung u;
    u.modell.Stueckliste.TBemerkung = {"Remark one", "Remark two"};
    u.modell.Stueckliste.AddEintrag(Eintrag("Slab A", "VSK 7", "8", true));
    u.modell.Stueckliste.AddEintrag(Eintrag("Slab B", "VSK 3", "2", false));
    u.modell.Stueckliste.AddEintrag(Eintrag("Slab C", "VSKQ 5", "12", true, "FPS 5"));
    ListeZeichnen(u.canvas, u.k, "Connector Schedule", {});
    const auto texte = AlleTexte(u.canvas);

    EXPECT_EQ(Zaehle(texte, "1"), 1);
    EXPECT_EQ(Zaehle(texte, "2"), 1); // item 2 is Slab C
    EXPECT_EQ(Zaehle(texte, "3"), 0);
    EXPECT_EQ(Zaehle(texte, "Position(s):   Slab B"), 0);
    EXPECT_EQ(Zaehle(texte, "Type: VSK 3"), 0);
    EXPECT_EQ(Zaehle(texte, "Position(s):   Slab A"), 1);
    EXPECT_EQ(Zaehle(texte, "max. design Resistance FRd: 63.2 kN"), 2);
    EXPECT_EQ(Zaehle(texte, "Material: stainless steel 1.4462"), 2);
    EXPECT_EQ(Zaehle(texte, "and fire protection sleeve"), 1);
    EXPECT_EQ(Zaehle(texte, "Type: FPS 5"), 1);
    EXPECT_EQ(Zaehle(texte, "12"), 2); // the quantity of the connectors and of the sleeves
    EXPECT_TRUE(HatText(u.canvas, "Remark two"));

    // Item numbers end at x1, quantities at x2.
    const Druckzustand& z = u.k.druck;
    const auto nummer = *Text(u.canvas, "2");
    u.canvas.schrift.groesse = 9;
    EXPECT_EQ(nummer.k[0] + u.canvas.TextWidth("2"), z.CmX(z.ml + 1));
    const auto menge = *Text(u.canvas, "8");
    EXPECT_EQ(menge.k[0] + u.canvas.TextWidth("8"), z.CmX(z.ml + 2.75));
    EXPECT_EQ(menge.k[1], Text(u.canvas, "Type: VSK 7")->k[1]);
    // The second line of an item follows at L10, the resistance at round(1.5 * L10).
    const int y1 = Text(u.canvas, "joint and install according to the specification of the "
                                  "wing element.")
                       ->k[1];
    // 1.5 * 99 = 148.5 rounds to the even 148.
    ASSERT_EQ(z.L10, 99);
    EXPECT_EQ(Text(u.canvas, "max. design Resistance FRd: 63.2 kN")->k[1] - y1, 148);
}

TEST(Stueckliste, PunktlinienUndDanachWiederDurchgezogen) {
    Berichtsumgebung u;
    u.modell.Stueckliste.AddEintrag(Eintrag("A", "VSK 1", "1", true));
    ListeZeichnen(u.canvas, u.k, "Connector Schedule", {});
    const auto linien = u.canvas.Nur(Operation::Linie);
    ASSERT_EQ(linien.size(), 3u); // above and below the column heads, after the item
    for (const auto& l : linien) {
        EXPECT_EQ(l.stift.art, Stiftart::Gepunktet);
    }
    EXPECT_EQ(u.canvas.stift.art, Stiftart::Durchgezogen);

    // Column heads never print over each other.
    const auto menge = *Text(u.canvas, "Quantity of parts");
    const auto bezeichnung = *Text(u.canvas, "Designation");
    u.canvas.schrift.groesse = 9;
    EXPECT_GT(bezeichnung.k[0], menge.k[0] + u.canvas.TextWidth("Quantity of parts"));
    EXPECT_GE(bezeichnung.k[0], u.k.druck.CmX(u.k.druck.ml + 3.5));
}

TEST(Stueckliste, DruckerBeginntNeueSeitenMitRahmen) {
    Berichtsumgebung u;
    u.Ergebnis().Fehler.Add(7);
    u.Ergebnis().Fehler.Add(3);
    for (int i = 0; i < 30; ++i) {
        u.modell.Stueckliste.AddEintrag(
            Eintrag("Slab " + std::to_string(i), "VSK 7", "8", i % 3 != 1));
    }
    TestDrucker drucker;
    ASSERT_TRUE(ListeDrucken(drucker, u.k));
    ASSERT_GT(drucker.Seiten(), 1);
    int posten = 0;
    for (int s = 0; s < drucker.Seiten(); ++s) {
        const auto texte = drucker.Texte(s);
        EXPECT_EQ(Zaehle(texte, "Connector Schedule"), 1) << "page " << s;
        EXPECT_EQ(Zaehle(texte, "Connector spacing is below minimum value"), 1) << "page " << s;
        posten += Zaehle(texte, "Material: stainless steel 1.4462");
    }
    EXPECT_EQ(posten, 20);
    // No item runs into the footer.
    const Druckzustand& z = u.k.druck;
    const int fuss = z.CmY(z.Hp - z.mb) - 5 * z.L6;
    for (const auto& op : drucker.canvas.Nur(Operation::TextOut)) {
        if (!op.text.empty() && op.schrift.groesse == 9) {
            EXPECT_LT(op.k[1] + z.L9, fuss) << op.text;
        }
    }
    // The item numbers run on across the pages.
    EXPECT_TRUE(HatText(drucker.canvas, "20"));
    EXPECT_FALSE(HatText(drucker.canvas, "21"));
    EXPECT_EQ(drucker.canvas.stift.art, Stiftart::Durchgezogen);
    EXPECT_EQ(u.k.linienbreite, 1);
}

TEST(Stueckliste, VorschauWaechstIn250PixelSchritten) {
    Berichtsumgebung u;
    for (int i = 0; i < 12; ++i) {
        u.modell.Stueckliste.AddEintrag(Eintrag("P", "VSK 2", "4", true));
    }
    TestBild bild;
    ListeVorschau(StandardDruckergeometrie(), bild, u.k);
    ASSERT_FALSE(bild.wachstum.empty());
    for (int w : bild.wachstum) {
        EXPECT_EQ(w, 250);
    }
    EXPECT_EQ(bild.hoehe,
              BildGroesse(u.k.druck, 96).hoehe + 250 * static_cast<int>(bild.wachstum.size()));
    EXPECT_TRUE(bild.sichtbar);
    EXPECT_EQ(bild.neugezeichnet, 1);
    EXPECT_EQ(Zaehle(AlleTexte(bild.canvas), "Connector Schedule"), 1); // one frame only
}

} // namespace
} // namespace vsk::test
