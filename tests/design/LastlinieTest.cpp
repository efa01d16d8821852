#include "design/Lastlinie.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vsk {
namespace {

TEST(Schnittpunkt, CutsEachKindOfSegmentWhereTheForceIsReached) {
    // Constant: 20 kN/m carries 25.0001 kN over 1250.005 mm.
    EXPECT_NEAR(Schnittpunkt({0, 20}, {5000, 20}, 25.0001).x, 1250.005, 1e-9);
    // Rising 0 -> 20 kN/m: x^2 / 500000 = 12.5001.
    const LastPunkt steigend = Schnittpunkt({0, 0}, {5000, 20}, 12.5001);
    EXPECT_NEAR(steigend.x, std::sqrt(6250050.0), 1e-9);
    EXPECT_NEAR(steigend.q, 20 * std::sqrt(6250050.0) / 5000, 1e-9);
    // Falling 20 -> 0 kN/m: the force up to the cut is the share.
    const LastPunkt fallend = Schnittpunkt({0, 20}, {5000, 0}, 12.5001);
    EXPECT_NEAR(fallend.x, (10000 - std::sqrt(74999800.0)) / 2, 1e-9);
    EXPECT_NEAR(Flaeche({0, 20}, fallend), 12.5001, 1e-9);
}

TEST(Schnittpunkt, ASegmentHoldingLessLiesBeyondItsEnd) {
    const LastPunkt c = Schnittpunkt({100, 10}, {200, 10}, 5);
    EXPECT_EQ(c.x, 201);
    EXPECT_EQ(c.q, 10);
}

TEST(Schnittpunkt, AnEndValueOfZeroCutsAtTheEndInsteadOfDividingByIt) {
    // The whole falling segment is exactly the share: the cut is its end.
    const LastPunkt c = Schnittpunkt({0, 20}, {5000, 0}, 50);
    EXPECT_EQ(c.x, 5000);
    EXPECT_TRUE(std::isfinite(c.q));
}

TEST(Schwerpunkt, CombinesTheTrapezoidWithAnEarlierForce) {
    EXPECT_DOUBLE_EQ(Schwerpunkt({0, 0}, {3000, 30}, 0, 0), 2000);
    EXPECT_DOUBLE_EQ(Schwerpunkt({0, 30}, {3000, 0}, 0, 0), 1000);
    // 10 kN spread over 0..1000 and 10 kN at 2000.
    EXPECT_DOUBLE_EQ(Schwerpunkt({0, 10}, {1000, 10}, 2000, 10), 1250);
    EXPECT_EQ(Schwerpunkt({0, 0}, {1000, 0}, 500, 0), 0);
    EXPECT_DOUBLE_EQ(Flaeche({0, 10}, {1000, 30}), 20);
}

TEST(Ablaufen, ConstantLoadGivesEqualSharesFromTheStart) {
    std::vector<double> reihe;
    EXPECT_TRUE(Ablaufen({{0, 20}, {5000, 20}}, 25.0001, 0, true, false, reihe));
    const std::vector<double> erwartet = {625.0025, 1250.005, 1250.005, 1249.995, 624.9925};
    ASSERT_EQ(reihe.size(), erwartet.size());
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        EXPECT_NEAR(reihe[i], erwartet[i], 1e-9) << i;
    }
}

TEST(Ablaufen, TheLimitChecksEveryDistanceButTheLast) {
    std::vector<double> reihe;
    // One connector at 2500: 2500 from the start breaks a limit of 2000.
    EXPECT_FALSE(Ablaufen({{0, 20}, {5000, 20}}, 100.0001, 2000, true, false, reihe));
    EXPECT_EQ(reihe.size(), 2u);
    reihe.clear();
    // Four connectors: 625 from the start, then 1250, the end distance 625 is unchecked.
    EXPECT_TRUE(Ablaufen({{0, 20}, {5000, 20}}, 25.0001, 1250.01, true, false, reihe));
    reihe.clear();
    EXPECT_FALSE(Ablaufen({{0, 20}, {5000, 20}}, 25.0001, 1250, true, false, reihe));
    // Stopping early leaves the row short.
    reihe.clear();
    EXPECT_FALSE(Ablaufen({{0, 20}, {5000, 20}}, 25.0001, 1250, true, true, reihe));
    EXPECT_EQ(reihe.size(), 2u);
}

TEST(BeideZulaessig, IsTheVerdictOfBothFullWalks) {
    // Loaded at the start only: from the start every distance passes, from the end the
    // first connector is 3000 mm away.
    const Lastlinie linie = {{0, 20}, {2000, 20}, {2000, 0}, {5000, 0}};
    const Lastlinie gespiegelt = {{0, 0}, {3000, 0}, {3000, 20}, {5000, 20}};
    std::vector<double> r0, r1;
    EXPECT_FALSE(BeideZulaessig(linie, gespiegelt, 10.0001, 2000, r0, r1));
    EXPECT_FALSE(BeideZulaessig(gespiegelt, linie, 10.0001, 2000, r0, r1));

    const Lastlinie konstant = {{0, 20}, {5000, 20}};
    std::vector<double> v0, v1, w0, w1;
    ASSERT_TRUE(BeideZulaessig(konstant, konstant, 25.0001, 1300, v0, v1));
    EXPECT_TRUE(Ablaufen(konstant, 25.0001, 1300, true, false, w0));
    EXPECT_TRUE(Ablaufen(konstant, 25.0001, 1300, true, false, w1));
    EXPECT_EQ(v0, w0);
    EXPECT_EQ(v1, w1);
}

TEST(GrenzeUnerreichbar, OnlyStretchesNoCountCanBridge) {
    // Unloaded start of the limit or more.
    EXPECT_TRUE(GrenzeUnerreichbar({{0, 0}, {1000, 0}, {1000, 10}, {5000, 10}}, 5000, 1000));
    EXPECT_FALSE(GrenzeUnerreichbar({{0, 0}, {999, 0}, {999, 10}, {5000, 10}}, 5000, 1000));
    // The load line starting late counts as unloaded too.
    EXPECT_TRUE(GrenzeUnerreichbar({{1200, 10}, {5000, 10}}, 5000, 1000));
    // Unloaded end up to the joint length.
    EXPECT_TRUE(GrenzeUnerreichbar({{0, 10}, {4000, 10}}, 5000, 1000));
    EXPECT_TRUE(GrenzeUnerreichbar({{0, 10}, {3000, 10}, {4000, 0}, {5000, 0}}, 5000, 1000));
    // A ramp down to zero is loaded up to its end.
    EXPECT_FALSE(GrenzeUnerreichbar({{0, 10}, {4500, 0}}, 5000, 1000));
    // Inside, the same length counts.
    EXPECT_FALSE(GrenzeUnerreichbar(
        {{0, 10}, {1000, 10}, {1000, 0}, {1999, 0}, {1999, 10}, {5000, 10}}, 5000, 1000));
    EXPECT_TRUE(GrenzeUnerreichbar(
        {{0, 10}, {1000, 10}, {1000, 0}, {2000, 0}, {2000, 10}, {5000, 10}}, 5000, 1000));
    // Without a limit nothing is hopeless; an unloaded joint passes with any count.
    EXPECT_FALSE(GrenzeUnerreichbar({{0, 0}, {9000, 0}}, 9000, 0));
    EXPECT_FALSE(GrenzeUnerreichbar({{0, 0}, {9000, 0}}, 9000, 1000));
}

} // namespace
} // namespace vsk
