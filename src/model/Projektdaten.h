#pragma once
// Description of a project: building project, company lines, designer, date.

#include <string>
#include <utility>
#include <vector>

namespace vsk {

class TKProjektdaten {
public:
    // datum: today's date in the user's short date format.
    explicit TKProjektdaten(std::string datum = {}) : TDatum(std::move(datum)) {}

    std::string TBauvorhaben;
    std::vector<std::string> TFirma;
    std::string TBearbeiter;
    std::string TDatum; // free text once set

    friend bool operator==(const TKProjektdaten&, const TKProjektdaten&) = default;
};

} // namespace vsk
