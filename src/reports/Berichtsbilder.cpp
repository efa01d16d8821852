#include "reports/Berichtsbilder.h"

namespace vsk {

BildMass EigeneGroesse(const std::string& name) {
    if (name == BildDrucklogo) {
        return {139, 46}; // 3.69 x 1.23 cm at 96 per inch
    }
    if (name == BildBeliebigeLast) {
        return {200, 56};
    }
    return {};
}

} // namespace vsk
