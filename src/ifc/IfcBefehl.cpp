#include "ifc/IfcBefehl.h"

#include "model/Modell.h"
#include "shell/Dateischreiber.h"
#include "shell/Plattform.h"
#include "shell/Texte.h"

#include <algorithm>

namespace vsk {

std::optional<std::vector<int>> IfcPositionenWaehlen(const TKModell& modell, Plattform& plattform) {
    const std::vector<int> aktuelle{modell.TAktAnwendung};
    std::vector<int> alle = BerechnetePositionen(modell);
    // The current position shows results, whatever its flag says.
    if (std::find(alle.begin(), alle.end(), modell.TAktAnwendung) == alle.end()) {
        alle.push_back(modell.TAktAnwendung);
        std::sort(alle.begin(), alle.end());
    }
    if (alle.size() == 1) {
        return aktuelle;
    }
    switch (plattform.FrageJaNeinAbbrechen(
        text("IFC", "Other positions of the project are calculated too. Export all calculated "
                    "positions? (No: the current position only)"))) {
    case Antwort::Ja:
        return alle;
    case Antwort::Nein:
        return aktuelle;
    case Antwort::Abbrechen:
        break;
    }
    return std::nullopt;
}

bool ExportiereIfc(const std::filesystem::path& ziel, const TKModell& modell,
                   const std::vector<int>& positionen, const IfcExportAngaben& angaben,
                   Plattform& plattform) {
    try {
        SchreibeIfcDatei(ziel, modell, positionen, angaben);
        return true;
    } catch (const DateiFehler& f) {
        plattform.Fehler(f.what());
        return false;
    }
}

} // namespace vsk
