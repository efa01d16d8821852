// The connector schedule as fixed-width text.

#include "reports/ListeExport.h"

#include "model/Modell.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vsk {
namespace {

using Zeilen = std::vector<std::string>;
const std::string S80(80, ' ');
const std::string D80(80, '-');
const std::string E19(19, ' ');

TKStueckliste::Eintrag Eintrag(const std::string& pos, const std::string& typ,
                               const std::string& summe, const std::string& frd,
                               const std::string& brand = "",
                               const std::string& status = "Active") {
    return {pos, "1", summe, typ, summe, status, "1", brand, frd, summe};
}

Zeilen Posten(const std::string& nummer, const std::string& pos, const std::string& typ,
              const std::string& summe, const std::string& frd) {
    return {
        std::string(5 - nummer.size(), ' ') + nummer + std::string(14, ' ') +
            "Shear connectors to transverse force transmission in inexpansion joint supply and",
        E19 + "construct according to the specification in the plan of the wing unit.",
        S80,
        E19 + "max. design resistance FRd: " + frd + " kN",
        E19 + "Material: stainless steel 1.4462",
        "",
        S80,
        E19 + "Position(s): " + pos,
        S80,
        E19 + "Double shear connector consisting of dowel element and sleeve",
        std::string(15 - summe.size(), ' ') + summe + "    Type: " + typ,
    };
}

TEST(ListeExport, HeaderAndOneActiveEntryAreWritten) {
    TKProjektdaten p;
    p.TBauvorhaben = "Neubau Ost";
    p.TFirma = {"Büro A", "Zeile 2", "Zeile 3", "Zeile 4 fehlt"};
    TKStueckliste s;
    s.TBemerkung = {"Remark one", "  two"};
    s.AddEintrag(Eintrag("Slab A", "VSK 7", "8", "63.2"));
    Zeilen soll = {"Tervo - VSK / VSKQ Shear Connector",
                   "Connector Schedule",
                   S80,
                   "Company: Büro A",
                   std::string(14, ' ') + "Zeile 2",
                   std::string(14, ' ') + "Zeile 3",
                   "Project:  Neubau Ost",
                   "Printed from: 09.12.2026",
                   S80,
                   "Remark one",
                   "  two",
                   S80,
                   D80,
                   "Mat.-Pos quantity denomination" + std::string(50, ' '),
                   D80};
    for (auto& z : Posten("1", "Slab A", "VSK 7", "8", "63.2")) {
        soll.push_back(z);
    }
    soll.push_back(D80);
    EXPECT_EQ(ListeTextZeilen(p, s, "09.12.2026"), soll);
}

TEST(ListeExport, InactiveEntriesTakeNoNumberAndNumbersEndInColumnFive) {
    TKProjektdaten p;
    TKStueckliste s;
    for (int i = 1; i <= 12; ++i) {
        s.AddEintrag(Eintrag("P" + std::to_string(i), "VSKQ 10", "12345", "1,5", "",
                             i == 2 ? "Not active" : "Active"));
    }
    Zeilen z = ListeTextZeilen(p, s, "d");
    EXPECT_EQ(z[3], "Company: ");
    EXPECT_EQ(z[4], "Project:  ");
    // Header 11 lines, then 12 lines per item: 11 active entries.
    ASSERT_EQ(z.size(), 11u + 11u * 12u);
    Zeilen zehntes(z.begin() + 11 + 9 * 12, z.begin() + 11 + 9 * 12 + 11);
    EXPECT_EQ(zehntes, Posten("10", "P11", "VSKQ 10", "12345", "1,5"));
    EXPECT_EQ(z[11 + 12 + 7], E19 + "Position(s): P3"); // item 2 is entry 3
}

TEST(ListeExport, FireSleeveAddsTwoLinesAndColumnsCountCharacters) {
    TKProjektdaten p;
    TKStueckliste s;
    s.AddEintrag(Eintrag("Ä", "VSK 1", "äöü", "1.0", "BS 30"));
    s.AddEintrag({"kurz"}); // no status text: not active
    Zeilen z = ListeTextZeilen(p, s, "d");
    ASSERT_EQ(z.size(), 11u + 14u);
    EXPECT_EQ(z[11 + 10], "            äöü    Type: VSK 1");
    EXPECT_EQ(z[11 + 11], E19 + "and fire protection sleeve");
    EXPECT_EQ(z[11 + 12], "            äöü    Type: BS 30");
    EXPECT_EQ(z[11 + 13], D80);
}

TEST(ListeExport, OverlongQuantityStartsInColumnOne) {
    TKProjektdaten p;
    TKStueckliste s;
    s.AddEintrag(Eintrag("x", "VSK 2", "12345678901234567", "2.0"));
    EXPECT_EQ(ListeTextZeilen(p, s, "d")[11 + 10], "12345678901234567    Type: VSK 2");
}

TEST(ListeExport, FileHasCrLfLineEndsAndFailureShowsTheMessage) {
    test::TempDir dir;
    test::PlattformDouble plattform;
    TKModell m;
    m.Stueckliste.AddEintrag(Eintrag("Slab A", "VSK 7", "8", "63.2"));
    ASSERT_TRUE(ListeExportieren(m, dir / "liste.txt", plattform));
    std::ifstream datei(dir / "liste.txt", std::ios::binary);
    std::stringstream inhalt;
    inhalt << datei.rdbuf();
    std::ostringstream soll;
    SchreibeZeilen(soll, ListeTextZeilen(m.Projektbeschreibung, m.Stueckliste, "09.12.2026"));
    EXPECT_EQ(inhalt.str(), soll.str());
    EXPECT_EQ(inhalt.str().substr(0, 36), "Tervo - VSK / VSKQ Shear Connector\r\n");
    EXPECT_TRUE(plattform.meldungen.empty());

    EXPECT_FALSE(ListeExportieren(m, dir / "fehlt" / "liste.txt", plattform));
    EXPECT_EQ(plattform.meldungen,
              Zeilen{"the connector schedule could not be exported - Please check the writing "
                     "access on the data carrier."});
}

} // namespace
} // namespace vsk
