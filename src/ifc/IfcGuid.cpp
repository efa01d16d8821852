#include "ifc/IfcGuid.h"

namespace vsk {

namespace {

// 128-bit arithmetic needs a compiler extension; the value never leaves this file.
__extension__ using Zahl128 = unsigned __int128;

constexpr Zahl128 Konstante(std::uint64_t hoch, std::uint64_t tief) {
    return (static_cast<Zahl128>(hoch) << 64) | tief;
}

// The FNV parameters for 128 bits.
constexpr Zahl128 kFnvStart = Konstante(0x6c62272e07bb0142ULL, 0x62b821756295c58dULL);
constexpr Zahl128 kFnvPrimzahl = Konstante(0x0000000001000000ULL, 0x000000000000013BULL);

constexpr char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
constexpr int kGuidLaenge = 22;

} // namespace

Wert128 Hash128(std::string_view text) {
    Zahl128 h = kFnvStart;
    for (unsigned char c : text) {
        h ^= c;
        h *= kFnvPrimzahl;
    }
    Wert128 wert{};
    for (int i = 15; i >= 0; --i) {
        wert[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(h & 0xFF);
        h >>= 8;
    }
    return wert;
}

std::string IfcGuidText(const Wert128& wert) {
    Zahl128 z = 0;
    for (std::uint8_t b : wert) {
        z = (z << 8) | b;
    }
    std::string text(kGuidLaenge, '0');
    for (int i = kGuidLaenge - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kAlphabet[static_cast<unsigned>(z & 0x3F)];
        z >>= 6;
    }
    return text;
}

std::string IfcGuid(std::string_view projekt, int position, std::string_view element) {
    // The separator cannot occur in a file name on any system the program runs on.
    std::string schluessel(projekt);
    schluessel += '\0';
    schluessel += std::to_string(position);
    schluessel += '\0';
    schluessel += element;
    return IfcGuidText(Hash128(schluessel));
}

} // namespace vsk
