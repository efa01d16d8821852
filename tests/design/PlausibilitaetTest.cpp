#include "design/Plausibilitaet.h"

#include "model/Anwendung.h"
#include "model/Modell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vsk {
namespace {

const std::string Nutzhoehe =
    "The thickness of the concrete slab to be connected is less than the structural effective "
    "height!";

TKAnwendung Mit(double dicke, double nutzhoehe, double oben, double unten) {
    TKAnwendung a;
    a.cGeometrie.TPlatteDicke = dicke;
    a.cGeometrie.TNutzhoehe = nutzhoehe;
    a.cGeometrie.TBetondeckungOben = oben;
    a.cGeometrie.TBetondeckungUnten = unten;
    return a;
}

TEST(PruefeEingaben, TheDefaultPositionPasses) {
    EXPECT_TRUE(PruefeEingaben(TKAnwendung()).empty());
}

TEST(PruefeEingaben, EffectiveDepthAboveSlabMinusCover) {
    EXPECT_EQ(PruefeEingaben(Mit(200, 180, 30, 30)), std::vector<std::string>{Nutzhoehe});
    // Depth equal to the slab: both tests, the same line twice.
    EXPECT_EQ(PruefeEingaben(Mit(200, 200, 30, 10)),
              (std::vector<std::string>{Nutzhoehe, Nutzhoehe}));
    // One below the slab passes the second test but not the first.
    EXPECT_EQ(PruefeEingaben(Mit(200, 199, 30, 10)), std::vector<std::string>{Nutzhoehe});
    EXPECT_TRUE(PruefeEingaben(Mit(200, 190, 30, 10)).empty());
}

TEST(PruefeEingaben, CoversThatDoNotFitTheSlab) {
    EXPECT_EQ(PruefeEingaben(Mit(200, 160, 170, 40)),
              std::vector<std::string>{"The sum of the concrete cover is greater than the "
                                       "thickness of the concrete slab to be connected!"});
}

TEST(PruefeEingaben, ThinSlabSmallValuesAndThinWallInOrder) {
    TKAnwendung a = Mit(159, 5, 5, 5);
    a.TAnwendungsfall = Anwendungsfall::ReiheWand;
    a.cGeometrie.TWandDicke = 199;
    const std::vector<std::string> soll = {
        "The thickness of the concrete slab is less than the minimum thickness of concrete for "
        "the smallest shear connector!",
        "Structural effective height is < 10mm. Please check!",
        "Concrete cover above is <10mm. Please check", "Concrete cover below is <10mm.Please check",
        "The wall thickness is less than the minimum required thickness of concrete for the "
        "smallest shear connector!"};
    EXPECT_EQ(PruefeEingaben(a), soll);
    // The wall only counts for a row in a wall; 160 mm is the thinnest slab accepted.
    a.TAnwendungsfall = Anwendungsfall::ReihePlatte;
    a.cGeometrie.TPlatteDicke = 160;
    EXPECT_EQ(PruefeEingaben(a).size(), 3u);
}

TEST(PruefeEingaben, ValuesNoDesignCouldEverFinishOn) {
    // A slab far beyond any structure (the design would lower it 10 mm at a time for good),
    // and numbers a broken file may hold where an input belongs.
    EXPECT_EQ(PruefeEingaben(Mit(10'001, 400, 30, 30)),
              std::vector<std::string>{
                  "The thickness of the concrete slab is greater than 10000 mm. Please check!"});
    EXPECT_TRUE(PruefeEingaben(Mit(10'000, 400, 30, 30)).empty());
    TKAnwendung a;
    a.cBelastungDesign.AddPunkt(std::nan(""), 5);
    EXPECT_EQ(PruefeEingaben(a),
              std::vector<std::string>{"An input value is not a number. Please check!"});
    a = TKAnwendung();
    a.cGeometrie.TFugenlaenge = std::numeric_limits<double>::infinity();
    EXPECT_EQ(PruefeEingaben(a).size(), 1u);
}

TEST(PruefeVorBemessung, ChecksTheCurrentPositionAndRecordsTheOutcomeInTheCalcFlag) {
    TKModell m;
    m.SetAnzAnwendung(2);
    m.Anwendung(2).cGeometrie.TNutzhoehe = 1000;
    EXPECT_TRUE(PruefeVorBemessung(m).empty());
    EXPECT_EQ(m.TCalcFlag, 1);
    m.TAktAnwendung = 2;
    EXPECT_EQ(PruefeVorBemessung(m).size(), 2u);
    EXPECT_EQ(m.TCalcFlag, 0);
}

} // namespace
} // namespace vsk
