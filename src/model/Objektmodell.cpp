#include "model/Objektmodell.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vsk {

int DurchmesserIndex(int durchmesser) {
    switch (durchmesser) {
    case 8:
        return 1;
    case 10:
        return 2;
    case 12:
        return 3;
    case 14:
        return 4;
    case 16:
        return 5;
    case 20:
        return 6;
    case 25:
        return 7;
    case 28:
        return 8;
    default:
        return 0;
    }
}

int RoundUpToMultiple(int a, int b) {
    if (b < 1) {
        b = 1;
    }
    const std::int64_t rest = a % b; // zero or negative for a <= 0
    if (rest == 0) {
        return a;
    }
    const std::int64_t wert = rest > 0 ? std::int64_t{a} + (b - rest) : std::int64_t{a} - rest;
    return static_cast<int>(std::min<std::int64_t>(wert, std::numeric_limits<int>::max()));
}

} // namespace vsk
