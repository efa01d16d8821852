#include "canvas/Messleinwand.h"

#include <utility>

namespace vsk {

namespace {

// Measures in the given font and puts the model's own font back.
template <typename Messung>
int InSchrift(Canvas& vorbild, const Schrift& schrift, Messung messung) {
    Schrift eigene = std::exchange(vorbild.schrift, schrift);
    const int wert = messung();
    vorbild.schrift = std::move(eigene);
    return wert;
}

} // namespace

int Messleinwand::TextWidth(const std::string& text) {
    return InSchrift(vorbild_, schrift, [&] { return vorbild_.TextWidth(text); });
}

int Messleinwand::TextHeight(const std::string& text) {
    return InSchrift(vorbild_, schrift, [&] { return vorbild_.TextHeight(text); });
}

} // namespace vsk
