// Load points pasted from spreadsheets and FE programs, and the text the window copies.

#include "model/Punkttext.h"
#include "shell/Feldpruefung.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

using Paare = std::vector<std::pair<double, double>>;

Paare Paarweise(const std::vector<TPunkt>& punkte) {
    Paare paare;
    for (const TPunkt& p : punkte) {
        paare.emplace_back(p.x, p.y);
    }
    return paare;
}

Paare Punkte(std::string_view text, double laenge = 5000) {
    const Punktliste liste = LesePunkttext(text, laenge);
    EXPECT_FALSE(liste.fehler) << text << ": " << (liste.fehler ? liste.fehler->grund : "");
    return Paarweise(liste.punkte);
}

TEST(Punkttext, ReadsWhatSpreadsheetsAndFeProgramsWrite) {
    const Paare soll{{0, 58}, {26, 100.1}, {2000, 0}};
    // A spreadsheet copied to the clipboard: tab-separated, with the header in mm.
    EXPECT_EQ(Punkte("x [mm]\tq [kN/m]\r\n0\t58\r\n26\t100.1\r\n2000\t0\r\n"), soll);
    // A German-locale spreadsheet saved as CSV: semicolons and decimal commas, x in m.
    EXPECT_EQ(Punkte("x (m);q (kN/m)\n0;58\n0,026;100,1\n2;0;\n"), soll);
    // An FE program's table: blanks, decimal commas, no header.
    EXPECT_EQ(Punkte("   0   58\n  26   100,1\n\n2000 0\n"), soll);
    // Comma-separated with decimal points, x in m.
    EXPECT_EQ(Punkte("x [m],q [kN/m]\n0,58\n0.026,100.1\n2,0\n"), soll);
    // The same with a blank after each comma (numpy, many CSV writers), x in cm.
    EXPECT_EQ(Punkte("x [cm], q [kN/m]\n0, 58\n2.6, 100.1\n200, 0\n"), soll);
    // A unit in words; the joint's end in metres is the joint's end, not a hair beyond it.
    EXPECT_EQ(Punkte("x (in m)\tq\n16.1\t20\n", 16100), (Paare{{16100, 20}}));
    // Units outside brackets, beside other brackets, and only q's unit given.
    const Paare einer{{2600, 100}};
    EXPECT_EQ(Punkte("x in m\tq in kN/m\n2.6\t100\n"), einer);
    EXPECT_EQ(Punkte("x / m;q / kN/m\n2,6;100\n"), einer);
    EXPECT_EQ(Punkte("x (left edge) [m]\tq\n2.6\t100\n"), einer);
    EXPECT_EQ(Punkte("x\tq [kN/m]\n2600\t100\n"), einer);
    EXPECT_EQ(Punkte("x [m] q [kN/m]\n2.6 100\n"), einer);
    // "Unicode text" of a spreadsheet: UTF-16 with its byte order mark.
    const std::string utf16le("\xFF\xFEx\0\t\0q\0\r\0\n\0"
                              "2\0"
                              "6\0"
                              "0\0"
                              "0\0\t\0"
                              "1\0"
                              "0\0"
                              "0\0",
                              28);
    EXPECT_EQ(Punkte(utf16le), einer);
}

TEST(Punkttext, ABadLineIsRefusedWithItsNumberAndNothingIsTaken) {
    struct Fall {
        const char* text;
        int zeile;
        const char* grund;
    };
    const std::string nurZahlen = MeldungNurZahlen();
    const Fall faelle[] = {
        {"x\tq\n0\t1\n10\tabc\n", 3, nurZahlen.c_str()},
        {"0;1\n-5;1\n", 2, "Input value is smaller than allowed!"},
        {"0;1\n5;-1\n", 2, "Input value is smaller than allowed!"},
        {"0;1\n\n5001;1\n", 3, "Input value is greater than allowed!"},
        {"x [m];q\n5.5;1\n", 2, "Input value is greater than allowed!"},
        {"x [ft];q\n5;1\n", 1, "The unit of x \"ft\" is not known: mm, cm or m are expected."},
        // A thousands separator read as a decimal one breaks the order along the joint.
        {"0\t58\n500\t60\n1,000\t62\n", 3,
         "x is smaller than in the line before: the points are expected along the joint."},
        {"0;1;2\n", 1, "Two values are expected: x and q."},
        {"x\tq\n", 0, "The text holds no load points."},
    };
    for (const Fall& f : faelle) {
        const Punktliste liste = LesePunkttext(f.text, 5000);
        ASSERT_TRUE(liste.fehler) << f.text;
        EXPECT_EQ(liste.fehler->zeile, f.zeile) << f.text;
        const std::string& grund = liste.fehler->grund;
        EXPECT_EQ(grund.substr(0, grund.find("\nAllowed: ")), f.grund) << f.text; // then the range

        EXPECT_TRUE(liste.punkte.empty()) << f.text;
    }
    // No more points than a project file holds.
    std::string viele;
    for (int i = 0; i <= 2000; ++i) {
        viele += "1\t1\n";
    }
    const Punktliste zuViele = LesePunkttext(viele, 5000);
    ASSERT_TRUE(zuViele.fehler);
    EXPECT_EQ(zuViele.fehler->zeile, 2001);
    EXPECT_EQ(zuViele.fehler->grund, "A load holds at most 2000 points.");
    EXPECT_EQ(PunktfehlerText({3, "Input value is greater than allowed!"}),
              "Line 3: Input value is greater than allowed!");
}

TEST(Punkttext, CopiedTextReadsBackInEitherLocale) {
    const std::vector<TPunkt> punkte{{0, 12.5}, {1234.5, 0.25}, {4000, 0}};
    for (char trenner : {'.', ','}) {
        EXPECT_EQ(Punkte(PunktText(punkte, trenner)), Paarweise(punkte)) << trenner;
    }
    EXPECT_EQ(PunktText({{1234.5, 7}}, ','), "x [mm]\tq [kN/m]\n1234,5\t7\n");
}

} // namespace
} // namespace vsk
