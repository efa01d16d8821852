#include "canvas/Symbolschrift.h"

#include <array>
#include <cstdint>

namespace vsk {

namespace {

// Unicode for the codes 0x20..0xFF of the Symbol page; 0 keeps the code.
constexpr std::array<char32_t, 224> kSymbol = {
    // 0x20
    0,
    0,
    0x2200,
    0,
    0x2203,
    0,
    0,
    0x220B,
    0,
    0,
    0x2217,
    0,
    0,
    0x2212,
    0,
    0,
    // 0x30
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    // 0x40 @ A..O
    0x2245,
    0x0391,
    0x0392,
    0x03A7,
    0x0394,
    0x0395,
    0x03A6,
    0x0393,
    0x0397,
    0x0399,
    0x03D1,
    0x039A,
    0x039B,
    0x039C,
    0x039D,
    0x039F,
    // 0x50 P..Z [ \ ] ^ _
    0x03A0,
    0x0398,
    0x03A1,
    0x03A3,
    0x03A4,
    0x03A5,
    0x03C2,
    0x03A9,
    0x039E,
    0x03A8,
    0x0396,
    0,
    0x2234,
    0,
    0x22A5,
    0,
    // 0x60 ` a..o
    0x203E,
    0x03B1,
    0x03B2,
    0x03C7,
    0x03B4,
    0x03B5,
    0x03C6,
    0x03B3,
    0x03B7,
    0x03B9,
    0x03D5,
    0x03BA,
    0x03BB,
    0x03BC,
    0x03BD,
    0x03BF,
    // 0x70 p..z { | } ~
    0x03C0,
    0x03B8,
    0x03C1,
    0x03C3,
    0x03C4,
    0x03C5,
    0x03D6,
    0x03C9,
    0x03BE,
    0x03C8,
    0x03B6,
    0,
    0,
    0,
    0x223C,
    0,
    // 0x80
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    // 0x90
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    // 0xA0
    0x20AC,
    0x03D2,
    0x2032,
    0x2264,
    0x2044,
    0x221E,
    0x0192,
    0x2663,
    0x2666,
    0x2665,
    0x2660,
    0x2194,
    0x2190,
    0x2191,
    0x2192,
    0x2193,
    // 0xB0
    0x00B0,
    0x00B1,
    0x2033,
    0x2265,
    0x00D7,
    0x221D,
    0x2202,
    0x2022,
    0x00F7,
    0x2260,
    0x2261,
    0x2248,
    0x2026,
    0x23D0,
    0x23AF,
    0x21B5,
    // 0xC0
    0x2135,
    0x2111,
    0x211C,
    0x2118,
    0x2297,
    0x2295,
    0x2205,
    0x2229,
    0x222A,
    0x2283,
    0x2287,
    0x2284,
    0x2282,
    0x2286,
    0x2208,
    0x2209,
    // 0xD0
    0x2220,
    0x2207,
    0x00AE,
    0x00A9,
    0x2122,
    0x220F,
    0x221A,
    0x22C5,
    0x00AC,
    0x2227,
    0x2228,
    0x21D4,
    0x21D0,
    0x21D1,
    0x21D2,
    0x21D3,
    // 0xE0
    0x25CA,
    0x2329,
    0x00AE,
    0x00A9,
    0x2122,
    0x2211,
    0x239B,
    0x239C,
    0x239D,
    0x23A1,
    0x23A2,
    0x23A3,
    0x23A7,
    0x23A8,
    0x23A9,
    0x23AA,
    // 0xF0
    0,
    0x232A,
    0x222B,
    0x2320,
    0x23AE,
    0x2321,
    0x239E,
    0x239F,
    0x23A0,
    0x23A4,
    0x23A5,
    0x23A6,
    0x23AB,
    0x23AC,
    0x23AD,
    0,
};

void Anhaengen(std::string& aus, char32_t c) {
    if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (c < 0x800) {
        aus += static_cast<char>(0xC0 | (c >> 6));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        aus += static_cast<char>(0xE0 | (c >> 12));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        aus += static_cast<char>(0xF0 | (c >> 18));
        aus += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Next code point: a valid UTF-8 sequence, else the single byte as Latin-1.
char32_t Naechstes(const std::string& s, std::size_t& i) {
    const auto b = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t c = b(i);
    const auto folge = [&](std::size_t k) { return k < s.size() && (b(k) & 0xC0) == 0x80; };
    if (c >= 0xC2 && c < 0xE0 && folge(i + 1)) {
        const char32_t r = ((c & 0x1Fu) << 6) | (b(i + 1) & 0x3Fu);
        i += 2;
        return r;
    }
    if (c >= 0xE0 && c < 0xF0 && folge(i + 1) && folge(i + 2)) {
        const char32_t r = ((c & 0x0Fu) << 12) | ((b(i + 1) & 0x3Fu) << 6) | (b(i + 2) & 0x3Fu);
        if (r >= 0x800) {
            i += 3;
            return r;
        }
    }
    if (c >= 0xF0 && c < 0xF5 && folge(i + 1) && folge(i + 2) && folge(i + 3)) {
        const char32_t r = ((c & 0x07u) << 18) | ((b(i + 1) & 0x3Fu) << 12) |
                           ((b(i + 2) & 0x3Fu) << 6) | (b(i + 3) & 0x3Fu);
        if (r >= 0x10000 && r < 0x110000) {
            i += 4;
            return r;
        }
    }
    i += 1;
    return c;
}

} // namespace

std::string SymbolNachUnicode(const std::string& text) {
    std::string aus;
    aus.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = Naechstes(text, i);
        if (c >= 0x20 && c <= 0xFF && kSymbol[c - 0x20] != 0) {
            c = kSymbol[c - 0x20];
        }
        Anhaengen(aus, c);
    }
    return aus;
}

} // namespace vsk
