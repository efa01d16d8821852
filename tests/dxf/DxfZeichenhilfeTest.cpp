#include "dxf/DxfZeichenhilfe.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vsk {
namespace {

struct Blatt {
    DXF_Object objekt;
    DXF_Layer& layer = GetLayer(objekt, "0");
    DxfZeichenhilfe z{layer};

    template <typename T> const T& Nr(const char* liste, std::size_t i) const {
        for (const auto& l : layer.EntityLists()) {
            if (l.Name() == liste) {
                return static_cast<const T&>(*l.Entities().at(i));
            }
        }
        throw std::out_of_range(liste);
    }
    std::size_t Anzahl(const char* liste) const { return AnzahlEntities(objekt, liste); }
};

void ErwartePunkt(const Point3D& p, double x, double y) {
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

TEST(DxfZeichenhilfe, DimensionLineHasOvershootStopsAndTicks) {
    Blatt b;
    b.z.DxfLinie({0, 0}, {100, 0}, 3, true);
    ASSERT_EQ(b.Anzahl("Line_"), 5u);
    const auto& haupt = b.Nr<Line_>("Line_", 0);
    ErwartePunkt(haupt.Start(), -5, 0);
    ErwartePunkt(haupt.Ende(), 105, 0);
    EXPECT_EQ(haupt.Colour(), 3);
    // u = (1, 0): n(20) = (0, -10); t = (5/sqrt 2)(1, 1)
    const auto& stopA = b.Nr<Line_>("Line_", 1);
    ErwartePunkt(stopA.Start(), 0, -10);
    ErwartePunkt(stopA.Ende(), 0, 10);
    const auto& tickA = b.Nr<Line_>("Line_", 2);
    double t = 5 / std::sqrt(2.0);
    ErwartePunkt(tickA.Start(), -t, -t);
    ErwartePunkt(tickA.Ende(), t, t);
    ErwartePunkt(b.Nr<Line_>("Line_", 3).Start(), 100, -10);
    ErwartePunkt(b.Nr<Line_>("Line_", 4).Ende(), 100 + t, t);
}

TEST(DxfZeichenhilfe, BarCapsSquareRoundOpen) {
    Blatt b;
    b.z.DxfStab({0, 0}, {0, 100}, 10, StabEnde::Rund, StabEnde::Eckig);
    ASSERT_EQ(b.Anzahl("Line_"), 3u);
    ASSERT_EQ(b.Anzahl("Arc_"), 1u);
    // Upward bar: n(10) = (5, 0); the sides first, then the square cap at B.
    ErwartePunkt(b.Nr<Line_>("Line_", 0).Start(), 5, 0);
    ErwartePunkt(b.Nr<Line_>("Line_", 1).Ende(), -5, 100);
    ErwartePunkt(b.Nr<Line_>("Line_", 2).Start(), 5, 100);
    ErwartePunkt(b.Nr<Line_>("Line_", 2).Ende(), -5, 100);
    // The round cap at A runs from 180 to 360 (below the start), the direction angle
    // being taken with pi as 3.1415927.
    const auto& kappe = b.Nr<Arc_>("Arc_", 0);
    EXPECT_EQ(kappe.Radius(), 5);
    EXPECT_NEAR(kappe.StartGrad(), 180, 1e-5);
    EXPECT_NEAR(kappe.EndGrad(), 360, 1e-5);
    EXPECT_NE(kappe.StartGrad(), 180.0);

    Blatt c;
    c.z.DxfStab({0, 0}, {100, 0}, 10, StabEnde::Offen, StabEnde::Rund);
    EXPECT_EQ(c.Anzahl("Line_"), 2u);
    const auto& ende = c.Nr<Arc_>("Arc_", 0);
    EXPECT_NEAR(ende.StartGrad(), 270, 1e-9);
    EXPECT_NEAR(ende.EndGrad(), 90, 1e-9);
}

TEST(DxfZeichenhilfe, UBarIsOpenTowardPlusX) {
    Blatt b;
    b.z.DxfBuegel(10, 200, 0, 300, 12, 24);
    EXPECT_EQ(b.Anzahl("Line_"), 6u);
    ASSERT_EQ(b.Anzahl("Arc_"), 4u);
    // k = 24 + 6 = 30
    ErwartePunkt(b.Nr<Line_>("Line_", 0).Start(), 300, 206);
    ErwartePunkt(b.Nr<Line_>("Line_", 0).Ende(), 40, 206);
    const auto& innen = b.Nr<Arc_>("Arc_", 0);
    ErwartePunkt(innen.Mitte(), 40, 170);
    EXPECT_EQ(innen.Radius(), 24);
    EXPECT_EQ(b.Nr<Arc_>("Arc_", 1).Radius(), 36);
    ErwartePunkt(b.Nr<Arc_>("Arc_", 2).Mitte(), 40, 30);
    EXPECT_NEAR(b.Nr<Arc_>("Arc_", 3).EndGrad(), 270, 1e-9);
    ErwartePunkt(b.Nr<Line_>("Line_", 4).Ende(), 300, -6);
    ErwartePunkt(b.Nr<Line_>("Line_", 5).Ende(), 300, 6);
}

TEST(DxfZeichenhilfe, RectangleRunsFromTheSecondCorner) {
    Blatt b;
    b.z.DxfRechteck(0, 0, 20, 10);
    ASSERT_EQ(b.Anzahl("Line_"), 4u);
    ErwartePunkt(b.Nr<Line_>("Line_", 0).Start(), 20, 10);
    ErwartePunkt(b.Nr<Line_>("Line_", 0).Ende(), 20, 0);
    ErwartePunkt(b.Nr<Line_>("Line_", 3).Ende(), 20, 10);
}

TEST(DxfZeichenhilfe, DimensionTextsArePlacedByTheLineDirection) {
    Blatt b;
    b.z.SetzeTexthoehe(30);
    b.z.DxfMasslinie({0, 0}, {100, 0}, "100", 0, true); // horizontal: raised, centred
    b.z.DxfMasslinie({0, 50}, {0, 0}, "50", 90, true);  // A above B: left, right-aligned
    b.z.DxfMasslinie({0, 0}, {0, 50}, "50", 90, false); // A below B: right, left-aligned
    const auto& waag = b.Nr<Text_>("Text_", 0);
    EXPECT_EQ(waag.Ausrichtung(), 1);
    ErwartePunkt(waag.Position(), 0, 6);
    ErwartePunkt(waag.AusrichtPunkt(), 50, 6);
    const auto& links = b.Nr<Text_>("Text_", 1);
    EXPECT_EQ(links.Ausrichtung(), 2);
    EXPECT_EQ(links.DrehungGrad(), 90);
    ErwartePunkt(links.Position(), -6, 50);
    ErwartePunkt(links.AusrichtPunkt(), -6, 25);
    const auto& rechts = b.Nr<Text_>("Text_", 2);
    EXPECT_EQ(rechts.Ausrichtung(), 0);
    ErwartePunkt(rechts.Position(), 6, 0);
    EXPECT_EQ(b.Anzahl("Line_"), 11u);
}

TEST(DxfZeichenhilfe, ZeroLengthPiecesStayFinite) {
    Blatt b;
    b.z.DxfStab({5, 5}, {5, 5}, 10, StabEnde::Rund, StabEnde::Eckig);
    b.z.DxfLinie({5, 5}, {5, 5}, 7, true);
    for (const auto& l : b.layer.EntityLists()) {
        for (const auto& e : l.Entities()) {
            Point3D min(1e10, 1e10, 1e10), max(-1e10, -1e10, -1e10);
            e->UpdateExtents(min, max);
            EXPECT_TRUE(std::isfinite(min.x) && std::isfinite(max.y));
        }
    }
}

} // namespace
} // namespace vsk
