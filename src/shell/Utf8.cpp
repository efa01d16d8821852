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

namespace {

void HaengeAn(std::string& aus, char32_t z) {
    if (z < 0x80) {
        aus.push_back(static_cast<char>(z));
    } else if (z < 0x800) {
        aus.push_back(static_cast<char>(0xC0 | (z >> 6)));
        aus.push_back(static_cast<char>(0x80 | (z & 0x3F)));
    } else if (z < 0x10000) {
        aus.push_back(static_cast<char>(0xE0 | (z >> 12)));
        aus.push_back(static_cast<char>(0x80 | ((z >> 6) & 0x3F)));
        aus.push_back(static_cast<char>(0x80 | (z & 0x3F)));
    } else {
        aus.push_back(static_cast<char>(0xF0 | (z >> 18)));
        aus.push_back(static_cast<char>(0x80 | ((z >> 12) & 0x3F)));
        aus.push_back(static_cast<char>(0x80 | ((z >> 6) & 0x3F)));
        aus.push_back(static_cast<char>(0x80 | (z & 0x3F)));
    }
}

} // namespace

std::string ErsteZeichen(const std::string& text, std::size_t zeichen) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < text.size() && n < zeichen; ++n) {
        NaechstesZeichen(text, i);
    }
    return text.substr(0, i);
}

std::optional<std::string> Utf16AlsUtf8(std::string_view s) {
    constexpr char32_t Ersatz = 0xFFFD;
    if (s.size() < 2) {
        return std::nullopt;
    }
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const bool klein = byte(0) == 0xFF && byte(1) == 0xFE;
    if (!klein && !(byte(0) == 0xFE && byte(1) == 0xFF)) {
        return std::nullopt;
    }
    const auto einheit = [&](std::size_t k) -> char32_t {
        return klein ? byte(k) | (byte(k + 1) << 8) : (byte(k) << 8) | byte(k + 1);
    };
    std::string aus;
    aus.reserve(s.size() / 2);
    for (std::size_t k = 2; k + 1 < s.size(); k += 2) {
        char32_t z = einheit(k);
        if (z >= 0xD800 && z < 0xDC00 && k + 3 < s.size() && einheit(k + 2) >= 0xDC00 &&
            einheit(k + 2) < 0xE000) {
            z = 0x10000 + ((z - 0xD800) << 10) + (einheit(k + 2) - 0xDC00);
            k += 2;
        } else if (z >= 0xD800 && z < 0xE000) {
            z = Ersatz;
        }
        HaengeAn(aus, z);
    }
    return aus;
}

} // namespace vsk
