#include "shell/Fensterlagen.h"

#include "shell/Einstellungen.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

namespace vsk {

namespace {

// Larger than any desktop; a value beyond it is a damaged file, not a window.
constexpr int GroessteKoordinate = 100000;
constexpr int KleinsteFensterseite = 50;
constexpr std::size_t HoechstensTeile = 8;
constexpr int Fehlt = INT_MIN;

constexpr std::string_view SchluesselLinks = "Links";
constexpr std::string_view SchluesselOben = "Oben";
constexpr std::string_view SchluesselBreite = "Breite";
constexpr std::string_view SchluesselHoehe = "Hoehe";
constexpr std::string_view SchluesselMaximiert = "Maximiert";
constexpr std::string_view SchluesselTeilerNavigation = "TeilerNavigation";
constexpr std::string_view SchluesselTeilerUebersicht = "TeilerUebersicht";
constexpr std::string_view SchluesselZoomBreite = "ZoomBreite";
constexpr std::string_view SchluesselZoomHoehe = "ZoomHoehe";

bool Koordinate(int wert) {
    return wert != Fehlt && std::abs(wert) <= GroessteKoordinate;
}

bool Seite(int wert) {
    return wert >= KleinsteFensterseite && wert <= GroessteKoordinate;
}

std::optional<Fenstergroesse> LeseGroesse(const Einstellungen& e, std::string_view breite,
                                          std::string_view hoehe) {
    const Fenstergroesse g{e.ReadInteger(FensterSektion, breite, Fehlt),
                           e.ReadInteger(FensterSektion, hoehe, Fehlt)};
    if (!Seite(g.breite) || !Seite(g.hoehe)) {
        return std::nullopt;
    }
    return g;
}

// "170,800": every part a size in pixels, else nothing (the window lays the splitter out).
std::vector<int> LeseTeile(const Einstellungen& e, std::string_view schluessel) {
    const std::string text = e.ReadString(FensterSektion, schluessel, {});
    std::vector<int> teile;
    std::size_t anfang = 0;
    while (!text.empty() && anfang <= text.size()) {
        const std::size_t ende = std::min(text.find(',', anfang), text.size());
        const std::optional<std::int64_t> teil = LeseGanzzahl(text.substr(anfang, ende - anfang));
        if (!teil || *teil < 0 || *teil > GroessteKoordinate || teile.size() == HoechstensTeile) {
            return {};
        }
        teile.push_back(static_cast<int>(*teil));
        anfang = ende + 1;
    }
    return teile;
}

std::string TeileText(const std::vector<int>& teile) {
    std::string text;
    for (int teil : teile) {
        text += (text.empty() ? "" : ",") + std::to_string(teil);
    }
    return text;
}

int Ueberdeckung(int a, int laengeA, int b, int laengeB) {
    return std::min(a + laengeA, b + laengeB) - std::max(a, b);
}

} // namespace

Fensterlagen LeseFensterlagen(const Einstellungen& e) {
    Fensterlagen lagen;
    const int links = e.ReadInteger(FensterSektion, SchluesselLinks, Fehlt);
    const int oben = e.ReadInteger(FensterSektion, SchluesselOben, Fehlt);
    const std::optional<Fenstergroesse> groesse = LeseGroesse(e, SchluesselBreite, SchluesselHoehe);
    if (Koordinate(links) && Koordinate(oben) && groesse) {
        lagen.hauptfenster = Fensterrechteck{links, oben, groesse->breite, groesse->hoehe};
    }
    lagen.maximiert = e.ReadInteger(FensterSektion, SchluesselMaximiert, 0) == 1;
    lagen.teilerNavigation = LeseTeile(e, SchluesselTeilerNavigation);
    lagen.teilerUebersicht = LeseTeile(e, SchluesselTeilerUebersicht);
    lagen.zoomfenster = LeseGroesse(e, SchluesselZoomBreite, SchluesselZoomHoehe);
    return lagen;
}

void SchreibeFensterlagen(Einstellungen& e, const Fensterlagen& lagen) {
    e.SchreibeZusammen([&] {
        if (lagen.hauptfenster) {
            e.WriteInteger(FensterSektion, SchluesselLinks, lagen.hauptfenster->links);
            e.WriteInteger(FensterSektion, SchluesselOben, lagen.hauptfenster->oben);
            e.WriteInteger(FensterSektion, SchluesselBreite, lagen.hauptfenster->breite);
            e.WriteInteger(FensterSektion, SchluesselHoehe, lagen.hauptfenster->hoehe);
        }
        e.WriteInteger(FensterSektion, SchluesselMaximiert, lagen.maximiert ? 1 : 0);
        e.WriteString(FensterSektion, SchluesselTeilerNavigation,
                      TeileText(lagen.teilerNavigation));
        e.WriteString(FensterSektion, SchluesselTeilerUebersicht,
                      TeileText(lagen.teilerUebersicht));
        if (lagen.zoomfenster) {
            e.WriteInteger(FensterSektion, SchluesselZoomBreite, lagen.zoomfenster->breite);
            e.WriteInteger(FensterSektion, SchluesselZoomHoehe, lagen.zoomfenster->hoehe);
        }
    });
}

bool LageErreichbar(const Fensterrechteck& fenster, const std::vector<Fensterrechteck>& schirme) {
    const int breite = std::min(GreifbareBreite, fenster.breite);
    const int hoehe = std::min(GreifbareHoehe, fenster.hoehe);
    return std::any_of(schirme.begin(), schirme.end(), [&](const Fensterrechteck& s) {
        return Ueberdeckung(fenster.links, fenster.breite, s.links, s.breite) >= breite &&
               Ueberdeckung(fenster.oben, hoehe, s.oben, s.hoehe) >= hoehe;
    });
}

Fenstergroesse PassendeGroesse(Fenstergroesse wunsch, Fenstergroesse verfuegbar,
                               Fenstergroesse rahmen) {
    return {std::max(1, std::min(wunsch.breite, verfuegbar.breite - rahmen.breite)),
            std::max(1, std::min(wunsch.hoehe, verfuegbar.hoehe - rahmen.hoehe))};
}

} // namespace vsk
