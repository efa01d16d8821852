#include "canvas/Aufzeichnung.h"
#include "canvas/Symbolschrift.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

TEST(Canvas, FarbeHatRotImNiedrigenByte) {
    EXPECT_EQ(RGB(255, 0, 0), 255);
    EXPECT_EQ(RGB(0, 0, 128), 8388608);
    EXPECT_EQ(RGB(192, 192, 192), 12632256);
    EXPECT_EQ(Blau(16776960), 255);
    EXPECT_EQ(Gruen(16776960), 255);
    EXPECT_EQ(Rot(16776960), 0);
}

TEST(Canvas, SchriftPixelRundetHalbeWeg) {
    EXPECT_EQ(SchriftPixel(10, 96), 13); // 13.33
    EXPECT_EQ(SchriftPixel(12, 96), 16);
    EXPECT_EQ(SchriftPixel(8, 96), 11); // 10.67
    EXPECT_EQ(SchriftPixel(9, 96), 12); // 12.0
    EXPECT_EQ(SchriftPixel(3, 12), 1);  // 0.5 rounds up
    EXPECT_EQ(SchriftPixel(12, 600), 100);
}

TEST(Canvas, AufzeichnungMerktZustandJeOperation) {
    Aufzeichnung c;
    c.stift = {RGB(1, 2, 3), 3, Stiftart::Gepunktet};
    c.pinsel = {RGB(4, 5, 6), Pinselart::Leer};
    c.MoveTo(1, 2);
    c.LineTo(10, 20);
    c.LineTo(5, 5);
    c.schrift.winkel = 900;
    c.TextOut(7, 8, "abc");
    c.stift.breite = 1;
    c.Rectangle(0, 0, 4, 4);

    ASSERT_EQ(c.ops.size(), 4u);
    EXPECT_EQ(c.ops[0].op, Operation::Linie);
    EXPECT_EQ(c.ops[0].k, (std::vector<int>{1, 2, 10, 20}));
    EXPECT_EQ(c.ops[1].k, (std::vector<int>{10, 20, 5, 5}));
    EXPECT_EQ(c.ops[0].stift.breite, 3);
    EXPECT_EQ(c.ops[0].stift.art, Stiftart::Gepunktet);
    EXPECT_EQ(c.ops[2].text, "abc");
    EXPECT_EQ(c.ops[2].schrift.winkel, 900);
    EXPECT_EQ(c.ops[3].stift.breite, 1);
    EXPECT_EQ(c.ops[3].pinsel.art, Pinselart::Leer);
    EXPECT_EQ(c.PenPos(), (Punkt{5, 5}));
    EXPECT_EQ(c.Anzahl(Operation::Linie), 2u);
}

TEST(Canvas, AufzeichnungTextmassFolgtDerRegel) {
    Aufzeichnung c;
    c.schrift.groesse = 12;
    EXPECT_EQ(c.TextWidth("W"), 8);
    EXPECT_EQ(c.TextWidth("Wy"), 16);
    EXPECT_EQ(c.TextHeight("W"), 19);
    EXPECT_EQ(c.TextWidth("\xce\xb3"), 8); // one character in UTF-8
    c.schrift.groesse = 8;
    EXPECT_EQ(c.TextWidth("200"), 16); // 3 * 11 / 2
    EXPECT_EQ(c.TextHeight(""), 13);
    Aufzeichnung drucker(600);
    drucker.schrift.groesse = 12;
    EXPECT_EQ(drucker.TextHeight("x"), 120);
}

TEST(Canvas, SymbolTextWirdGriechisch) {
    EXPECT_EQ(SymbolNachUnicode("g"), "\xCE\xB3");            // gamma
    EXPECT_EQ(SymbolNachUnicode("h"), "\xCE\xB7");            // eta
    EXPECT_EQ(SymbolNachUnicode("\xA3"), "\xE2\x89\xA4");     // Latin-1 byte: less-or-equal
    EXPECT_EQ(SymbolNachUnicode("\xC2\xA3"), "\xE2\x89\xA4"); // UTF-8 pound sign: the same
    EXPECT_EQ(SymbolNachUnicode("\xB3"), "\xE2\x89\xA5");     // greater-or-equal
    EXPECT_EQ(SymbolNachUnicode("D"), "\xCE\x94");            // Delta
    EXPECT_EQ(SymbolNachUnicode("W"), "\xCE\xA9");            // Omega
    EXPECT_EQ(SymbolNachUnicode("z"), "\xCE\xB6");            // zeta
    EXPECT_EQ(SymbolNachUnicode("1,5 = "), "1,5 = ");         // digits and signs kept
    EXPECT_EQ(SymbolNachUnicode(""), "");
    EXPECT_EQ(SymbolNachUnicode("\xE2"), "\xC2\xAE"); // lone byte 0xE2 (Latin-1), not UTF-8
}

} // namespace
} // namespace vsk
