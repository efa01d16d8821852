// The connector schedule as a spreadsheet table: active entries only, numbered as in the
// print, numbers as numbers, and CSV that spreadsheets read back.

#include "reports/ListeTabelle.h"

#include "model/Stueckliste.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vsk {
namespace {

TEST(ListeTabelle, ActiveEntriesBecomeRowsWithTypedCells) {
    TKStueckliste liste;
    liste.AddEintrag({"Slab A", "3", "8", "VSK 7", "24", "Active", "2", "", "63,2", "8"});
    liste.AddEintrag({"Wall", "1", "4", "VSK 3", "4", "Not active", "3", "", "40.0", "4"});
    liste.AddEintrag(
        {"Wall \"B\", east", "1", "5", "VSKQ 2", "5", "Active", "4", "BS 30", "x", "5"});
    liste.AddEintrag({"=1+2", "1", "1", "VSK 1", "1", "Active", "1", "", "-5", "1"});
    const Tabelle t = ListeTabelle(liste);
    ASSERT_EQ(t.kopf.size(), 8u);
    ASSERT_EQ(t.zeilen.size(), 3u);
    EXPECT_EQ(t.zeilen[0][0].zahl, 1);
    EXPECT_EQ(t.zeilen[0][1].zahl, 24);
    EXPECT_EQ(t.zeilen[0][3].text, "VSK 7");
    EXPECT_EQ(t.zeilen[0][5].zahl, 63.2); // written with the user's decimal comma
    EXPECT_EQ(t.zeilen[1][0].zahl, 2);    // the inactive entry takes no number
    EXPECT_EQ(t.zeilen[1][4].text, "BS 30");
    EXPECT_FALSE(t.zeilen[1][5].zahl); // not a number: kept as text

    std::ostringstream csv;
    SchreibeCsv(csv, t);
    const std::string text = csv.str();
    EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(text.find("\r\n1,24,Slab A,VSK 7,,63.2,"), std::string::npos);
    EXPECT_NE(text.find("\r\n2,5,\"Wall \"\"B\"\", east\",VSKQ 2,BS 30,x,"), std::string::npos);
    // A name that a spreadsheet would run as a formula goes out as a text; numbers stay.
    EXPECT_NE(text.find("\r\n3,1,'=1+2,VSK 1,,-5,"), std::string::npos);
}

} // namespace
} // namespace vsk
