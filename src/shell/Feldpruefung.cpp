#include "shell/Feldpruefung.h"

#include "shell/Texte.h"
#include "shell/Zahlen.h"

#include <cmath>

namespace vsk {

namespace {
bool IstLeer(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}
} // namespace

std::string MeldungNurZahlen() {
    return text("Eingabe", "Error during Input: Only numbers allowed!\r\n(plaease check writing "
                           "of \".\" and \",\") ");
}
std::string MeldungZuKlein() {
    return text("Eingabe", "Input value is smaller than allowed!");
}
std::string MeldungZuGross() {
    return text("Eingabe", "Input value is greater than allowed!");
}

std::optional<std::string> PruefeFeld(std::string_view text, const Feldgrenzen& grenzen,
                                      char trenner) {
    if (IstLeer(text)) {
        return std::nullopt;
    }
    const std::optional<double> wert = LeseZahl(text, trenner);
    return wert ? PruefeWert(*wert, grenzen) : MeldungNurZahlen();
}

std::optional<std::string> PruefeWert(double v, const Feldgrenzen& grenzen) {
    if (!std::isfinite(v)) {
        return MeldungNurZahlen();
    }
    switch (grenzen.modus) {
    case Pruefmodus::NurUnten:
        if (v < grenzen.unten) {
            return MeldungZuKlein();
        }
        break;
    case Pruefmodus::Beide:
        if (v < grenzen.unten) {
            return MeldungZuKlein();
        }
        if (v > grenzen.oben) {
            return MeldungZuGross();
        }
        break;
    case Pruefmodus::NurOben:
        if (v > grenzen.oben) {
            return MeldungZuGross();
        }
        break;
    }
    return std::nullopt;
}

double LeseWert(std::string_view text, double vorgabe, char trenner) {
    std::optional<double> wert = LeseZahl(text, trenner);
    return wert && std::isfinite(*wert) ? *wert : vorgabe;
}

std::string FormatWert(double wert, const std::string& nulltext, char trenner) {
    if (std::fabs(wert) < 0.000001) {
        return nulltext;
    }
    return FormatAllgemein(wert, trenner);
}

} // namespace vsk
