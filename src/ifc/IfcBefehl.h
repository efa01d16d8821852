#pragma once
// The IFC export as the main window runs it for the current position: which positions go
// into the model, and writing the file with the program's messages.

#include "ifc/IfcExport.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace vsk {

class Plattform;
class TKModell;

// The current position; when other positions are calculated too, the question whether
// all calculated positions go into the model (Yes), or the current one alone (No).
// Nothing when the user cancels.
std::optional<std::vector<int>> IfcPositionenWaehlen(const TKModell& modell, Plattform& plattform);

// Writes the model; a file that could not be written is reported through the platform.
// True when written.
bool ExportiereIfc(const std::filesystem::path& ziel, const TKModell& modell,
                   const std::vector<int>& positionen, const IfcExportAngaben& angaben,
                   Plattform& plattform);

} // namespace vsk
