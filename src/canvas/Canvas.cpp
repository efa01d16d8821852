#include "canvas/Canvas.h"

#include <cstdlib>

namespace vsk {

int SchriftPixel(int punkte, int dpi) {
    const long long z = static_cast<long long>(punkte) * dpi;
    const long long q = z / 72;
    const long long rest = z % 72;
    // Round halves away from zero.
    if (std::llabs(rest) * 2 >= 72) {
        return static_cast<int>(z < 0 ? q - 1 : q + 1);
    }
    return static_cast<int>(q);
}

} // namespace vsk
