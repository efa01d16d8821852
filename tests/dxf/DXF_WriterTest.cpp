#include "dxf/DXF_Writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace vsk {
namespace {

constexpr Point3D kZ(0, 0, 1);

std::string Schreibe(const DXF_Object& objekt) {
    std::ostringstream s;
    EXPECT_TRUE(SchreibeDxf(objekt, s));
    return s.str();
}

// The lines of the text between "2\r\nENTITIES" and the section's end, joined with "|".
std::string Entities(const std::string& datei) {
    std::string kopf = "  2\r\nENTITIES\r\n";
    std::size_t a = datei.find(kopf);
    std::size_t b = datei.find("  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
    if (a == std::string::npos || b == std::string::npos) {
        return "<missing>";
    }
    std::string teil = datei.substr(a + kopf.size(), b - a - kopf.size());
    std::string ergebnis;
    std::size_t p = 0;
    while (p < teil.size()) {
        std::size_t e = teil.find("\r\n", p);
        if (!ergebnis.empty()) {
            ergebnis += '|';
        }
        ergebnis += teil.substr(p, e - p);
        p = e + 2;
    }
    return ergebnis;
}

TEST(DXF_Writer, SingleLineDrawingIsWrittenExactly) {
    DXF_Object objekt;
    AddEntity(GetLayer(objekt, "0"),
              std::make_unique<Line_>(7, Point3D(0, 0, 0), Point3D(100, 50, 0)));

    const std::vector<std::string> zeilen = {
        "999", "VSK 2.0 DXF writer",
        "999", "Tervo Anchoring Systems",
        "999", "Tampere",
        "  0", "SECTION",
        "  2", "HEADER",
        "  9", "$EXTMIN",
        " 10", "0.00000",
        " 20", "0.00000",
        " 30", "0.00000",
        "  9", "$EXTMAX",
        " 10", "100.00000",
        " 20", "50.00000",
        " 30", "0.00000",
        "  0", "ENDSEC",
        "  0", "SECTION",
        "  2", "TABLES",
        "  0", "TABLE",
        "  2", "LTYPE",
        " 70", "     1",
        "  0", "LTYPE",
        "  2", "CONTINUOUS",
        " 70", "    64",
        "  3", "Solid line",
        " 72", "    65",
        " 73", "     0",
        " 40", "0.00000",
        "  0", "ENDTAB",
        "  0", "TABLE",
        "  2", "LAYER",
        " 70", "     1",
        "  0", "LAYER",
        "  2", "0",
        " 70", "    64",
        " 62", "     7",
        "  6", "CONTINUOUS",
        "  0", "ENDTAB",
        "  0", "TABLE",
        "  2", "STYLE",
        " 70", "     0",
        "  0", "STYLE",
        "  2", "ARIAL",
        " 70", "    64",
        " 40", " 3.50000000000000E-0001",
        " 41", " 1.00000000000000E+0000",
        " 50", " 0.00000000000000E+0000",
        " 71", "     0",
        " 42", " 3.50000000000000E-0001",
        "  3", "arial",
        "  4", "",
        "  0", "ENDTAB",
        "  0", "ENDSEC",
        "  0", "SECTION",
        "  2", "BLOCKS",
        "  0", "ENDSEC",
        "  0", "SECTION",
        "  2", "ENTITIES",
        "  0", "LINE",
        "  8", "0",
        " 62", "     7",
        " 10", "0.00000",
        " 20", "0.00000",
        " 30", "0.00000",
        " 11", "100.00000",
        " 21", "50.00000",
        " 31", "0.00000",
        "  0", "ENDSEC",
        "  0", "EOF",
    };
    std::string erwartet;
    for (const auto& z : zeilen) {
        erwartet += z + "\r\n";
    }
    std::string datei = Schreibe(objekt);
    // Compare line by line so that a difference names its line.
    std::istringstream a(datei), b(erwartet);
    std::string za, zb;
    int nr = 1;
    while (std::getline(b, zb)) {
        ASSERT_TRUE(std::getline(a, za)) << "file ends before line " << nr;
        ASSERT_EQ(za, zb) << "line " << nr;
        ++nr;
    }
    EXPECT_FALSE(std::getline(a, za)) << "extra line " << nr << ": " << za;
    EXPECT_EQ(datei, erwartet);
}

TEST(DXF_Writer, LayerTableIsReversedButEntitiesFollowCreation) {
    DXF_Object objekt;
    AddEntity(GetLayer(objekt, "erste"), std::make_unique<Line_>(7, Point3D(0, 0), Point3D(1, 0)));
    DXF_Layer& zweite = GetLayer(objekt, "zweite");
    zweite.SetColour(3);
    AddEntity(zweite, std::make_unique<Circle_>(kZ, 1, Point3D(5, 5), 2));

    std::string datei = Schreibe(objekt);
    std::string tabelle =
        "  0\r\nTABLE\r\n  2\r\nLAYER\r\n 70\r\n     2\r\n"
        "  0\r\nLAYER\r\n  2\r\nzweite\r\n 70\r\n    64\r\n 62\r\n     3\r\n  6\r\nCONTINUOUS\r\n"
        "  0\r\nLAYER\r\n  2\r\nerste\r\n 70\r\n    64\r\n 62\r\n     7\r\n  6\r\nCONTINUOUS\r\n"
        "  0\r\nENDTAB\r\n";
    EXPECT_NE(datei.find(tabelle), std::string::npos);
    EXPECT_EQ(Entities(datei),
              "  0|LINE|  8|erste| 62|     7| 10|0.00000| 20|0.00000| 30|0.00000"
              "| 11|1.00000| 21|0.00000| 31|0.00000"
              "|  0|CIRCLE|  8|zweite| 62|     1| 10|5.00000| 20|5.00000| 30|0.00000| 40|2.00000");
}

TEST(DXF_Writer, EntitiesOfALayerAreWrittenGroupedByKind) {
    DXF_Object objekt;
    DXF_Layer& layer = GetLayer(objekt, "0");
    AddEntity(layer, std::make_unique<Line_>(7, Point3D(0, 0), Point3D(1, 0)));
    AddEntity(layer, std::make_unique<Arc_>(kZ, 7, Point3D(0, 0), 4, 0, 90));
    AddEntity(layer, std::make_unique<Line_>(7, Point3D(0, 0), Point3D(2, 0)));
    EXPECT_EQ(Entities(Schreibe(objekt)),
              "  0|LINE|  8|0| 62|     7| 10|0.00000| 20|0.00000| 30|0.00000"
              "| 11|1.00000| 21|0.00000| 31|0.00000"
              "|  0|LINE|  8|0| 62|     7| 10|0.00000| 20|0.00000| 30|0.00000"
              "| 11|2.00000| 21|0.00000| 31|0.00000"
              "|  0|ARC|  8|0| 62|     7| 10|0.00000| 20|0.00000| 30|0.00000"
              "| 40|4.00000| 50|0.00000| 51|90.00000");
}

TEST(DXF_Writer, TextJustificationDecidesTheAlignmentGroups) {
    DXF_Object objekt;
    DXF_Layer& layer = GetLayer(objekt, "0");
    AddEntity(layer,
              std::make_unique<Text_>(kZ, 7, Point3D(1, 2), Point3D(50, 60), 30, 0, 0, "links"));
    AddEntity(layer,
              std::make_unique<Text_>(kZ, 7, Point3D(1, 2), Point3D(50, 60), 30, 90, 1, "mitte"));
    EXPECT_EQ(Entities(Schreibe(objekt)),
              "  0|TEXT|  8|0| 62|     7| 10|1.00000| 20|2.00000| 30|0.00000"
              "| 40|30.00000| 50|0.00000|  1|links|  7|ARIAL"
              "|  0|TEXT|  8|0| 62|     7| 10|1.00000| 20|2.00000| 30|0.00000"
              "| 40|30.00000| 50|90.00000|  1|mitte|  7|ARIAL"
              "| 11|50.00000| 21|60.00000| 31|0.00000| 72|     1");
}

TEST(DXF_Writer, HeaderExtentsIncludeArcQuadrants) {
    DXF_Object objekt;
    AddEntity(GetLayer(objekt, "0"), std::make_unique<Arc_>(kZ, 7, Point3D(100, 100), 10, 45, 135));
    std::string datei = Schreibe(objekt);
    EXPECT_NE(
        datei.find("  9\r\n$EXTMIN\r\n 10\r\n92.92893\r\n 20\r\n107.07110\r\n 30\r\n0.00000\r\n"),
        std::string::npos);
    EXPECT_NE(
        datei.find("  9\r\n$EXTMAX\r\n 10\r\n107.07110\r\n 20\r\n110.00000\r\n 30\r\n0.00000\r\n"),
        std::string::npos);
}

} // namespace
} // namespace vsk
