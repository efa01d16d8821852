#include "design/Widerstand.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

TEST(Widerstand, SteelOfVSK1ChangesFormulaWithTheLeverArm) {
    // l = 25: bending governs, 4M/l.
    EXPECT_NEAR(double(StahlWiderstand(0, 2)), 41.813, 0.0005);
    // l = 15: 4M/l = 69.689 is above V = 67.715, so the shear formula applies.
    EXPECT_NEAR(double(StahlWiderstand(0, 1)), 69.63, 0.005);
    EXPECT_NEAR(double(StahlWiderstand(0, 0)), 113.50, 0.005);
}

TEST(Widerstand, ConcreteFactorFollowsTheThicknessLimits) {
    // VSK 5: h1 230, h2 270.
    EXPECT_EQ(BetonDickenfaktor(4, 230), 1.0L);
    EXPECT_NEAR(double(BetonDickenfaktor(4, 250)), 1 - 0.5 * 0.13, 1e-15);
    EXPECT_NEAR(double(BetonDickenfaktor(4, 270)), 0.87, 1e-15);
    EXPECT_NEAR(double(BetonDickenfaktor(4, 271)), 0.87, 1e-15);
    // VSK 1 has h2 below h1: straight from 1.0 to the minimum above 145 mm.
    EXPECT_EQ(BetonDickenfaktor(0, 145), 1.0L);
    EXPECT_NEAR(double(BetonDickenfaktor(0, 146)), 0.87, 1e-15);
}

TEST(Widerstand, WideJointsReduceTheConcreteOfTypesWithAReductionLength) {
    // VSK 6 (a_r 200): 60 mm joint divides by 60 / 2 / 200 + 1 = 1.15.
    const long double ohne = BetonWiderstand(5, 400, 0, 3);
    EXPECT_NEAR(double(BetonWiderstand(5, 400, 6, 3) * 1.15L), double(ohne), 1e-12);
    // VSK 1 (a_r 0) is not reduced.
    EXPECT_EQ(BetonWiderstand(0, 250, 6, 3), BetonWiderstand(0, 250, 0, 3));
    // A weaker concrete never gives more.
    EXPECT_LT(BetonWiderstand(5, 400, 0, 0), ohne);
}

} // namespace
} // namespace vsk
