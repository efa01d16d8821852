#include "model/Belastung.h"

#include <gtest/gtest.h>

#include <vector>

namespace vsk {
namespace {

std::vector<std::pair<double, double>> Punkte(const TKBelastung& b) {
    std::vector<std::pair<double, double>> p;
    for (int i = 0; i < b.PunktCount(); ++i) {
        p.emplace_back(b.GetPunkt(i).x, b.GetPunkt(i).y);
    }
    return p;
}

using P = std::vector<std::pair<double, double>>;

TEST(TKBelastung, NewLoadingHasTwoZeroPoints) {
    TKBelastung b;
    EXPECT_EQ(b.TBelastungsfall, Belastungsfall::Konstant);
    EXPECT_EQ(b.TLastLaenge(), 2000);
    EXPECT_EQ(b.TLinienLast, Linienlastform::Gleich);
    EXPECT_EQ(Punkte(b), P({{0, 0}, {2000, 0}}));
    EXPECT_EQ(b.Resultierende(), 0);
}

TEST(TKBelastung, PointsGoInAscendingXAfterEqualOnes) {
    TKBelastung b;
    b.ClearPunkte();
    b.AddPunkt(1000, 5);
    b.AddPunkt(500, 3);
    EXPECT_EQ(Punkte(b), P({{500, 3}, {1000, 5}}));
    EXPECT_EQ(b.Resultierende(), 2);
    b.AddPunkt(500, 4);
    EXPECT_EQ(Punkte(b), P({{500, 3}, {500, 4}, {1000, 5}}));
    b.AddPunkt(0, 1);
    b.AddPunkt(2000, 1);
    b.AddPunkt(500, 9);
    EXPECT_EQ(Punkte(b), P({{0, 1}, {500, 3}, {500, 4}, {500, 9}, {1000, 5}, {2000, 1}}));
    // A vertical step adds nothing to the area.
    EXPECT_DOUBLE_EQ(b.Resultierende(), (500 * 4 / 2.0 + 500 * 14 / 2.0 + 1000 * 6 / 2.0) / 1000);
}

TEST(TKBelastung, ResultantNeedsTwoPointsAndClearKeepsIt) {
    TKBelastung b;
    b.ClearPunkte();
    b.AddPunkt(0, 2);
    b.AddPunkt(1000, 2);
    EXPECT_EQ(b.Resultierende(), 2);
    b.ClearPunkte();
    EXPECT_EQ(b.PunktCount(), 0);
    EXPECT_EQ(b.Resultierende(), 2);
    b.AddPunkt(100, 7);
    EXPECT_EQ(b.Resultierende(), 0);
}

TEST(TKBelastung, LoadLengthClipsPointsBeyondIt) {
    TKBelastung b;
    b.ClearPunkte();
    b.AddPunkt(0, 0);
    b.AddPunkt(500, 3);
    b.AddPunkt(1000, 5);
    b.SetLastLaenge(800);
    EXPECT_EQ(b.TLastLaenge(), 800);
    EXPECT_EQ(Punkte(b), P({{0, 0}, {500, 3}, {800, 5}}));
    EXPECT_DOUBLE_EQ(b.Resultierende(), 1.95);
    // Clipping below several points stacks them at the new length.
    b.SetLastLaenge(400);
    EXPECT_EQ(Punkte(b), P({{0, 0}, {400, 3}, {400, 5}}));
    EXPECT_DOUBLE_EQ(b.Resultierende(), 0.6);
    // Growing moves nothing.
    b.SetLastLaenge(3000);
    EXPECT_EQ(Punkte(b), P({{0, 0}, {400, 3}, {400, 5}}));
}

TEST(TKBelastung, StoredLoadLengthDoesNotClip) {
    TKBelastung b;
    b.setTLastLaenge(500);
    EXPECT_EQ(b.TLastLaenge(), 500);
    EXPECT_EQ(b.GetPunkt(1).x, 2000);
}

TEST(TKBelastung, SetPunktOverwritesInPlaceOnly) {
    TKBelastung b;
    b.ClearPunkte();
    b.AddPunkt(0, 1);
    b.AddPunkt(1000, 1);
    ASSERT_EQ(b.Resultierende(), 1);
    b.SetPunkt(0, 1500, 4);
    EXPECT_EQ(Punkte(b), P({{1500, 4}, {1000, 1}}));
    EXPECT_EQ(b.Resultierende(), 1);
    // Indexes outside the list do nothing and read as (0, 0).
    b.SetPunkt(2, 9, 9);
    b.SetPunkt(-1, 9, 9);
    EXPECT_EQ(b.PunktCount(), 2);
    EXPECT_EQ(b.GetPunkt(2).x, 0);
    EXPECT_EQ(b.GetPunkt(-1).y, 0);
}

TEST(TKBelastung, CopyRebuildsOrderAndResultant) {
    TKBelastung b;
    b.ClearPunkte();
    b.AddPunkt(0, 1);
    b.AddPunkt(1000, 1);
    b.SetPunkt(0, 1500, 4);
    b.TBelastungsfall = Belastungsfall::Beliebig;
    b.TGammaf = 1.4;
    b.TLinienLast = Linienlastform::Steigend;
    b.SetLastLaenge(1800);
    b.cPunktlast.setTGk(7);
    TKBelastung kopie(b);
    EXPECT_EQ(Punkte(kopie), P({{1000, 1}, {1500, 4}}));
    EXPECT_DOUBLE_EQ(kopie.Resultierende(), 500 * 5 / 2.0 / 1000);
    EXPECT_EQ(kopie.TBelastungsfall, Belastungsfall::Beliebig);
    EXPECT_EQ(kopie.TGammaf, 1.4);
    EXPECT_EQ(kopie.TLinienLast, Linienlastform::Steigend);
    EXPECT_EQ(kopie.TLastLaenge(), 1800);
    EXPECT_EQ(kopie.cPunktlast.TFd(), 7 * 1.35);
    // Changing the copy leaves the source alone, and the other way round.
    kopie.AddPunkt(0, 0);
    kopie.cPunktlast.setTGk(1);
    EXPECT_EQ(b.PunktCount(), 2);
    EXPECT_EQ(b.cPunktlast.TGk(), 7);
    TKBelastung zugewiesen;
    zugewiesen = b;
    EXPECT_EQ(Punkte(zugewiesen), P({{1000, 1}, {1500, 4}}));
    b.ClearPunkte();
    EXPECT_EQ(zugewiesen.PunktCount(), 2);
}

TEST(TKBelastung, ClassifyLineLoadByEndValues) {
    TKBelastung b;
    b.cLinienLastLinks.SetFdDirekt(4);
    b.cLinienLastRechts.SetFdDirekt(2);
    b.ClassifyLinienLast();
    EXPECT_EQ(b.TLinienLast, Linienlastform::Fallend);
    b.cLinienLastRechts.SetFdDirekt(4);
    b.ClassifyLinienLast();
    EXPECT_EQ(b.TLinienLast, Linienlastform::Gleich);
    b.cLinienLastRechts.setTQk(1);
    b.ClassifyLinienLast();
    EXPECT_EQ(b.TLinienLast, Linienlastform::Steigend);
}

} // namespace
} // namespace vsk
