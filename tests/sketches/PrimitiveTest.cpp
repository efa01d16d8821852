#include "sketches/Primitive.h"

#include "canvas/Aufzeichnung.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

using K = std::vector<int>;

std::vector<K> Linien(const Aufzeichnung& c) {
    std::vector<K> r;
    for (const auto& op : c.Nur(Operation::Linie)) {
        r.push_back(op.k);
    }
    return r;
}

TEST(Bemassung, WaagrechtMarkenStricheUndText) {
    Aufzeichnung c;
    c.stift.farbe = RGB(1, 2, 3);
    ZeichneBemassung(c, {10, 50}, {110, 50}, 19, false, "", "200", {0, -19}, 2);
    // markLen 19: end marks +-4, ticks +-2.
    const std::vector<K> erwartet = {{10, 27, 10, 35},
                                     {110, 27, 110, 35},
                                     {8, 31, 112, 31},
                                     {12, 29, 8, 33},
                                     {112, 29, 108, 33}};
    EXPECT_EQ(Linien(c), erwartet);
    for (const auto& op : c.Nur(Operation::Linie)) {
        EXPECT_EQ(op.stift.breite, 2);
        EXPECT_EQ(op.stift.farbe, RGB(1, 2, 3));
        EXPECT_EQ(op.stift.art, Stiftart::Durchgezogen);
    }
    // Arial 8 pt: 11 px, "200" 16 wide, 13 high; centred, 2 px above the line.
    const auto texte = c.Nur(Operation::TextOut);
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0].k, (K{(10 + 110 - 16) / 2, 31 - 13 - 2}));
    EXPECT_EQ(texte[0].schrift.groesse, 8);
    EXPECT_EQ(texte[0].schrift.name, "Arial");
}

TEST(Bemassung, VonRechtsNachLinksWieVonLinksNachRechts) {
    Aufzeichnung a, b;
    ZeichneBemassung(a, {10, 50}, {110, 60}, 19, false, "x", "12.5", {3, 7}, 1);
    ZeichneBemassung(b, {110, 60}, {10, 50}, 19, false, "x", "12.5", {3, 7}, 1);
    ASSERT_EQ(a.ops.size(), b.ops.size());
    for (std::size_t i = 0; i < a.ops.size(); ++i) {
        EXPECT_EQ(a.ops[i].k, b.ops[i].k) << i;
        EXPECT_EQ(a.ops[i].text, b.ops[i].text) << i;
    }
}

TEST(Bemassung, SenkrechtMitGedrehtemTextUndIndex) {
    Aufzeichnung c;
    ZeichneBemassung(c, {100, 20}, {100, 220}, 19, true, "W", "d", {38, 0}, 1);
    const std::vector<K> erwartet = {{134, 20, 142, 20},
                                     {134, 220, 142, 220},
                                     {138, 18, 138, 222},
                                     {136, 18, 140, 22},
                                     {136, 218, 140, 222}};
    EXPECT_EQ(Linien(c), erwartet);
    const auto texte = c.Nur(Operation::TextOut);
    ASSERT_EQ(texte.size(), 2u);
    // tw = width of "dW" = 11, th = 13: text at (138 - 13, (20 + 220 + 11) / 2).
    EXPECT_EQ(texte[0].text, "d");
    EXPECT_EQ(texte[0].k, (K{125, 125}));
    EXPECT_EQ(texte[0].schrift.winkel, 900);
    // Index: x + 8 div 2, y less the width of "d" (5), at 6 pt.
    EXPECT_EQ(texte[1].text, "W");
    EXPECT_EQ(texte[1].k, (K{129, 120}));
    EXPECT_EQ(texte[1].schrift.groesse, 6);
    EXPECT_EQ(texte[1].schrift.winkel, 900);
    EXPECT_EQ(c.schrift.winkel, 0);
    EXPECT_EQ(c.schrift.groesse, 8);
}

TEST(Pfeil, SenkrechtKopfUndZusammenfallendePunkte) {
    Aufzeichnung c;
    ZeichnePfeil(c, {50, 10}, {50, 60}, true, "", "", {3, 3}, 1);
    const std::vector<K> erwartet = {
        {50, 10, 50, 60}, {50, 60, 53, 57}, {53, 57, 47, 57}, {47, 57, 50, 60}};
    EXPECT_EQ(Linien(c), erwartet);
    EXPECT_EQ(c.Anzahl(Operation::TextOut), 0u);

    // Pointing up.
    c.Leeren();
    ZeichnePfeil(c, {50, 60}, {50, 10}, true, "", "", {3, 3}, 1);
    EXPECT_EQ(Linien(c)[1], (K{50, 10, 53, 13}));

    // A zero-length vertical arrow collapses to a short horizontal stroke.
    c.Leeren();
    ZeichnePfeil(c, {50, 60}, {50, 60}, true, "", "", {3, 3}, 1);
    const std::vector<K> flach = {
        {50, 60, 50, 60}, {50, 60, 53, 60}, {53, 60, 47, 60}, {47, 60, 50, 60}};
    EXPECT_EQ(Linien(c), flach);
}

TEST(Pfeil, WaagrechtMitTextUndOhneRichtungNichts) {
    Aufzeichnung c;
    ZeichnePfeil(c, {100, 40}, {20, 40}, false, "f", "l", {3, 3}, 3);
    const std::vector<K> erwartet = {
        {100, 40, 20, 40}, {20, 40, 23, 43}, {23, 43, 23, 37}, {23, 37, 20, 40}};
    EXPECT_EQ(Linien(c), erwartet);
    EXPECT_EQ(c.ops.front().stift.breite, 3);
    const auto texte = c.Nur(Operation::TextOut);
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0].k, (K{(100 + 20 - 11) / 2, 40 - 13 - 2}));

    c.Leeren();
    ZeichnePfeil(c, {20, 40}, {20, 40}, false, "f", "l", {3, 3}, 1);
    EXPECT_TRUE(c.ops.empty());
}

TEST(Hinweis, TextUeberDemLetztenAbschnittInDreiSchriften) {
    Aufzeichnung c;
    c.schrift.groesse = 8;
    c.schrift.name = "Courier";
    ZeichneHinweis(c, {{10, 10}, {10, 100}, {110, 100}}, "Top: ", "g", "12");
    EXPECT_EQ(c.Anzahl(Operation::Linie), 2u);
    const auto texte = c.Nur(Operation::TextOut);
    ASSERT_EQ(texte.size(), 3u);
    // Width of "Top: g12" at 11 px: 8 * 5 = 44; label x = (110 + 10 - 44) / 2 = 38.
    EXPECT_EQ(texte[0].k, (K{38, 100 - 13}));
    EXPECT_EQ(texte[0].schrift.name, "Arial");
    EXPECT_EQ(texte[1].k, (K{38 + 27, 87})); // "Top: " is 5 characters, 27 px
    EXPECT_EQ(texte[1].schrift.name, "Symbol");
    EXPECT_EQ(texte[2].k, (K{38 + 27 + 5, 87}));
    EXPECT_EQ(texte[2].schrift.name, "Arial");
    EXPECT_EQ(c.schrift.name, "Courier");

    // Two points: the label starts at the last point.
    c.Leeren();
    ZeichneHinweis(c, {{10, 10}, {60, 30}}, "a", "", "");
    EXPECT_EQ(c.Nur(Operation::TextOut)[0].k, (K{60, 17}));
}

TEST(Indextext, TiefHochUndMitIndex) {
    Aufzeichnung c;
    c.schrift.groesse = 12; // index at 9 pt: 12 px, "Wy" 14 high
    EXPECT_EQ(TextTief(c, 10, 100, "Ed"), 10 + 12);
    EXPECT_EQ(c.ops.back().k, (K{10, 100 + 14 * 3 / 5}));
    EXPECT_EQ(c.ops.back().schrift.groesse, 9);
    EXPECT_EQ(TextHoch(c, 10, 100, "2"), 16);
    EXPECT_EQ(c.ops.back().k, (K{10, 100 - 14 / 4}));
    EXPECT_EQ(c.schrift.groesse, 12);

    c.Leeren();
    EXPECT_EQ(TextMitIndex(c, 0, 0, "Ed,p", "V"), 8 + 24);
    ASSERT_EQ(c.ops.size(), 2u);
    EXPECT_EQ(c.ops[0].text, "V");
    EXPECT_EQ(c.ops[1].text, "Ed,p");
    EXPECT_EQ(c.ops[1].k, (K{8, 8}));

    c.Leeren();
    c.schrift.winkel = 450;
    TextGedreht(c, 1, 2, "x", 900);
    EXPECT_EQ(c.ops.back().schrift.winkel, 900);
    EXPECT_EQ(c.schrift.winkel, 450);
}

} // namespace
} // namespace vsk
