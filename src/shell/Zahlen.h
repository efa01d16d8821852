#pragma once
// Conversion of numbers to and from text. Every place where a number meets text goes
// through these functions; the decimal separator is always an explicit parameter.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vsk {

// General format: at most 15 significant digits, shortest form, trailing zeros and a
// trailing separator dropped, no thousands separators. Exponent form ("1E-6", "1.5E20")
// only when the value is non-zero and below 0.00001 in magnitude or has more than
// 15 digits before the separator. This is the form of the project file and of texts.
std::string FormatAllgemein(double wert, char trenner = '.');

// Fixed notation with the given number of decimals. The binary value is rounded
// exactly, ties to even; a result that rounds to zero carries no minus sign.
std::string FormatFest(double wert, int dezimalen, char trenner = '.');

// Nearest integer, halves to even (the rounding rule of the whole program).
std::int64_t RundeGerade(long double wert);

// Decimal number in the form [sign]digits[sep digits][E[sign]digits]; leading and
// trailing blanks accepted, thousands separators and any other separator rejected.
std::optional<double> LeseZahl(std::string_view text, char trenner);

// As LeseZahl, but "." and "," are both accepted as the decimal separator (at most one
// of them). Used where files written with either separator must read back.
std::optional<double> LeseZahlBeliebigerTrenner(std::string_view text);

// Integer in decimal or, with a leading "0x"/"0X"/"$", in hexadecimal; blanks around
// it accepted. Empty when not a number or out of the range of a 64-bit integer.
std::optional<std::int64_t> LeseGanzzahl(std::string_view text);

} // namespace vsk
