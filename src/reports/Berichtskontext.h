#pragma once
// What the report pages read: the project and its current position, the text tables, the
// user's date and number conventions, and the print state they lay out with.

#include "model/Modell.h"
#include "model/Texttabellen.h"
#include "reports/Druckzustand.h"
#include "sketches/Farbschema.h"

#include <string>
#include <utility>

namespace vsk {

// Additions to the page frame that only the project report switches on; the single
// position's print and preview keep the frame as it always was.
struct Rahmenzusatz {
    int seiten = 0; // more than 0: "Page k of n" on every page, n = seiten
    int seite = 0;  // pages framed so far; the frame counts them
    // The reasons why the selected connector cannot be used belong to a position's own
    // pages; the project's summary and schedule pages leave them out.
    bool dornFehler = true;
};

struct Berichtskontext {
    Berichtskontext(const TKModell& m, const TKTexttabellen& t, std::string h, char sep)
        : modell(m), texte(t), heute(std::move(h)), trenner(sep) {}

    const TKModell& modell;
    const TKTexttabellen& texte;
    std::string heute;    // today's date in the short date format
    char trenner = '.';   // the user's decimal separator
    Druckzustand druck;   // valid after the set-up of a pipeline
    int linienbreite = 1; // line-width factor of the sketches: 1 screen, 2 printer
    TKFarbe farben;       // colour scheme of the sketches
    Rahmenzusatz rahmen;

    const TKAnwendung& Anwendung() const { return modell.AktuelleAnwendung(); }
};

} // namespace vsk
