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

    const TKAnwendung& Anwendung() const { return modell.AktuelleAnwendung(); }
};

} // namespace vsk
