#include "model/Meldungen.h"

#include <algorithm>

namespace vsk {

void TKMeldungen::Add(std::uint16_t code) {
    if (!Enthaelt(code)) {
        codes_.push_back(code);
    }
}

std::uint16_t TKMeldungen::Code(int i) const {
    if (i < 0 || i >= Count()) {
        return 0;
    }
    return codes_[static_cast<std::size_t>(i)];
}

bool TKMeldungen::Enthaelt(std::uint16_t code) const {
    return std::find(codes_.begin(), codes_.end(), code) != codes_.end();
}

} // namespace vsk
