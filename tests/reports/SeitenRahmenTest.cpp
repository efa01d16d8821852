#include "reports/SeitenRahmen.h"
#include "Berichtsumgebung.h"
#include "reports/Berichtsbilder.h"

#include <gtest/gtest.h>

namespace vsk::test {
namespace {

TEST(SeitenRahmen, KopfMitLogoTitelnUndProjekt) {
    Berichtsumgebung u;
    u.modell.Projektbeschreibung.TBauvorhaben = "Bridge A";
    u.modell.Projektbeschreibung.TFirma = {"Line 1", "Line 2", "Line 3", "Line 4"};
    u.modell.Projektbeschreibung.TBearbeiter = "J. Doe";
    u.modell.Projektbeschreibung.TDatum = "01.02.2026";
    SeitenRahmen(u.canvas, u.k, "Calculation for VSK 7");

    const auto logo = u.canvas.Nur(Operation::StretchDraw);
    ASSERT_EQ(logo.size(), 1u);
    EXPECT_EQ(logo[0].text, BildDrucklogo);
    const Druckzustand& z = u.k.druck;
    EXPECT_EQ(logo[0].k[2] - logo[0].k[0], z.CmX(3.69));
    EXPECT_EQ(logo[0].k[3] - logo[0].k[1], z.CmY(1.23));
    EXPECT_EQ(logo[0].k[2], z.CmX(z.Wp - z.mr - 3.69) + z.CmX(3.69));

    EXPECT_TRUE(HatText(u.canvas, "Tervo - VSK / VSKQ Shear Connector"));
    EXPECT_TRUE(HatText(u.canvas, "Tervo - VSK / VSKQ Shear Connector VSK - 2.0"));
    EXPECT_TRUE(HatText(u.canvas, "Date: 01.02.2026"));
    EXPECT_TRUE(HatText(u.canvas, "Printed from: 09.12.2026"));
    EXPECT_TRUE(HatText(u.canvas, "Designer: J. Doe"));
    EXPECT_TRUE(HatText(u.canvas, "Line 3"));
    EXPECT_FALSE(HatText(u.canvas, "Line 4")); // at most three company lines
    EXPECT_TRUE(HatText(u.canvas, "Bridge A"));
    // The position line belongs only to the picture export's title.
    EXPECT_FALSE(HatText(u.canvas, "Position: "));

    // Right-aligned to the right margin.
    const auto datum = *Text(u.canvas, "Date: 01.02.2026");
    u.canvas.schrift.groesse = 11;
    EXPECT_EQ(datum.k[0] + u.canvas.TextWidth("Date: 01.02.2026"), z.CmX(z.Wp - z.mr));
}

TEST(SeitenRahmen, OhneFirmaEineZeileL10UnterFirma) {
    Berichtsumgebung u;
    u.modell.Projektbeschreibung.TBauvorhaben = "X";
    SeitenRahmen(u.canvas, u.k, "Connector Schedule");
    const int yFirma = Text(u.canvas, "Company: ")->k[1];
    const int yProjekt = Text(u.canvas, "Project:  ")->k[1];
    EXPECT_EQ(yProjekt - yFirma, u.k.druck.L10 + u.k.druck.CmY(0.15));
    // Value column after the wider of the two labels.
    u.canvas.schrift.groesse = 11;
    EXPECT_EQ(Text(u.canvas, "X")->k[0],
              Text(u.canvas, "Project:  ")->k[0] + u.canvas.TextWidth("Project:  "));
}

TEST(SeitenRahmen, PositionszeileNurImBildexport) {
    Berichtsumgebung u;
    u.Position().TPosition = "Slab A";
    SeitenRahmen(u.canvas, u.k, "Calculation for ");
    ASSERT_TRUE(HatText(u.canvas, "Position: "));
    EXPECT_EQ(Text(u.canvas, "Slab A")->k[1], Text(u.canvas, "Position: ")->k[1]);
    EXPECT_EQ(Text(u.canvas, "Position: ")->k[1] - Text(u.canvas, "Project:  ")->k[1],
              u.k.druck.L11);
}

TEST(SeitenRahmen, FehlerDesGewaehltenTypsInIhrerReihenfolge) {
    Berichtsumgebung u;
    u.Ergebnis().Fehler.Add(7);
    u.Ergebnis().Fehler.Add(3);
    const double oben = SeitenRahmen(u.canvas, u.k, "Calculation for VSK 7");

    const int kopf =
        TextIndex(u.canvas, "The use of the connector is not possible for the following reasons:");
    const int f7 =
        TextIndex(u.canvas, "Connector spacing for standard reinforcement too small for approval");
    const int f3 = TextIndex(u.canvas, "Connector spacing is below minimum value");
    ASSERT_GE(kopf, 0);
    ASSERT_GT(f7, kopf);
    ASSERT_GT(f3, f7);
    const auto& k7 = u.canvas.ops[static_cast<std::size_t>(f7)];
    const auto& k3 = u.canvas.ops[static_cast<std::size_t>(f3)];
    EXPECT_EQ(k3.k[1] - k7.k[1], u.k.druck.L10);
    EXPECT_EQ(u.canvas.ops[static_cast<std::size_t>(kopf)].schrift.stil, Fett | Kursiv);
    EXPECT_EQ(k3.schrift.groesse, 10);
    // The content starts below the last reason.
    EXPECT_DOUBLE_EQ(oben, static_cast<double>(k3.k[1]) / u.k.druck.CmY(1));
    EXPECT_DOUBLE_EQ(u.k.druck.inhaltOben, oben);
}

TEST(SeitenRahmen, InhaltBeginntMindestensEinenZentimeterTief) {
    Berichtsumgebung u;
    // A tiny canvas resolution makes the header end above 1 cm.
    Aufzeichnung klein(600);
    u.k.druck.L14 = u.k.druck.L11 = u.k.druck.L10 = 0;
    u.k.druck.mt = -1.8;
    EXPECT_DOUBLE_EQ(SeitenRahmen(klein, u.k, "T"), 1.0);
    EXPECT_DOUBLE_EQ(u.k.druck.inhaltOben, 1.0);
}

TEST(SeitenRahmen, FussLaesstDieZeilenLeerAberDieSpaltenStehen) {
    Berichtsumgebung u;
    SeitenRahmen(u.canvas, u.k, "T");
    const Druckzustand& z = u.k.druck;
    const int yf = z.CmY(z.Hp - z.mb) - 5 * z.L6;
    std::vector<int> spalten;
    for (const auto& op : u.canvas.Nur(Operation::TextOut)) {
        if (op.k[1] == yf) {
            spalten.push_back(op.k[0]);
            EXPECT_EQ(op.schrift.stil, Fett);
            EXPECT_TRUE(op.text.empty());
        }
    }
    const int xl = z.CmX(z.ml);
    EXPECT_EQ(spalten, (std::vector<int>{xl, xl + z.CmX(2.7), xl + z.CmX(5.15), xl + z.CmX(8.75),
                                         xl + z.CmX(11.5), xl + z.CmX(14.9)}));
}

} // namespace
} // namespace vsk::test
