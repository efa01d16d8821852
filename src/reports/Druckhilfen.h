#pragma once
// Drawing helpers of the printed pages: the labelled formula line and the named pictures.

#include "canvas/Canvas.h"
#include "reports/Druckzustand.h"

#include <string>

namespace vsk {

struct Formeltexte {
    std::string symbol;
    std::string index; // lowered after the symbol
    std::string hoch;  // raised after the symbol
    std::string zeichen = "=";
};

struct Formelschriften {
    std::string symbol = "Arial";
    std::string index = "Arial";
    std::string hoch = "Arial";
    std::string zeichen = "Arial";
};

// One labelled formula line: the label at (x, y), the symbol with its index and raised
// text at x + symbolOffset, the sign at x + symbolOffset + wertOffset followed by
// " value unit" in Arial. Size and style stay as the caller set them; the font name is
// left at the last one used. Sign, value and unit are drawn only when value and unit are
// not both empty.
void Formelzeile(Canvas& canvas, const std::string& label, const std::string& wert, int wertOffset,
                 int symbolOffset, int y, int x, const Formelschriften& schriften,
                 const Formeltexte& texte, const std::string& einheit);

// A picture of the program stretched into r.
void BildAusRessource(Canvas& canvas, const std::string& name, const Rechteck& r);

// A picture whose rectangle r is given in screen pixels, scaled to the device (width and
// height times res / screen pixels per inch, truncated), top-left kept. Returns the
// scaled height.
int BildSkaliert(Canvas& canvas, const Druckzustand& zustand, const std::string& name,
                 const Rechteck& r);

} // namespace vsk
