#pragma once
// The walks along one load line, kept for a design run: every connector type and every
// thickness pass tries shares of the same resultant again. Where a walk places its
// connectors depends on the lines and the share alone; the spacing limit only decides
// whether the distances pass, so one walk per share answers every limit.

#include "design/Lastlinie.h"

#include <map>
#include <vector>

namespace vsk {

class Laufspeicher {
public:
    // BeideZulaessig of Lastlinie.h, from the kept walks of share F where the lines are
    // the same. On a pass the rows are those of the walks; on a failure they are empty.
    bool BeideZulaessig(const Lastlinie& linie0, const Lastlinie& linie1, double F, double grenze,
                        std::vector<double>& reihe0, std::vector<double>& reihe1);

private:
    struct Laeufe {
        std::vector<double> reihe0, reihe1;
    };

    Lastlinie linie0_, linie1_;
    std::map<double, Laeufe> laeufe_; // by share
};

} // namespace vsk
