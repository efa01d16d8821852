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
    constexpr const char* k = "Texttabellen";
    TKTexttabellen t;
    FuelleTabelle(t.StatusKurz, text(k, "OK\\d < d min\\Vsd > VRd\\e < min e\\c < min c\\"
                                        "e < suit e\\f > permissible\\e < reqd e\\c < reqd c\\"
                                        "dw < reqd dw\\"));
    FuelleTabelle(t.StatusLang,
                  text(k, "Calculation ok\\Concrete thickness too small\\Load too great\\"
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
                  text(k, "The maximum spacings of the dowels is larger than 5 * slab thickness. "
                          "Please check dowel alignment!\\"
                          "Minimum spacing and edge distance are based on the thinnest slab for "
                          "the actual connector load\\"));
    FuelleTabelle(t.Betongueten, text(k, "C16/20\\C20/25\\C25/30\\C30/37\\"));
    FuelleTabelle(t.Betonfestigkeiten,
                  text(k, "16 N/mm²\\20 N/mm²\\25 N/mm²\\30 N/mm²\\"));
    FuelleTabelle(t.Fugenbreiten, text(k, "0 mm\\10 mm\\20 mm\\30 mm\\40 mm\\50 mm\\60 mm\\"));
    // The first and fourth heads carry trailing spaces: they set the column widths.
    FuelleTabelle(t.StuecklisteSpalten,
                  text(k, "Position                          \\No. pos.\\No. connectors\\"
                          "Designation                                           \\"
                          "Sum connectors\\Status\\Pos\\Ceiling strength\\"
                          "efective structural height\\Support type\\"));
    FuelleTabelle(t.AnwendungsfallLang,
                  text(k, "Single shear connector loaded with point load\\"
                          "Row of shear connectors - connection slab to slab\\"
                          "Row of shear connectors - connection slab to wall\\"));
    FuelleTabelle(t.AnwendungsfallKurz,
                  text(k, "Single shear connector\\Connector row, slab to slab\\"
                          "Connector row, slab to wall\\"));
    FuelleTabelle(t.BewehrungCalcTexte,
                  text(k, "reinf't based on max. FRd\\reinf't based on act. FRd\\"));
    FuelleTabelle(t.MaxDornabstandTexte, text(k, "Unlimited\\5 * Slab Thickness\\"));
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
