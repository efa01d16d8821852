#include "model/Last.h"
#include "model/Geometrie.h"
#include "model/Objektmodell.h"

#include <gtest/gtest.h>

#include <limits>

namespace vsk {
namespace {

TEST(TKLast, EveryWriteKeepsTheDesignLoad) {
    TKLast l;
    EXPECT_EQ(l.TFd(), 0);
    EXPECT_EQ(l.Tgg(), 1.35);
    EXPECT_EQ(l.Tgq(), 1.5);
    l.setTGk(10);
    l.setTQk(5);
    EXPECT_EQ(l.TFd(), 21);
    l.setTF1(2);
    EXPECT_EQ(l.TFd(), 23);
    l.setTgg(1.0);
    EXPECT_EQ(l.TFd(), 19.5);
    l.setTgq(1.0);
    EXPECT_EQ(l.TFd(), 17);
}

TEST(TKLast, DirectDesignValueClearsTheCharacteristicLoads) {
    TKLast l;
    l.setTGk(10);
    l.setTQk(5);
    l.SetFdDirekt(30);
    EXPECT_EQ(l.TFd(), 30);
    EXPECT_EQ(l.TF1(), 30);
    EXPECT_EQ(l.TGk(), 0);
    EXPECT_EQ(l.TQk(), 0);
    EXPECT_EQ(l.Tgg(), 1.35);
    EXPECT_EQ(l.Tgq(), 1.5);
    // The invariant still holds after the next write.
    l.setTGk(2);
    EXPECT_EQ(l.TFd(), 2 * 1.35 + 30);
}

TEST(TKLast, StoredDesignLoadIsKeptAsGiven) {
    TKLast l;
    l.setTGk(1);
    l.setTFd(99);
    EXPECT_EQ(l.TFd(), 99);
    EXPECT_EQ(l.TGk(), 1);
}

TEST(TKGeometrie, EffectiveJointLengthNeedsBothEdges) {
    TKGeometrie g;
    EXPECT_EQ(g.WirksameFugenlaenge(), 2000);
    g.TRandLinks = 1;
    EXPECT_EQ(g.WirksameFugenlaenge(), 2000);
    g.TRandRechts = 1;
    EXPECT_EQ(g.WirksameFugenlaenge(), 1000);
    g.TBauteilRandLinks = 300;
    EXPECT_EQ(g.WirksameFugenlaenge(), 800);
    g.TRandLinks = 0;
    EXPECT_EQ(g.WirksameFugenlaenge(), 2000);
}

TEST(Objektmodell, BarDiametersMapToTheirTableIndex) {
    EXPECT_EQ(DurchmesserIndex(8), 1);
    EXPECT_EQ(DurchmesserIndex(16), 5);
    EXPECT_EQ(DurchmesserIndex(20), 6);
    EXPECT_EQ(DurchmesserIndex(25), 7);
    EXPECT_EQ(DurchmesserIndex(28), 8);
    EXPECT_EQ(DurchmesserIndex(6), 0);
    EXPECT_EQ(DurchmesserIndex(18), 0);
}

TEST(Objektmodell, RoundsUpToTheNextMultiple) {
    EXPECT_EQ(RoundUpToMultiple(7, 2), 8);
    EXPECT_EQ(RoundUpToMultiple(8, 2), 8);
    EXPECT_EQ(RoundUpToMultiple(0, 2), 0);
    EXPECT_EQ(RoundUpToMultiple(1, 3), 3);
    EXPECT_EQ(RoundUpToMultiple(-3, 2), -2);
    EXPECT_EQ(RoundUpToMultiple(5, 0), 5);
    EXPECT_EQ(RoundUpToMultiple(std::numeric_limits<int>::max(), 2),
              std::numeric_limits<int>::max());
}

} // namespace
} // namespace vsk
