#include "model/Texttabellen.h"

#include "shell/Texte.h"

#include <algorithm>

namespace vsk {

std::vector<std::string> ZerlegeText(std::string_view text) {
    std::vector<std::string> eintraege;
    for (auto p = text.find('\\'); p != std::string_view::npos; p = text.find('\\')) {
        eintraege.emplace_back(text.substr(0, p));
        text.remove_prefix(p + 1);
    }
    return eintraege;
}

int FuelleTabelle(std::span<std::string> tabelle, std::string_view text) {
    std::vector<std::string> eintraege = ZerlegeText(text);
    for (std::size_t i = 0; i < tabelle.size(); ++i) {
        tabelle[i] = i < eintraege.size() ? std::move(eintraege[i]) : std::string();
    }
    return static_cast<int>(eintraege.size());
}

TKTexttabellen ErzeugeTexttabellen() {
    TKTexttabellen t;
    FuelleTabelle(t.StatusKurz,
                  text("Texttabellen", "OK\\d < d min\\Vsd > VRd\\e < min e\\c < min c\\"
                                       "e < suit e\\f > permissible\\e < reqd e\\c < reqd c\\"
                                       "dw < reqd dw\\"));
    FuelleTabelle(t.StatusLang,
                  text("Texttabellen",
                       "Calculation ok\\Concrete thickness too small\\Load too great\\"
                       "Connector spacing is below minimum value\\"
                       "Connector edge distance is below minimum value\\"
                       "Spacing too small to suit vertical reinforcement\\"
                       "Joint width out of range for this dowel\\"
                       "Connector spacing for standard reinforcement too small for approval\\"
                       "Edge spacing according to standard reinforcement too small for "
                       "approval\\"
                       "The wall thickness is smaller than required for the selected "
                       "connector\\"));
    FuelleTabelle(t.Warnungstexte,
                  text("Texttabellen",
                       "The maximum spacings of the dowels is larger than 5 * slab thickness. "
                       "Please check dowel alignment!\\"
                       "Minimum spacing and edge distance are based on the thinnest slab for "
                       "the actual connector load\\"));
    FuelleTabelle(t.Betongueten, text("Texttabellen", "C16/20\\C20/25\\C25/30\\C30/37\\"));
    FuelleTabelle(t.Betonfestigkeiten,
                  text("Texttabellen", "16 N/mm²\\20 N/mm²\\25 N/mm²\\30 N/mm²\\"));
    FuelleTabelle(t.Fugenbreiten,
                  text("Texttabellen", "0 mm\\10 mm\\20 mm\\30 mm\\40 mm\\50 mm\\60 mm\\"));
    // The first and fourth heads carry trailing spaces: they set the column widths.
    FuelleTabelle(t.StuecklisteSpalten,
                  text("Texttabellen",
                       "Position                          \\No. pos.\\No. connectors\\"
                       "Designation                                           \\"
                       "Sum connectors\\Status\\Pos\\Ceiling strength\\"
                       "efective structural height\\Support type\\"));
    FuelleTabelle(t.AnwendungsfallLang,
                  text("Texttabellen", "Single shear connector loaded with point load\\"
                                       "Row of shear connectors - connection slab to slab\\"
                                       "Row of shear connectors - connection slab to wall\\"));
    FuelleTabelle(t.AnwendungsfallKurz,
                  text("Texttabellen", "Single shear connector\\Connector row, slab to slab\\"
                                       "Connector row, slab to wall\\"));
    FuelleTabelle(t.BewehrungCalcTexte,
                  text("Texttabellen", "reinf't based on max. FRd\\reinf't based on act. FRd\\"));
    FuelleTabelle(t.MaxDornabstandTexte, text("Texttabellen", "Unlimited\\5 * Slab Thickness\\"));
    return t;
}

namespace {
TKTexttabellen& Tabellen() {
    static TKTexttabellen tabellen = ErzeugeTexttabellen();
    return tabellen;
}
} // namespace

void InitTexte() {
    Tabellen() = ErzeugeTexttabellen();
}

const TKTexttabellen& Texttabellen() {
    return Tabellen();
}

} // namespace vsk
