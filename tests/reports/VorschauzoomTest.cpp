#include "reports/Vorschauzoom.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

TEST(Vorschauzoom, StepsGoUpAndDownAndStopAtTheEnds) {
    Vorschauzoom z;
    EXPECT_EQ(z.Prozenttext(), "100 %");
    z.Hinein();
    EXPECT_EQ(z.Prozenttext(), "110 %");
    z.Seitenbreite(800, 1016, 8); // 125 %, a step itself
    z.Hinein();
    EXPECT_EQ(z.Prozenttext(), "150 %");
    z.Setze(1.3); // between two steps (a fitted zoom)
    z.Hinaus();
    EXPECT_EQ(z.Prozenttext(), "125 %");
    for (int i = 0; i < 20; ++i) {
        z.Hinein();
    }
    EXPECT_EQ(z.Faktor(), Vorschauzoom::Groesster);
    for (int i = 0; i < 20; ++i) {
        z.Hinaus();
    }
    EXPECT_EQ(z.Faktor(), Vorschauzoom::Kleinster);
}

// On a screen at 200 % the largest zoom gives a page the device pixels 400 % gives it at
// 100 %, no more: three pages of 212 MB each would not fit many machines.
TEST(Vorschauzoom, TheLargestZoomDependsOnTheScreensPixelRatio) {
    Vorschauzoom z(2);
    for (int i = 0; i < 20; ++i) {
        z.Hinein();
    }
    EXPECT_EQ(z.Prozenttext(), "200 %");
    z.SetzeVerhaeltnis(1);
    z.Setze(4);
    z.SetzeVerhaeltnis(2); // moved to the finer screen
    EXPECT_EQ(z.Faktor(), 2);
}

} // namespace
} // namespace vsk
