#include "shell/Feldpruefung.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

const Feldgrenzen Plattendicke{Pruefmodus::NurUnten, 160, 0, "mm"};
const Feldgrenzen Fugenlaenge{Pruefmodus::Beide, 300, 30000, "mm"};

// The first line of a message: the check's own text, unchanged by the range line.
std::optional<std::string> ErsteZeile(const std::optional<std::string>& meldung) {
    return meldung ? std::optional(meldung->substr(0, meldung->find('\n'))) : std::nullopt;
}

TEST(Feldpruefung, LowerBoundIsAllowedAndBelowIsRejected) {
    EXPECT_FALSE(PruefeFeld("160", Plattendicke, ','));
    EXPECT_FALSE(PruefeFeld("200", Plattendicke, ','));
    EXPECT_EQ(ErsteZeile(PruefeFeld("150", Plattendicke, ',')),
              "Input value is smaller than allowed!");
    EXPECT_EQ(ErsteZeile(PruefeFeld("159,999", Plattendicke, ',')),
              "Input value is smaller than allowed!");
}

TEST(Feldpruefung, BothBoundsAreInclusive) {
    EXPECT_FALSE(PruefeFeld("300", Fugenlaenge, '.'));
    EXPECT_FALSE(PruefeFeld("30000", Fugenlaenge, '.'));
    EXPECT_EQ(ErsteZeile(PruefeFeld("299", Fugenlaenge, '.')),
              "Input value is smaller than allowed!");
    EXPECT_EQ(ErsteZeile(PruefeFeld("30001", Fugenlaenge, '.')),
              "Input value is greater than allowed!");
}

TEST(Feldpruefung, UpperBoundOnlyIgnoresTheLowerBound) {
    const Feldgrenzen nurOben{Pruefmodus::NurOben, 100, 5};
    EXPECT_FALSE(PruefeFeld("-7", nurOben, '.'));
    EXPECT_EQ(PruefeFeld("5.5", nurOben, '.'),
              "Input value is greater than allowed!\nAllowed: at most 5");
}

TEST(Feldpruefung, EmptyOrBlankTextPasses) {
    EXPECT_FALSE(PruefeFeld("", Fugenlaenge, ','));
    EXPECT_FALSE(PruefeFeld("   ", Fugenlaenge, ','));
}

TEST(Feldpruefung, WrongSeparatorAndNonNumbersGetTheConversionMessage) {
    const std::string meldung =
        "Error during Input: Only numbers allowed!\r\n(plaease check writing of \".\" and \",\") ";
    EXPECT_EQ(PruefeFeld("1.35", Plattendicke, ','), meldung);
    EXPECT_EQ(PruefeFeld("1,35", Plattendicke, '.'), meldung);
    EXPECT_EQ(PruefeFeld("abc", Plattendicke, '.'), meldung);
    EXPECT_EQ(PruefeFeld("1.000,5", Plattendicke, ','), meldung); // thousands separator
    EXPECT_EQ(PruefeFeld("1e999", Plattendicke, '.'), meldung);   // not a finite number
}

TEST(Feldpruefung, BlanksAndExponentAreAccepted) {
    EXPECT_FALSE(PruefeFeld("  2E2 ", Plattendicke, ','));
    EXPECT_EQ(ErsteZeile(PruefeFeld(" 1,5E2", Plattendicke, ',')),
              "Input value is smaller than allowed!");
}

TEST(Feldpruefung, ARangeFailureSaysTheRangeAndUnitOnItsSecondLine) {
    EXPECT_EQ(PruefeFeld("299", Fugenlaenge, '.'),
              "Input value is smaller than allowed!\nAllowed: 300 ... 30000 mm");
    EXPECT_EQ(PruefeFeld("150", Plattendicke, ','),
              "Input value is smaller than allowed!\nAllowed: at least 160 mm");
    const Feldgrenzen faktor{Pruefmodus::Beide, 0.5, 1.5};
    EXPECT_EQ(PruefeFeld("2", faktor, ','),
              "Input value is greater than allowed!\nAllowed: 0,5 ... 1,5");
    // Not a number: the conversion message alone, it is not about the range.
    EXPECT_EQ(PruefeFeld("x", Plattendicke, '.'), MeldungNurZahlen());
}

TEST(Feldpruefung, TheHintGivesLabelSymbolUnitAndRange) {
    EXPECT_EQ(Feldhinweis("Slab thickness", "d", Plattendicke, '.'),
              "Slab thickness d [mm], at least 160");
    EXPECT_EQ(Feldhinweis("Joint length", "l_f", Fugenlaenge, '.'),
              "Joint length l_f [mm], 300 ... 30000");
    EXPECT_EQ(Feldhinweis("Partial safety factor", "", {Pruefmodus::NurUnten, 0, 0}, '.'),
              "Partial safety factor, at least 0");
}

TEST(Feldpruefung, LeseWertFallsBackToTheDefault) {
    EXPECT_DOUBLE_EQ(LeseWert("", 0.5, ','), 0.5);
    EXPECT_DOUBLE_EQ(LeseWert("x", 2, ','), 2);
    EXPECT_DOUBLE_EQ(LeseWert("1.35", 7, ','), 7);
    EXPECT_DOUBLE_EQ(LeseWert("1,35", 7, ','), 1.35);
    EXPECT_DOUBLE_EQ(LeseWert(" 450 ", 7, '.'), 450);
}

TEST(Feldpruefung, FormatWertUsesShortestFormAndZeroText) {
    EXPECT_EQ(FormatWert(450, "160", ','), "450");
    EXPECT_EQ(FormatWert(1.35, "0", ','), "1,35");
    EXPECT_EQ(FormatWert(1.35, "0", '.'), "1.35");
    EXPECT_EQ(FormatWert(0.5, "0", ','), "0,5");
    EXPECT_EQ(FormatWert(0, "160", ','), "160");
    EXPECT_EQ(FormatWert(0.0000009, "2", '.'), "2");
    EXPECT_EQ(FormatWert(-0.0000009, "2", '.'), "2");
    EXPECT_EQ(FormatWert(1234567.25, "0", '.'), "1234567.25");
    EXPECT_EQ(FormatWert(0.1 + 0.2, "0", '.'), "0.3");
}

} // namespace
} // namespace vsk
