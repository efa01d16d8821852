#include "design/DornAufteilung.h"

#include "support/PlattformDouble.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

TKTmpDornAufteilung Mit(std::vector<double> r0, std::vector<double> r1) {
    TKTmpDornAufteilung a;
    for (double v : r0) {
        a.ReiheAnfuegen(0, v);
    }
    for (double v : r1) {
        a.ReiheAnfuegen(1, v);
    }
    return a;
}

void ErwarteListe(const std::vector<double>& ist, const std::vector<double>& soll) {
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t i = 0; i < soll.size(); ++i) {
        EXPECT_NEAR(ist[i], soll[i], 1e-9) << i;
    }
}

TEST(Zusammenfuegen, AmongEqualGapsTheSplitNearestTheStartWins) {
    const std::vector<double> reihe = {625.0025, 1250.005, 1250.005, 1249.995, 624.9925};
    ErwarteListe(Mit(reihe, reihe).Zusammenfuegen(5000),
                 {625.0025, 1249.985, 1250.005, 1250.005, 625.0025});
}

TEST(Zusammenfuegen, TheWidestMiddleGapJoinsTheWalks) {
    // Connectors from the start at 100, 200, 1200; from the end at 1700, 1500, 800.
    const auto a = Mit({100, 100, 1000, 800}, {300, 200, 700, 800});
    // Splits: s = 1 leaves 2000 - 100 - 500 = 1400, s = 2 leaves 2000 - 200 - 300 = 1500.
    ErwarteListe(a.Zusammenfuegen(2000), {100, 100, 1500, 300});
}

TEST(Zusammenfuegen, OneConnectorTakesBothFirstEntries) {
    ErwarteListe(Mit({2500, 2500}, {2400, 2600}).Zusammenfuegen(5000), {2500, 2400});
}

TEST(Zusammenfuegen, RowsThatDoNotMatchKeepRowZero) {
    ErwarteListe(Mit({100, 200, 300}, {100, 500}).Zusammenfuegen(600), {100, 200, 300});
    // No split leaves a positive gap.
    ErwarteListe(Mit({500, 500, 0}, {500, 500, 0}).Zusammenfuegen(1000), {500, 500, 0});
    EXPECT_TRUE(TKTmpDornAufteilung().Zusammenfuegen(1000).empty());
}

TEST(SetTmpLast, MirrorsTheLoadLineAndReportsPointsBeyondTheJointOncePerRun) {
    test::PlattformDouble plattform;
    Meldeweg meldeweg{plattform};
    TKTmpDornAufteilung a;
    a.SetTmpLast({{0, 1}, {1000, 2}, {5000, 3}}, 5000, meldeweg);
    ASSERT_EQ(a.GespiegelteLast().size(), 3u);
    EXPECT_EQ(a.GespiegelteLast()[0].x, 0);
    EXPECT_EQ(a.GespiegelteLast()[0].q, 3);
    EXPECT_EQ(a.GespiegelteLast()[1].x, 4000);
    EXPECT_EQ(a.GespiegelteLast()[2].x, 5000);
    EXPECT_TRUE(plattform.meldungen.empty());

    // One message per point beyond the joint; the walk goes on with the negative x.
    a.SetTmpLast({{0, 1}, {5500, 2}, {6000, 3}}, 5000, meldeweg);
    ASSERT_EQ(plattform.meldungen.size(), 2u);
    EXPECT_EQ(plattform.meldungen[0],
              "SetTmpLast: Fatal error in calculating process! The result of the calculation is "
              "invalid!\n\rTry the calculation with new input data and refer to the programme "
              "producer.");
    EXPECT_EQ(a.GespiegelteLast()[0].x, -1000);
    // The next arrangement of the same run stays silent.
    a.SetTmpLast({{0, 1}, {5500, 2}, {6000, 3}}, 5000, meldeweg);
    EXPECT_EQ(plattform.meldungen.size(), 2u);
    EXPECT_EQ(a.GespiegelteLast()[1].x, -500);
}

} // namespace
} // namespace vsk
