#pragma once
// The designed joints of a project as an IFC4 model (Reference View), for BIM
// coordination: project, site, building and one storey; per position an element assembly
// at the joint's start holding the connectors of the selected type in their arrangement,
// each with its reinforcement of positions B and D, and the design values as the
// property set "Pset_VSK_Design" on the assembly and on every connector.
//
// Axes of a position: x along the joint from its start, y across it into the member that
// holds the anchor plates, z up from the underside of the slab. The positions stand one
// behind the other along y, a metre apart; the model that receives them moves them to
// their places.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace vsk {

class TKModell;

struct IfcExportAngaben {
    // The project file's name without its folder: part of every element's id, so that
    // the next export of the same project gives every element the id it had. When the
    // project has no file yet, its description stands in.
    std::string projektName;
    std::string dateiName;   // the name of the written file, for its header
    std::string zeitstempel; // ISO 8601, for the header
};

// The positions whose results are calculated, by number.
std::vector<int> BerechnetePositionen(const TKModell& modell);

// Writes the model of the positions (numbers from 1; others, and repeats, are left out)
// with the selected type TAktDorn of each. False when the stream failed.
bool SchreibeIfc(std::ostream& aus, const TKModell& modell, const std::vector<int>& positionen,
                 const IfcExportAngaben& angaben);

// The same into a file, replacing it only when everything was written; throws DateiFehler
// with the message for the user.
void SchreibeIfcDatei(const std::filesystem::path& ziel, const TKModell& modell,
                      const std::vector<int>& positionen, IfcExportAngaben angaben);

} // namespace vsk
