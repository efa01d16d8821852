#include "model/Geometrie.h"

namespace vsk {

double TKGeometrie::WirksameFugenlaenge() const {
    if (TRandLinks == 1 && TRandRechts == 1) {
        return TBauteilRandLinks + TBauteilRandRechts;
    }
    return TFugenlaenge;
}

} // namespace vsk
