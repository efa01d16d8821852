#include "dxf/DxfAusgabe.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <sstream>

namespace vsk {
namespace {

TEST(DxfAusgabe, RealsHaveFiveDecimalsOfSevenSignificantDigits) {
    EXPECT_EQ(FormatDxfReal(0), "0.00000");
    EXPECT_EQ(FormatDxfReal(-0.0), "0.00000");
    EXPECT_EQ(FormatDxfReal(-125.5), "-125.50000");
    EXPECT_EQ(FormatDxfReal(100), "100.00000");
    EXPECT_EQ(FormatDxfReal(0.123456789), "0.12346");
    EXPECT_EQ(FormatDxfReal(1234.5678), "1234.56800");
    EXPECT_EQ(FormatDxfReal(12345.678), "12345.68000");
    EXPECT_EQ(FormatDxfReal(1234567.4), "1234567.00000");
    EXPECT_EQ(FormatDxfReal(179.99999786), "180.00000");
    // Rounding up may add an integer digit; the kept decimals follow the rounded value.
    EXPECT_EQ(FormatDxfReal(9999.9996), "10000.00000");
    // Tiny values of computed coordinates print as zero without a sign.
    EXPECT_EQ(FormatDxfReal(-6.1e-17), "0.00000");
    EXPECT_EQ(FormatDxfReal(1e10), "1.000000E+10");
    EXPECT_EQ(FormatDxfReal(-1e10), "-1.000000E+10");
}

TEST(DxfAusgabe, StyleRealsHave23Characters) {
    EXPECT_EQ(FormatDxfStilReal(0.35), " 3.50000000000000E-0001");
    EXPECT_EQ(FormatDxfStilReal(1.0), " 1.00000000000000E+0000");
    EXPECT_EQ(FormatDxfStilReal(0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(FormatDxfStilReal(-2.5), "-2.50000000000000E+0000");
    EXPECT_EQ(FormatDxfStilReal(0.35).size(), 23u);
}

TEST(DxfAusgabe, GroupCodesAndIntegersAreRightAligned) {
    std::ostringstream s;
    DxfAusgabe aus(s);
    aus.Text(0, "LINE");
    aus.Ganzzahl(70, 64);
    aus.Real(10, 2.5);
    aus.Text(999, "x");
    aus.Ganzzahl(62, -7);
    EXPECT_EQ(s.str(),
              "  0\r\nLINE\r\n 70\r\n    64\r\n 10\r\n2.50000\r\n999\r\nx\r\n 62\r\n    -7\r\n");
}

TEST(DxfAusgabe, TextsAreWrittenInTheWindowsCodePage) {
    EXPECT_EQ(DxfZeichenkette("Plan view"), "Plan view");
    EXPECT_EQ(DxfZeichenkette("B\xC3\xBCgel \xC2\xB0"), "B\xFCgel \xB0"); // ü, °
    EXPECT_EQ(DxfZeichenkette("\xE2\x82\xAC \xE2\x80\x93"), "\x80 \x96"); // euro, en dash
    EXPECT_EQ(DxfZeichenkette("\xD1\x88"), "\\U+0448");                   // Cyrillic
    EXPECT_EQ(DxfZeichenkette("\xF0\x9F\x98\x80"), "\\U+1F600");
    EXPECT_EQ(DxfZeichenkette("a\xFC"
                              "b"),
              "a\xFC"
              "b"); // a stray old code page byte stays
    EXPECT_EQ(DxfZeichenkette("zwei\r\nZeilen"), "zwei  Zeilen");
}

struct KommaPunkt : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(DxfAusgabe, PointWhateverTheLocale) {
    // The stream and the global C++ locale both use a decimal comma; the C locale too
    // when the machine has a German one.
    std::locale komma(std::locale::classic(), new KommaPunkt);
    std::locale alt = std::locale::global(komma);
    std::string altC = std::setlocale(LC_NUMERIC, nullptr);
    bool cKomma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    std::ostringstream s;
    s.imbue(komma);
    DxfAusgabe aus(s);
    aus.Real(40, 1234.5);
    aus.StilReal(41, 0.35);
    aus.Punkt(10, {-0.25, 3, 1e10});
    std::locale::global(alt);
    std::setlocale(LC_NUMERIC, altC.c_str());
    EXPECT_EQ(s.str(), " 40\r\n1234.50000\r\n 41\r\n 3.50000000000000E-0001\r\n 10\r\n-0.25000\r\n"
                       " 20\r\n3.00000\r\n 30\r\n1.000000E+10\r\n");
    if (!cKomma) {
        GTEST_LOG_(INFO) << "no German C locale on this machine";
    }
}

} // namespace
} // namespace vsk
