#include "shell/Zahlen.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

TEST(FormatAllgemein, ShortestFormWithFifteenDigits) {
    EXPECT_EQ(FormatAllgemein(200), "200");
    EXPECT_EQ(FormatAllgemein(12.5), "12.5");
    EXPECT_EQ(FormatAllgemein(1.35, ','), "1,35");
    EXPECT_EQ(FormatAllgemein(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatAllgemein(-125.5), "-125.5");
    EXPECT_EQ(FormatAllgemein(0), "0");
    EXPECT_EQ(FormatAllgemein(-0.0), "0");
    EXPECT_EQ(FormatAllgemein(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatAllgemein(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(FormatAllgemein(123456789012345.0), "123456789012345");
    EXPECT_EQ(FormatAllgemein(0.0001), "0.0001");
    EXPECT_EQ(FormatAllgemein(0.00001), "0.00001");
}

TEST(FormatAllgemein, ExponentFormForTinyAndHugeValues) {
    EXPECT_EQ(FormatAllgemein(0.000001), "1E-6");
    EXPECT_EQ(FormatAllgemein(-0.0000025, ','), "-2,5E-6");
    EXPECT_EQ(FormatAllgemein(1e15), "1E15");
    EXPECT_EQ(FormatAllgemein(1.5e20), "1.5E20");
    // Rounds up to 16 digits before the separator.
    EXPECT_EQ(FormatAllgemein(999999999999999.9), "1E15");
}

TEST(FormatFest, RoundsTiesToEvenAndDropsNegativeZero) {
    EXPECT_EQ(FormatFest(0.25, 1), "0.2");
    EXPECT_EQ(FormatFest(0.75, 1), "0.8");
    EXPECT_EQ(FormatFest(2.5, 0), "2");
    EXPECT_EQ(FormatFest(3.5, 0), "4");
    EXPECT_EQ(FormatFest(-0.04, 1), "0.0");
    EXPECT_EQ(FormatFest(1234.5678, 2, ','), "1234,57");
    EXPECT_EQ(FormatFest(7, 3), "7.000");
}

TEST(RundeGerade, HalvesGoToEven) {
    EXPECT_EQ(RundeGerade(0.5L), 0);
    EXPECT_EQ(RundeGerade(1.5L), 2);
    EXPECT_EQ(RundeGerade(2.5L), 2);
    EXPECT_EQ(RundeGerade(-2.5L), -2);
    EXPECT_EQ(RundeGerade(2.5000001L), 3);
}

TEST(LeseZahl, AcceptsOnlyTheGivenSeparator) {
    EXPECT_EQ(LeseZahl("1.35", '.'), 1.35);
    EXPECT_EQ(LeseZahl("  1,35 ", ','), 1.35);
    EXPECT_EQ(LeseZahl("1E-6", '.'), 0.000001);
    EXPECT_EQ(LeseZahl("-2,5e3", ','), -2500);
    EXPECT_EQ(LeseZahl(".5", '.'), 0.5);
    EXPECT_EQ(LeseZahl("+7", '.'), 7);
    EXPECT_FALSE(LeseZahl("1,35", '.'));
    EXPECT_FALSE(LeseZahl("1.35", ','));
    EXPECT_FALSE(LeseZahl("1,000.5", '.'));
    EXPECT_FALSE(LeseZahl("", '.'));
    EXPECT_FALSE(LeseZahl("  ", '.'));
    EXPECT_FALSE(LeseZahl("abc", '.'));
    EXPECT_FALSE(LeseZahl("1e", '.'));
    EXPECT_FALSE(LeseZahl("1.2.3", '.'));
    EXPECT_FALSE(LeseZahl("12 3", '.'));
}

TEST(LeseZahl, EitherSeparatorWhenLenient) {
    EXPECT_EQ(LeseZahlBeliebigerTrenner("1,35"), 1.35);
    EXPECT_EQ(LeseZahlBeliebigerTrenner("1.35"), 1.35);
    EXPECT_FALSE(LeseZahlBeliebigerTrenner("1,000.5"));
    // What is written reads back, with either separator.
    for (double v : {1.35, 0.000001, 0.1, 1e20, -42.125}) {
        EXPECT_DOUBLE_EQ(*LeseZahlBeliebigerTrenner(FormatAllgemein(v, ',')), v);
        EXPECT_DOUBLE_EQ(*LeseZahl(FormatAllgemein(v, '.'), '.'), v);
    }
}

TEST(LeseGanzzahl, ReadsDecimalAndHexadecimalIntegers) {
    EXPECT_EQ(LeseGanzzahl("2055"), 2055);
    EXPECT_EQ(LeseGanzzahl(" -3 "), -3);
    EXPECT_EQ(LeseGanzzahl("0xFF"), 255);
    EXPECT_EQ(LeseGanzzahl("$10"), 16);
    EXPECT_FALSE(LeseGanzzahl("0x"));
    EXPECT_FALSE(LeseGanzzahl("12a"));
    EXPECT_FALSE(LeseGanzzahl("1.5"));
    EXPECT_FALSE(LeseGanzzahl("99999999999999999999"));
}

} // namespace
} // namespace vsk
