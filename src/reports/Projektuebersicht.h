#pragma once
// The summary pages of the project report: a table with one row per position, then the
// remark lines of the connector schedule.

#include "reports/Berichtskontext.h"
#include "reports/Projektbericht.h"
#include "reports/Seitenziel.h"

#include <string>
#include <vector>

namespace vsk {

// "usable", "not usable", "not calculated"
std::string Statustext(Positionsstatus status);

// Draws below the frame already on the device's current page; a full page continues on a
// new one with the frame titled titel and the column heads again.
void Projektuebersicht(Drucker& drucker, Berichtskontext& k,
                       const std::vector<Projektzeile>& zeilen, const std::string& titel);

} // namespace vsk
