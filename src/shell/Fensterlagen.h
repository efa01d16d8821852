#pragma once
// How the user left the windows: the main window's place, size and maximised state, its
// two splitters and the zoom window's size. Kept in the settings file in a section of
// its own and read back at the next start; a place that lies on no connected screen any
// more is not used, and a size is never larger than the screen.

#include <optional>
#include <string_view>
#include <vector>

namespace vsk {

class Einstellungen;

// A window's or a screen's rectangle in the desktop's logical pixels.
struct Fensterrechteck {
    int links = 0;
    int oben = 0;
    int breite = 0;
    int hoehe = 0;
    friend bool operator==(const Fensterrechteck&, const Fensterrechteck&) = default;
};

struct Fenstergroesse {
    int breite = 0;
    int hoehe = 0;
    friend bool operator==(const Fenstergroesse&, const Fenstergroesse&) = default;
};

struct Fensterlagen {
    // The main window's rectangle when not maximised (the client area, without frame).
    std::optional<Fensterrechteck> hauptfenster;
    bool maximiert = false;
    // Splitter sizes, left to right and top to bottom; empty: as the window lays them out.
    std::vector<int> teilerNavigation;
    std::vector<int> teilerUebersicht;
    std::optional<Fenstergroesse> zoomfenster;
    friend bool operator==(const Fensterlagen&, const Fensterlagen&) = default;
};

// The section of the settings file.
inline constexpr std::string_view FensterSektion = "Fenster";

// What the settings file holds; a value out of its sensible range reads as not stored.
Fensterlagen LeseFensterlagen(const Einstellungen& einstellungen);
// Writes every key of the section (one write when called inside SchreibeZusammen).
void SchreibeFensterlagen(Einstellungen& einstellungen, const Fensterlagen& lagen);

// Whether the window can be grabbed where it is: a strip of its top edge (where the title
// bar is) at least this wide and high lies on one of the screens.
inline constexpr int GreifbareBreite = 100;
inline constexpr int GreifbareHoehe = 20;
bool LageErreichbar(const Fensterrechteck& fenster, const std::vector<Fensterrechteck>& schirme);

// A window size that fits the available area of a screen: the wished size, made smaller
// where the area (less the frame) is smaller.
Fenstergroesse PassendeGroesse(Fenstergroesse wunsch, Fenstergroesse verfuegbar,
                               Fenstergroesse rahmen);

} // namespace vsk
