#include "shell/Utf8.h"

namespace vsk {

char32_t NaechstesZeichen(std::string_view s, std::size_t& i) {
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = b(i);
    int laenge = c < 0x80           ? 1
                 : (c >> 5) == 0x6  ? 2
                 : (c >> 4) == 0xE  ? 3
                 : (c >> 3) == 0x1E ? 4
                                    : 0;
    if (laenge > 1 && i + static_cast<std::size_t>(laenge) <= s.size()) {
        char32_t z = c & (0x7F >> laenge);
        bool gueltig = true;
        for (int k = 1; k < laenge; ++k) {
            unsigned char f = b(i + static_cast<std::size_t>(k));
            gueltig = gueltig && (f & 0xC0) == 0x80;
            z = (z << 6) | (f & 0x3F);
        }
        if (gueltig && z >= 0x80) {
            i += static_cast<std::size_t>(laenge);
            return z;
        }
    }
    ++i;
    return c;
}

} // namespace vsk
