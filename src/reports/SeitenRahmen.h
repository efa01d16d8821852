#pragma once
// The frame of every printed page: logo, titles, project header, the reasons why the
// selected connector cannot be used, and the footer.

#include "canvas/Canvas.h"
#include "reports/Berichtskontext.h"

#include <string>

namespace vsk {

// "Tervo - VSK / VSKQ Shear Connector"
std::string Produkttitel();
// "VSK - 2.0"
std::string Versionstext();

// "Page k of n"
std::string SeiteVonText(int seite, int seiten);

// Draws the frame with the title and returns the content top in cm (at least 1 cm),
// which it also stores in the print state.
double SeitenRahmen(Canvas& canvas, Berichtskontext& k, const std::string& titel);

} // namespace vsk
