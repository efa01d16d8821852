#pragma once
// Colours as 32-bit integers holding RGB as 0x00BBGGRR (red in the low byte), the form
// the settings file stores.

#include <cstdint>

namespace vsk {

using Farbe = std::int32_t;

constexpr Farbe RGB(int r, int g, int b) {
    return static_cast<Farbe>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int Rot(Farbe f) {
    return f & 0xFF;
}
constexpr int Gruen(Farbe f) {
    return (f >> 8) & 0xFF;
}
constexpr int Blau(Farbe f) {
    return (f >> 16) & 0xFF;
}

} // namespace vsk
