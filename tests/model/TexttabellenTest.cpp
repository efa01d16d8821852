#include "model/Texttabellen.h"

#include "shell/Texte.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vsk {
namespace {

using V = std::vector<std::string>;

TEST(Texttabellen, TextsSplitAtBackslashes) {
    EXPECT_EQ(ZerlegeText("OK\\d < d min\\"), V({"OK", "d < d min"}));
    EXPECT_EQ(ZerlegeText("a\\b"), V({"a"}));
    EXPECT_EQ(ZerlegeText(""), V());
    EXPECT_EQ(ZerlegeText("ohne"), V());
    EXPECT_EQ(ZerlegeText("\\\\x\\"), V({"", "", "x"}));
    EXPECT_EQ(ZerlegeText(" a \\"), V({" a "}));
}

TEST(Texttabellen, TableKeepsItsSlots) {
    std::array<std::string, 3> t{"alt", "alt", "alt"};
    EXPECT_EQ(FuelleTabelle(t, "a\\b\\"), 2);
    EXPECT_EQ(t[0], "a");
    EXPECT_EQ(t[1], "b");
    EXPECT_EQ(t[2], "");
    // Surplus entries are dropped, never written past the table.
    EXPECT_EQ(FuelleTabelle(t, "1\\2\\3\\4\\5\\"), 5);
    EXPECT_EQ(t[2], "3");
    EXPECT_EQ(Tabellentext(t, 3), "");
    EXPECT_EQ(Tabellentext(t, -1), "");
    EXPECT_EQ(Tabellentext(t, 1), "2");
}

TEST(Texttabellen, TheBuiltInTablesAreEnglish) {
    TKTexttabellen t = ErzeugeTexttabellen();
    EXPECT_EQ(t.StatusKurz[0], "OK");
    EXPECT_EQ(t.StatusKurz[9], "dw < reqd dw");
    EXPECT_EQ(t.StatusLang[6], "Joint width out of range for this dowel");
    EXPECT_EQ(t.StatusLang[9],
              "The wall thickness is smaller than required for the selected connector");
    EXPECT_EQ(t.Warnungstexte[1], "Minimum spacing and edge distance are based on the thinnest "
                                  "slab for the actual connector load");
    EXPECT_EQ(t.Warnungstexte[2], "");
    EXPECT_EQ(t.Betongueten[3], "C30/37");
    EXPECT_EQ(t.Betonfestigkeiten[0], "16 N/mm\xc2\xb2");
    EXPECT_EQ(t.Fugenbreiten[6], "60 mm");
    EXPECT_EQ(t.StuecklisteSpalten[0].size(), 34u);
    EXPECT_EQ(t.StuecklisteSpalten[3].size(), 54u);
    EXPECT_EQ(t.StuecklisteSpalten[8], "efective structural height");
    EXPECT_EQ(t.StuecklisteSpalten[9], "Support type");
    EXPECT_EQ(t.AnwendungsfallLang[2], "Row of shear connectors - connection slab to wall");
    EXPECT_EQ(t.AnwendungsfallKurz[1], "Connector row, slab to slab");
    EXPECT_EQ(t.BewehrungCalcTexte[1], "reinf't based on act. FRd");
    EXPECT_EQ(t.MaxDornabstandTexte[1], "5 * Slab Thickness");
}

TEST(Texttabellen, TranslatedTextsWithTooFewOrTooManyEntries) {
    SetzeUebersetzer([](const char*, const char* quelle) -> std::string {
        if (std::strncmp(quelle, "C16/20", 6) == 0) {
            return "B1\\B2\\"; // too few
        }
        if (std::strncmp(quelle, "Unlimited", 9) == 0) {
            return "x\\y\\z\\w\\"; // too many
        }
        return {};
    });
    InitTexte();
    const TKTexttabellen& t = Texttabellen();
    EXPECT_EQ(t.Betongueten[1], "B2");
    EXPECT_EQ(t.Betongueten[2], "");
    EXPECT_EQ(t.MaxDornabstandTexte[0], "x");
    EXPECT_EQ(t.MaxDornabstandTexte[1], "y");
    EXPECT_EQ(t.StatusKurz[0], "OK");
    SetzeUebersetzer({});
    InitTexte();
    EXPECT_EQ(Texttabellen().Betongueten[2], "C25/30");
}

} // namespace
} // namespace vsk
