#include "model/Punkttext.h"

#include "model/ProjektLesen.h"
#include "shell/Dateilesen.h"
#include "shell/Feldpruefung.h"
#include "shell/Texte.h"
#include "shell/Utf8.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <variant>

namespace vsk {

namespace {

// Far more than the few hundred points of a load distribution.
constexpr std::size_t MaxPunktdateiBytes = 4 * 1024 * 1024;
constexpr std::string_view Bom = "\xEF\xBB\xBF";

std::vector<std::string_view> Zeilen(std::string_view text) {
    std::vector<std::string_view> zeilen;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
            zeilen.push_back(text.substr(anfang, i - anfang));
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') {
                ++i;
            }
            anfang = i + 1;
        }
    }
    return zeilen;
}

bool IstLeer(char c) {
    return c == ' ' || c == '\t';
}

bool Leerzeile(std::string_view zeile) {
    return std::all_of(zeile.begin(), zeile.end(), IstLeer);
}

// Fields of a line; blanks separate only where no other separator is used.
std::vector<std::string> Felder(std::string_view zeile, char trenner) {
    std::vector<std::string> felder;
    std::string feld;
    bool inFeld = false;
    for (char c : zeile) {
        const bool trennt = trenner == ' ' ? IstLeer(c) : c == trenner;
        if (trennt) {
            if (trenner != ' ' || inFeld) {
                felder.push_back(feld);
            }
            feld.clear();
            inFeld = false;
        } else if (!(IstLeer(c) && trenner != ' ')) {
            feld += c;
            inFeld = true;
        }
    }
    if (inFeld || trenner != ' ') {
        felder.push_back(feld);
    }
    // Spreadsheets end rows with the separators of empty columns.
    while (!felder.empty() && felder.back().empty()) {
        felder.pop_back();
    }
    return felder;
}

// "0.5, 58" parts at its comma; "0,5 58" does not (its comma is a decimal comma).
bool KommaTrenntZweiWerte(std::string_view zeile) {
    std::vector<std::string_view> teile;
    std::size_t anfang = 0;
    for (std::size_t komma = zeile.find(','); anfang <= zeile.size();
         komma = zeile.find(',', anfang)) {
        teile.push_back(zeile.substr(
            anfang, komma == std::string_view::npos ? std::string_view::npos : komma - anfang));
        if (komma == std::string_view::npos) {
            break;
        }
        anfang = komma + 1;
    }
    // Spreadsheets end rows with the separators of empty columns.
    while (!teile.empty() && Leerzeile(teile.back())) {
        teile.pop_back();
    }
    return teile.size() == 2 && std::all_of(teile.begin(), teile.end(), [](std::string_view t) {
               return !Leerzeile(t) && Felder(t, ' ').size() == 1;
           });
}

// Tab, then semicolon, then comma (where every data line holds two values parted by a comma),
// else blanks.
char Spaltentrenner(const std::vector<std::string_view>& daten) {
    const auto irgendeine = [&](auto bedingung) {
        return std::any_of(daten.begin(), daten.end(), bedingung);
    };
    if (irgendeine([](std::string_view z) { return z.find('\t') != std::string_view::npos; })) {
        return '\t';
    }
    if (irgendeine([](std::string_view z) { return z.find(';') != std::string_view::npos; })) {
        return ';';
    }
    const bool kommas =
        irgendeine([](std::string_view z) { return z.find(',') != std::string_view::npos; });
    const bool kommaTrennt = std::all_of(daten.begin(), daten.end(), [](std::string_view z) {
        return Leerzeile(z) || KommaTrenntZweiWerte(z);
    });
    return kommas && kommaTrennt ? ',' : ' ';
}

std::optional<double> Zahl(std::string text, char spaltentrenner) {
    if (spaltentrenner != ',') {
        std::replace(text.begin(), text.end(), ',', '.');
    }
    return LeseZahl(text, '.');
}

// A header names its columns: it holds a letter that no number can hold.
bool IstKopf(std::string_view zeile) {
    return std::any_of(zeile.begin(), zeile.end(), [](unsigned char c) {
        return (std::isalpha(c) && c != 'e' && c != 'E') || c == '[' || c == '(';
    });
}

struct Laengeneinheit {
    std::string_view name;
    double mm;
};
constexpr std::array<Laengeneinheit, 3> Laengeneinheiten{{{"mm", 1}, {"cm", 10}, {"m", 1000}}};

std::optional<double> Laenge(const std::string& wort) {
    for (const Laengeneinheit& e : Laengeneinheiten) {
        if (Kleinbuchstaben(wort) == e.name) {
            return e.mm;
        }
    }
    return std::nullopt;
}

// The unit of x from the header: its column comes first. A unit in brackets ("[m]",
// "(in m)", "{m}") counts before a word ("x in m", "x / m"); brackets that hold a rate
// ("[kN/m]") belong to q. Millimetres where nothing names a length. A single word in
// brackets that is no length of the joint ("[ft]") fails: guessed, it would move the load.
std::variant<double, std::string> FaktorAusKopf(std::string_view kopf, char trenner) {
    const std::string_view xKopf =
        trenner == ' ' ? kopf : kopf.substr(0, std::min(kopf.find(trenner), kopf.size()));
    std::vector<std::string_view> klammern;
    std::string aussen;
    for (std::size_t i = 0; i < xKopf.size(); ++i) {
        const std::size_t auf = std::string_view("[({").find(xKopf[i]);
        if (auf == std::string_view::npos) {
            aussen += xKopf[i];
            continue;
        }
        const std::size_t zu = xKopf.find(std::string_view("])}")[auf], i + 1);
        const std::string_view inhalt =
            xKopf.substr(i + 1, zu == std::string_view::npos ? std::string_view::npos : zu - i - 1);
        if (inhalt.find('/') == std::string_view::npos) {
            klammern.push_back(inhalt);
        }
        aussen += ' ';
        i = zu == std::string_view::npos ? xKopf.size() : zu;
    }
    for (const std::string_view inhalt : klammern) {
        const std::vector<std::string> woerter = Felder(inhalt, ' ');
        if (!woerter.empty()) {
            if (const auto mm = Laenge(woerter.back())) {
                return *mm;
            }
        }
    }
    for (const std::string& wort : Felder(aussen, ' ')) {
        if (const auto mm = Laenge(wort)) {
            return *mm;
        }
    }
    for (const std::string_view inhalt : klammern) {
        if (Felder(inhalt, ' ').size() == 1) {
            return std::string(inhalt);
        }
    }
    return 1.0;
}

// Metres times 1000 must not put a point at the joint's end a hair beyond it: converted
// values are kept to a millionth of a millimetre.
double InMm(double wert, double mmJeEinheit) {
    constexpr double Stellen = 1e6;
    return mmJeEinheit == 1 ? wert : std::round(wert * mmJeEinheit * Stellen) / Stellen;
}

} // namespace

Punktliste LesePunkttext(std::string_view eingabe, double laengeMm) {
    // Spreadsheets save "Unicode text" in UTF-16.
    if (const std::optional<std::string> utf8 = Utf16AlsUtf8(eingabe)) {
        return LesePunkttext(*utf8, laengeMm);
    }
    // Spreadsheets start their UTF-8 files with a byte order mark.
    if (eingabe.substr(0, Bom.size()) == Bom) {
        eingabe.remove_prefix(Bom.size());
    }
    const std::vector<std::string_view> zeilen = Zeilen(eingabe);
    Punktliste liste;
    const auto scheitert = [&](std::size_t index, std::string grund) {
        liste.punkte.clear();
        liste.fehler = Punktfehler{static_cast<int>(index + 1), std::move(grund)};
        return liste;
    };
    // Only the first line that holds anything may be the header.
    std::size_t erste = 0;
    while (erste < zeilen.size() && Leerzeile(zeilen[erste])) {
        ++erste;
    }
    const bool mitKopf = erste < zeilen.size() && IstKopf(zeilen[erste]);
    const std::size_t anfang = mitKopf ? erste + 1 : erste;
    const std::vector<std::string_view> daten(zeilen.begin() + static_cast<std::ptrdiff_t>(anfang),
                                              zeilen.end());
    const char trenner = Spaltentrenner(daten);
    const std::variant<double, std::string> einheit =
        mitKopf ? FaktorAusKopf(zeilen[erste], trenner) : std::variant<double, std::string>(1.0);
    if (const std::string* unbekannt = std::get_if<std::string>(&einheit)) {
        return scheitert(erste, ErsetzeProzentS(text("Eingabe", "The unit of x \"%s\" is not "
                                                                "known: mm, cm or m are expected."),
                                                *unbekannt));
    }
    const double faktor = std::get<double>(einheit);
    for (std::size_t i = anfang; i < zeilen.size(); ++i) {
        if (Leerzeile(zeilen[i])) {
            continue;
        }
        const std::vector<std::string> felder = Felder(zeilen[i], trenner);
        if (felder.size() != 2) {
            return scheitert(i, text("Eingabe", "Two values are expected: x and q."));
        }
        const std::optional<double> x = Zahl(felder[0], trenner);
        const std::optional<double> q = Zahl(felder[1], trenner);
        if (!x || !q) {
            return scheitert(i, MeldungNurZahlen());
        }
        const TPunkt punkt{InMm(*x, faktor), *q};
        if (auto grund = PruefePunkt(punkt, laengeMm)) {
            return scheitert(i, std::move(*grund));
        }
        // A load along the joint comes in the joint's order. Out of order, a value was most
        // likely read wrong (a thousands separator taken for a decimal one: "1,000").
        if (!liste.punkte.empty() && punkt.x < liste.punkte.back().x) {
            return scheitert(i, text("Eingabe", "x is smaller than in the line before: the points "
                                                "are expected along the joint."));
        }
        // A project file holds no more.
        if (liste.punkte.size() == MaxLastpunkte) {
            return scheitert(i, ErsetzeProzentS(text("Eingabe", "A load holds at most %s points."),
                                                std::to_string(MaxLastpunkte)));
        }
        liste.punkte.push_back(punkt);
    }
    if (liste.punkte.empty()) {
        liste.fehler = Punktfehler{0, text("Eingabe", "The text holds no load points.")};
    }
    return liste;
}

Punktliste LesePunktdatei(const std::filesystem::path& datei, double laengeMm) {
    const Dateilesergebnis gelesen = LeseDateiBegrenzt(datei, MaxPunktdateiBytes);
    if (!gelesen) {
        Punktliste liste;
        liste.fehler =
            Punktfehler{0, text("Eingabe", "Cannot open file!") + " (" + gelesen.Grund() + ")"};
        return liste;
    }
    return LesePunkttext(gelesen.inhalt, laengeMm);
}

std::optional<std::string> PruefePunkt(const TPunkt& punkt, double laengeMm) {
    if (const auto meldung = PruefeWert(punkt.x, {Pruefmodus::Beide, 0, laengeMm})) {
        return meldung;
    }
    return PruefeWert(punkt.y, {Pruefmodus::NurUnten, 0, 0});
}

std::string PunktText(const std::vector<TPunkt>& punkte, char trenner) {
    std::string text = "x [mm]\tq [kN/m]\n";
    for (const TPunkt& p : punkte) {
        text += FormatAllgemein(p.x, trenner) + '\t' + FormatAllgemein(p.y, trenner) + '\n';
    }
    return text;
}

std::string PunktfehlerText(const Punktfehler& fehler) {
    if (fehler.zeile == 0) {
        return fehler.grund;
    }
    return ErsetzeProzentS(text("Eingabe", "Line %s: "), std::to_string(fehler.zeile)) +
           fehler.grund;
}

} // namespace vsk
