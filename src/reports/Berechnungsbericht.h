#pragma once
// The calculation report of the current position for its selected connector type: the
// result page, the load page (arbitrary load only) and the sketch page, and the blocks
// they are built of. Every page expects its frame drawn (content top in the print state).

#include "canvas/Canvas.h"
#include "reports/Berichtskontext.h"

#include <string>

namespace vsk {

// "Calculation for " followed by the display name of the selected type.
std::string Berichtstitel(const Berichtskontext& k);

void Ergebnisseite(Canvas& canvas, Berichtskontext& k);
void Lastseite(Canvas& canvas, Berichtskontext& k);
void Skizzenseite(Canvas& canvas, Berichtskontext& k);

// Each block draws at (x, y) and returns the y below it.
int Eingabeblock(Canvas& canvas, const Berichtskontext& k, int x, int y, int symbolOffset,
                 int wertOffset);
int Lastblock(Canvas& canvas, const Berichtskontext& k, int x, int y, int symbolOffset,
              bool lastseite, int wertOffset);
int Ergebnisblock(Canvas& canvas, const Berichtskontext& k, int x, int y, int symbolOffset,
                  int rechtsOffset, int wertOffset);

} // namespace vsk
