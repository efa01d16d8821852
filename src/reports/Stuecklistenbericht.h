#pragma once
// The connector schedule as a printed list of supply items, one per active entry.

#include "canvas/Canvas.h"
#include "reports/Berichtskontext.h"
#include "reports/Seitenziel.h"

#include <string>

namespace vsk {

// Draws the schedule content below the frame already on the page. On a printer target
// full pages are continued on new ones, each with the frame titled titel; a picture
// target grows instead; any other target is one endless page. Returns the y below the
// last item.
int ListeZeichnen(Canvas& canvas, Berichtskontext& k, const std::string& titel,
                  const Seitenziel& ziel);

} // namespace vsk
