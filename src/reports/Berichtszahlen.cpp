#include "reports/Berichtszahlen.h"

#include "shell/Zahlen.h"

namespace vsk {

std::string AufZehntel(double v, char trenner) {
    return FormatAllgemein(
        static_cast<double>(RundeGerade(static_cast<long double>(v) * 10) / 10.0L), trenner);
}

std::string AufHundertstel(double v, char trenner) {
    return FormatAllgemein(
        static_cast<double>(RundeGerade(static_cast<long double>(v) * 100) / 100.0L), trenner);
}

std::string AufGanze(double v) {
    return FormatAllgemein(static_cast<double>(RundeGerade(v)));
}

std::string InMetern(double mm, char trenner) {
    return FormatAllgemein(
        static_cast<double>(RundeGerade(static_cast<long double>(mm) / 10) / 100.0L), trenner);
}

std::string Ausnutzung(double teil, double ganzes, char trenner) {
    if (ganzes == 0) {
        return AufZehntel(0, trenner);
    }
    const double prozent = static_cast<double>(static_cast<long double>(teil) / ganzes * 100);
    return AufZehntel(prozent, trenner);
}

} // namespace vsk
