#include "shell/Feldpruefung.h"

#include "shell/Texte.h"
#include "shell/Zahlen.h"

#include <cmath>

namespace vsk {

namespace {
bool IstLeer(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string MitBereich(const std::string& meldung, const Feldgrenzen& grenzen, char trenner) {
    return meldung + '\n' + Bereichszeile(grenzen, trenner);
}

std::string Grenzwert(double wert, const Feldgrenzen& grenzen, char trenner, bool mitEinheit) {
    std::string s = FormatAllgemein(wert, trenner);
    if (mitEinheit && *grenzen.einheit != '\0') {
        s += ' ';
        s += grenzen.einheit;
    }
    return s;
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
    return wert ? PruefeWert(*wert, grenzen, trenner) : MeldungNurZahlen();
}

std::optional<std::string> PruefeWert(double v, const Feldgrenzen& grenzen, char trenner) {
    if (!std::isfinite(v)) {
        return MeldungNurZahlen();
    }
    switch (grenzen.modus) {
    case Pruefmodus::NurUnten:
        if (v < grenzen.unten) {
            return MitBereich(MeldungZuKlein(), grenzen, trenner);
        }
        break;
    case Pruefmodus::Beide:
        if (v < grenzen.unten) {
            return MitBereich(MeldungZuKlein(), grenzen, trenner);
        }
        if (v > grenzen.oben) {
            return MitBereich(MeldungZuGross(), grenzen, trenner);
        }
        break;
    case Pruefmodus::NurOben:
        if (v > grenzen.oben) {
            return MitBereich(MeldungZuGross(), grenzen, trenner);
        }
        break;
    }
    return std::nullopt;
}

std::string Bereichstext(const Feldgrenzen& grenzen, char trenner, bool mitEinheit) {
    const std::string unten = Grenzwert(grenzen.unten, grenzen, trenner, mitEinheit);
    const std::string oben = Grenzwert(grenzen.oben, grenzen, trenner, mitEinheit);
    switch (grenzen.modus) {
    case Pruefmodus::NurUnten:
        return ErsetzeProzentS(text("Eingabe", "at least %s"), unten);
    case Pruefmodus::NurOben:
        return ErsetzeProzentS(text("Eingabe", "at most %s"), oben);
    case Pruefmodus::Beide:
        break;
    }
    return FormatAllgemein(grenzen.unten, trenner) + " ... " + oben;
}

std::string Bereichszeile(const Feldgrenzen& grenzen, char trenner) {
    return ErsetzeProzentS(text("Eingabe", "Allowed: %s"), Bereichstext(grenzen, trenner, true));
}

std::string Feldhinweis(std::string_view bezeichnung, std::string_view symbol,
                        const Feldgrenzen& grenzen, char trenner) {
    std::string hinweis(bezeichnung);
    if (!symbol.empty()) {
        hinweis += ' ';
        hinweis += symbol;
    }
    if (*grenzen.einheit != '\0') {
        hinweis += " [";
        hinweis += grenzen.einheit;
        hinweis += ']';
    }
    return hinweis + ", " + Bereichstext(grenzen, trenner, false);
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
