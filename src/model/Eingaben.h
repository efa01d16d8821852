#pragma once
// The edits of a position: what each input of the input panel, of the load windows and of
// the design-settings window does to the model. Each edit returns what it changed beyond
// the value it was given, so that a window only shows the result; a field edit takes the
// field's text and returns the message of a failed check instead (the model unchanged).

#include "model/Anwendung.h"
#include "shell/Feldpruefung.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vsk {

// The geometry inputs of the input panel.
enum class Geometriefeld {
    Wanddicke,
    Plattendicke,
    DeckungOben,
    DeckungUnten,
    Nutzhoehe,
    RandRechts,
    RandLinks,
    DeckungVorn,
    Fugenlaenge,
};

// The three loads of a position and the five inputs of each.
enum class Lastseite { Punkt, Links, Rechts };
enum class Lastwert { Gk, Gg, Qk, Gq, F1 };

// The choices of the input panel that are list indexes.
enum class Auswahl { BewehrungCalc, Betonguete, Fugenbreite };

// An input's check, the value stored when it is left empty, and the text it shows for zero.
struct Feldvorgabe {
    Feldgrenzen grenzen;
    double leerwert = 0;
    const char* nulltext = "0";
};
const Feldvorgabe& Vorgabe(Geometriefeld feld);
// Every load input: at least 0, empty 0, zero "0".
const Feldvorgabe& Lastvorgabe();
// The bounds of a load input with its unit: kN for the point load, kN/m for the line
// load, none for a partial safety factor.
Feldgrenzen Lastgrenzen(Lastseite seite, Lastwert wert);

// The effective depth the slab thickness derives lies this far below it, or as far as the
// cover below where that is more, mm.
inline constexpr double NutzhoeheAbstandMm = 40;
// Without a number in the design-settings window gamma Ms is this.
inline constexpr double VorgabeGammaMs = 1.05;

// What an edit changed besides its own value.
struct Eingabefolgen {
    bool eingabemodus = false; // the results no longer hold: the position returns to input mode
    bool nutzhoehe = false;    // the effective depth was derived anew
    bool summen = false;       // a total design load changed
    bool linienlasten = false; // every value of both ends of the line load changed
    bool layout = false;       // the case or the load case changed: the panel lays out anew
};

struct Eingabeergebnis {
    std::optional<std::string> meldung; // the check failed; the model is as it was
    Eingabefolgen folgen;
};

// The model value of an input.
double& Geometriewert(TKGeometrie& geometrie, Geometriefeld feld);
TKLast& Last(TKBelastung& belastung, Lastseite seite);
const TKLast& Last(const TKBelastung& belastung, Lastseite seite);
double LeseLastwert(const TKLast& last, Lastwert wert);

// Leaving a geometry input with its text: a text that passes the check is stored (an empty
// one as the input's empty value); the slab thickness derives the effective depth. The
// joint length also clips the arbitrary load to the effective joint length, even after a
// failed check.
Eingabeergebnis GeometrieEingeben(TKAnwendung& anwendung, Geometriefeld feld, std::string_view text,
                                  char trenner);
// The same with a number instead of a field's text (data files): checked against the
// field's bounds; there is no empty value.
Eingabeergebnis GeometrieWertEingeben(TKAnwendung& anwendung, Geometriefeld feld, double wert);

// Leaving a load input with its text: the load recomputes its total; for a constant line
// load the right end follows the left one; a line-load end classifies the line load.
Eingabeergebnis LastEingeben(TKAnwendung& anwendung, Lastseite seite, Lastwert wert,
                             std::string_view text, char trenner);
Eingabeergebnis LastWertEingeben(TKAnwendung& anwendung, Lastseite seite, Lastwert wert, double v);
// A constant line load has one value: the right end shows and takes the left one.
bool RechteFolgtLinker(const TKBelastung& belastung);

// Choosing an entry of a list (a negative index chooses nothing). A different entry
// returns the position to input mode.
Eingabefolgen WaehleAuswahl(TKAnwendung& anwendung, Auswahl auswahl, int index);

// Choosing the application case, then AnwendungsfallDurchsetzen.
Eingabefolgen WaehleAnwendungsfall(TKAnwendung& anwendung, std::uint8_t fall);
// What the case implies: the single connector is bounded by component edges on both sides
// and carries the point load; a row never does (a row with a point load gets the linearly
// varying line load).
Eingabefolgen AnwendungsfallDurchsetzen(TKAnwendung& anwendung);

// Choosing a load case with its button. Constant: both ends become the pure design value
// of the left total; linearly varying: each end becomes the pure design value of its
// total; arbitrary: the first point takes the left and the last point (at the effective
// joint length) the right total, for the arbitrary-load window to start from.
Eingabefolgen WaehleLastfall(TKAnwendung& anwendung, std::uint8_t fall);
// After the arbitrary-load window: the ends of the line load become the pure design values
// of the first and the last point (without points they stay).
Eingabefolgen BeliebigeLastUebernehmen(TKBelastung& belastung);
// The points of the arbitrary-load window's table, in any order; without points the
// resultant is 0.
void SetzeLastpunkte(TKBelastung& belastung, const std::vector<TPunkt>& punkte);

// OK of the design-settings window: gamma Ms from its text (VorgabeGammaMs when it is not
// a number). A changed spacing limit or steel grade returns the position to input mode.
Eingabefolgen SetzeBemessungseinstellungen(TKAnwendung& anwendung, std::uint8_t maxDornabstand,
                                           std::string_view gammaMsText, std::uint8_t stahlguete,
                                           char trenner);
Eingabefolgen SetzeBemessungseinstellungen(TKAnwendung& anwendung, std::uint8_t maxDornabstand,
                                           double gammaMs, std::uint8_t stahlguete);

void BenennePosition(TKAnwendung& anwendung, std::string name);

// A value as a field shows it and reads it back: 15 significant digits, zero below
// 0.000001. The load-case buttons take the totals as shown.
double WieAngezeigt(double wert);

} // namespace vsk
