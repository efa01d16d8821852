#include "dxf/DxfObjekt.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

constexpr Point3D kZ(0, 0, 1);

struct Grenzen {
    Point3D min{1e10, 1e10, 1e10};
    Point3D max{-1e10, -1e10, -1e10};
};

Grenzen BogenGrenzen(double start, double ende) {
    Grenzen g;
    Arc_(kZ, 7, {0, 0, 0}, 10, start, ende).UpdateExtents(g.min, g.max);
    return g;
}

TEST(DxfObjekt, ArcExtentsAddOnlyTheQuadrantPointsPassed) {
    Grenzen viertel = BogenGrenzen(0, 90);
    EXPECT_NEAR(viertel.min.x, 0, 1e-12);
    EXPECT_NEAR(viertel.min.y, 0, 1e-12);
    EXPECT_NEAR(viertel.max.x, 10, 1e-12);
    EXPECT_NEAR(viertel.max.y, 10, 1e-12);

    Grenzen oben = BogenGrenzen(45, 135);
    EXPECT_DOUBLE_EQ(oben.max.y, 10); // the point at 90 degrees
    EXPECT_NEAR(oben.min.y, 7.0710678, 1e-6);
    EXPECT_NEAR(oben.min.x, -7.0710678, 1e-6);
    EXPECT_NEAR(oben.max.x, 7.0710678, 1e-6);

    Grenzen voll = BogenGrenzen(0, 360);
    EXPECT_NEAR(voll.min.x, -10, 1e-12);
    EXPECT_NEAR(voll.min.y, -10, 1e-12);
    EXPECT_NEAR(voll.max.x, 10, 1e-12);
    EXPECT_NEAR(voll.max.y, 10, 1e-12);

    // Across 0 degrees: 270 -> 90 passes the point at 0 only.
    Grenzen rechts = BogenGrenzen(270, 90);
    EXPECT_NEAR(rechts.max.x, 10, 1e-12);
    EXPECT_NEAR(rechts.min.x, 0, 1e-12);

    // Angles outside 0..360 must still end (they are folded into the range).
    Grenzen aussen = BogenGrenzen(-30, 400);
    EXPECT_LE(aussen.min.x, aussen.max.x);
}

TEST(DxfObjekt, ArcKeepsRadiansAndGivesDegreesBack) {
    Arc_ bogen(kZ, 7, {1, 2, 0}, 5, 90, 180);
    EXPECT_NEAR(bogen.StartBogen(), 1.5707963267948966, 1e-15);
    EXPECT_NEAR(bogen.EndGrad(), 180, 1e-12);
}

TEST(DxfObjekt, CircleAndTextExtents) {
    Grenzen g;
    Circle_(kZ, 7, {10, 20, 0}, 5).UpdateExtents(g.min, g.max);
    EXPECT_EQ(g.min, Point3D(5, 15, 0));
    EXPECT_EQ(g.max, Point3D(15, 25, 0));

    Grenzen t;
    Text_(kZ, 7, {3, 4, 0}, {100, 100, 0}, 30, 0, 1, "abc").UpdateExtents(t.min, t.max);
    EXPECT_EQ(t.min, Point3D(3, 4, 0));
    EXPECT_EQ(t.max, Point3D(3, 4, 0));
}

TEST(DxfObjekt, TextWithoutAlignmentPointAlignsAtItsPosition) {
    Text_ text(kZ, 7, {3, 4, 0}, {0, 0, 0}, 30, 0, 2, "abc");
    EXPECT_EQ(text.AusrichtPunkt(), Point3D(3, 4, 0));
}

TEST(DxfObjekt, NamesAndScreenColours) {
    EXPECT_EQ(Line_(7, {}, {}).DXFName(), "LINE");
    EXPECT_EQ(Arc_(kZ, 7, {}, 1, 0, 90).DXFName(), "ARC");
    EXPECT_EQ(Circle_(kZ, 7, {}, 1).DXFName(), "CIRCLE");
    EXPECT_EQ(Text_(kZ, 7, {}, {}, 1, 0, 0, "").DXFName(), "TEXT");

    EXPECT_EQ(DxfBildschirmFarbe(7), 0);
    EXPECT_EQ(DxfBildschirmFarbe(1), 0x0000FF);
    EXPECT_EQ(DxfBildschirmFarbe(5), 0xFF0000);
    EXPECT_EQ(DxfBildschirmFarbe(4), 0xFFFF00);
    EXPECT_EQ(DxfBildschirmFarbe(6), 0x800080);
    EXPECT_EQ(DxfBildschirmFarbe(18), 0xFF0000); // 18 mod 13 = 5
    EXPECT_EQ(DxfBildschirmFarbe(256), DxfBildschirmFarbe(256 % 13));
}

TEST(DxfObjekt, LayersAreFoundByExactName) {
    DXF_Object objekt;
    EXPECT_EQ(objekt.Name(), "Untitled");
    DXF_Layer& null = GetLayer(objekt, "0");
    EXPECT_EQ(null.Colour(), 7);
    EXPECT_EQ(&GetLayer(objekt, "0"), &null);
    DXF_Layer& klein = GetLayer(objekt, "a");
    DXF_Layer& gross = GetLayer(objekt, "A");
    EXPECT_NE(&klein, &gross);
    EXPECT_EQ(objekt.Layers().size(), 3u);
    EXPECT_THROW(GetLayer(objekt, "a", false), DxfFehler);
    EXPECT_EQ(objekt.Layers().size(), 3u);
}

TEST(DxfObjekt, EntitiesAreGroupedByKindInOrderOfFirstOccurrence) {
    DXF_Object objekt;
    DXF_Layer& layer = GetLayer(objekt, "0");
    AddEntity(layer, std::make_unique<Line_>(7, Point3D(0, 0), Point3D(1, 0)));
    AddEntity(layer, std::make_unique<Arc_>(kZ, 7, Point3D(), 1, 0, 90));
    AddEntity(layer, std::make_unique<Line_>(7, Point3D(0, 0), Point3D(2, 0)));
    AddEntity(layer, std::make_unique<Circle_>(kZ, 7, Point3D(), 3));
    AddEntity(layer, std::make_unique<Arc_>(kZ, 7, Point3D(), 2, 0, 90));

    const auto& listen = layer.EntityLists();
    ASSERT_EQ(listen.size(), 3u);
    EXPECT_EQ(listen[0].Name(), "Line_");
    EXPECT_EQ(listen[1].Name(), "Arc_");
    EXPECT_EQ(listen[2].Name(), "Circle_");
    ASSERT_EQ(listen[0].Entities().size(), 2u);
    EXPECT_EQ(static_cast<const Line_&>(*listen[0].Entities()[1]).Ende().x, 2);
    EXPECT_EQ(&listen[1].Layer(), &layer);
    EXPECT_EQ(AnzahlEntities(objekt, "Arc_"), 2u);
}

TEST(DxfObjekt, BlackEntitiesTakeTheLayerColour) {
    DXF_Object objekt;
    DXF_Layer& layer = GetLayer(objekt, "rot");
    layer.SetColour(1);
    auto& schwarz = AddEntity(layer, std::make_unique<Line_>(7, Point3D(), Point3D(1, 1)));
    auto& blau = AddEntity(layer, std::make_unique<Line_>(5, Point3D(), Point3D(1, 1)));
    EXPECT_EQ(schwarz.Colour(), 1);
    EXPECT_EQ(blau.Colour(), 5);
}

TEST(DxfObjekt, ObjectExtentsStartFromTheStoredOnes) {
    DXF_Object objekt;
    AddEntity(GetLayer(objekt, "0"), std::make_unique<Line_>(7, Point3D(10, 10), Point3D(20, 30)));
    Point3D min, max;
    ObjektGrenzen(objekt, min, max);
    EXPECT_EQ(min, Point3D(0, 0, 0)); // the stored (0, 0, 0) is part of the extents
    EXPECT_EQ(max, Point3D(20, 30, 0));
}

} // namespace
} // namespace vsk
